#include "ui/sizemanager.h"

#include "app/profile.h"
#include "ui/dwindow.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <climits>

namespace {

constexpr int kAbsent = INT_MIN;
constexpr int kMinSide = 100;

QRect AvailableArea() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

bool OnSomeScreen(const QRect& rect) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersected(rect).width() >= kMinSide / 2 &&
            screen->availableGeometry().intersected(rect).height() >= kMinSide / 4)
            return true;
    return false;
}

} // namespace

void SizeManager::SetSize(DWindow& window, int cmdShow) const {
    QRect area = AvailableArea();
    int x = profile_.GetInt(section_, "X", kAbsent);
    int y = profile_.GetInt(section_, "Y", kAbsent);
    int w = profile_.GetInt(section_, "W", 0);
    int h = profile_.GetInt(section_, "H", 0);
    int show = profile_.GetInt(section_, "show", cmdShow);

    // Without a usable saved size the window takes three quarters of the screen.
    if (w < kMinSide || h < kMinSide) {
        w = area.width() * 3 / 4;
        h = area.height() * 3 / 4;
    }
    w = std::min(w, std::max(area.width(), kMinSide));
    h = std::min(h, std::max(area.height(), kMinSide));
    window.Resize(w, h);
    if (x != kAbsent && y != kAbsent && OnSomeScreen(QRect(x, y, w, h)))
        window.SetRestoredRect({x, y, w, h});
    else if (QWidget* widget = window.Widget())
        widget->move(area.x() + (area.width() - w) / 2, area.y() + (area.height() - h) / 2);

    // A hidden main window could not be reached again; unknown states take the start command.
    if (show == SW_HIDE || show < 0 || show > SW_SHOWDEFAULT) show = cmdShow;
    if (show == SW_HIDE) show = SW_SHOWNORMAL;
    window.Show(show);
}

void SizeManager::SaveSize(const DWindow& window) const {
    DWindow::Rect r = window.GetRestoredRect();
    profile_.WriteInt(section_, "X", r.x);
    profile_.WriteInt(section_, "Y", r.y);
    profile_.WriteInt(section_, "W", r.w);
    profile_.WriteInt(section_, "H", r.h);
    profile_.WriteInt(section_, "show", window.GetShowState());
}
