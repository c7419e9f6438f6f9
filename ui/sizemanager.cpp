#include "ui/sizemanager.h"

#include "app/profile.h"
#include "ui/dwindow.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include <algorithm>
#include <climits>

namespace {

constexpr int kAbsent = INT_MIN;
constexpr int kMinSide = 100;

DWindow::Rect FromQRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

// The primary screen first, as FitOnScreens takes the first when none is near.
std::vector<DWindow::Rect> AvailableAreas() {
    std::vector<DWindow::Rect> areas;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        areas.push_back(FromQRect(primary->availableGeometry()));
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            areas.push_back(FromQRect(screen->availableGeometry()));
    if (areas.empty()) areas.push_back({0, 0, 800, 600});
    return areas;
}

int Overlap(int from1, int length1, int from2, int length2) {
    return std::max(0, std::min(from1 + length1, from2 + length2) - std::max(from1, from2));
}

} // namespace

DWindow::Rect FitOnScreens(DWindow::Rect saved, const std::vector<DWindow::Rect>& screens) {
    if (screens.empty()) return saved;
    const DWindow::Rect* best = nullptr;
    long long bestArea = 0;
    for (const DWindow::Rect& screen : screens) {
        long long area = static_cast<long long>(Overlap(saved.x, saved.w, screen.x, screen.w)) *
                         Overlap(saved.y, saved.h, screen.y, screen.h);
        if (area > bestArea) {
            bestArea = area;
            best = &screen;
        }
    }
    const DWindow::Rect& on = best ? *best : screens.front();
    DWindow::Rect fitted = saved;
    fitted.w = std::min(saved.w, on.w);
    fitted.h = std::min(saved.h, on.h);
    if (!best) {
        fitted.x = on.x + (on.w - fitted.w) / 2;
        fitted.y = on.y + (on.h - fitted.h) / 2;
        return fitted;
    }
    fitted.x = std::clamp(saved.x, on.x, on.x + on.w - fitted.w);
    fitted.y = std::clamp(saved.y, on.y, on.y + on.h - fitted.h);
    return fitted;
}

void SizeManager::SetSize(DWindow& window, int cmdShow) const {
    std::vector<DWindow::Rect> screens = AvailableAreas();
    const DWindow::Rect& primary = screens.front();
    int x = profile_.GetInt(section_, "X", kAbsent);
    int y = profile_.GetInt(section_, "Y", kAbsent);
    int w = profile_.GetInt(section_, "W", 0);
    int h = profile_.GetInt(section_, "H", 0);
    int show = profile_.GetInt(section_, "show", cmdShow);

    // Without a usable saved size the window takes three quarters of the screen, centred.
    if (w < kMinSide || h < kMinSide) {
        w = primary.w * 3 / 4;
        h = primary.h * 3 / 4;
        x = kAbsent;
    }
    if (x == kAbsent || y == kAbsent) {
        x = primary.x + (primary.w - w) / 2;
        y = primary.y + (primary.h - h) / 2;
    }
    DWindow::Rect fitted = FitOnScreens({x, y, w, h}, screens);
    window.Resize(fitted.w, fitted.h);
    window.SetRestoredRect(fitted);

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
