#include "ui/dockpanel.h"

#include "app/profile.h"
#include "ui/dframewindow.h"
#include "ui/qtext.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QMainWindow>
#include <QShortcut>

namespace {

constexpr int kMinSize = 80;

Qt::DockWidgetArea AreaOf(DDockPanel::Side side) {
    switch (side) {
    case DDockPanel::Right:
        return Qt::RightDockWidgetArea;
    case DDockPanel::Top:
        return Qt::TopDockWidgetArea;
    case DDockPanel::Bottom:
        return Qt::BottomDockWidgetArea;
    default:
        return Qt::LeftDockWidgetArea;
    }
}

DDockPanel::Side SideOf(Qt::DockWidgetArea area, DDockPanel::Side otherwise) {
    switch (area) {
    case Qt::LeftDockWidgetArea:
        return DDockPanel::Left;
    case Qt::RightDockWidgetArea:
        return DDockPanel::Right;
    case Qt::TopDockWidgetArea:
        return DDockPanel::Top;
    case Qt::BottomDockWidgetArea:
        return DDockPanel::Bottom;
    default:
        return otherwise; // floating: it goes back where it was docked
    }
}

bool Across(DDockPanel::Side side) {
    return side == DDockPanel::Left || side == DDockPanel::Right;
}

} // namespace

// The Qt side: a dock widget that tells the panel when the user closes it.
class DDockPanel::PanelWidget : public QDockWidget {
public:
    PanelWidget(DDockPanel* panel, QWidget* parent) : QDockWidget(parent), panel_(panel) {}
    void Detach() { panel_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override {
        QDockWidget::closeEvent(event);
        if (panel_ && event->isAccepted()) panel_->Closed();
    }

private:
    DDockPanel* panel_;
};

// The frame's closing keeps the size the user gave the panel.
class PanelSizeKeeper : public QObject {
public:
    PanelSizeKeeper(std::function<void()> keep, QObject* parent)
        : QObject(parent), keep_(std::move(keep)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close) keep_();
        return false;
    }

private:
    std::function<void()> keep_;
};

DDockPanel::DDockPanel(DFrameWindow* frame, const char* name, const char* caption,
                       const Place& place)
    : DWindow(new PanelWidget(this, frame ? frame->Widget() : nullptr)), profile_(place.profile),
      section_(place.section) {
    int side = profile_.GetInt(section_, "Side", place.side);
    side_ = side >= Left && side <= Bottom ? static_cast<Side>(side) : place.side;
    keptSize_ = profile_.GetInt(section_, "Size", place.size);
    if (keptSize_ < kMinSize) keptSize_ = place.size;

    PanelWidget* panel = Panel();
    panel->setObjectName(ToQt(name));
    panel->setWindowTitle(ToQt(caption));
    panel->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                       QDockWidget::DockWidgetFloatable);
    auto* body = new QWidget(panel);
    body->setObjectName(ToQt(name) + QStringLiteral("Body"));
    panel->setWidget(body);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), panel);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(escape, &QShortcut::activated, panel, [this] { Close(); });
    QObject::connect(panel, &QDockWidget::dockLocationChanged, panel,
                     [this](Qt::DockWidgetArea area) {
                         side_ = SideOf(area, side_);
                         if (IsOpen()) KeepPlace(true);
                     });
    if (auto* window = qobject_cast<QMainWindow*>(frame ? frame->Widget() : nullptr)) {
        window->addDockWidget(AreaOf(side_), panel);
        window->installEventFilter(new PanelSizeKeeper(
            [this] {
                if (IsOpen()) KeepPlace(true);
            },
            panel));
    }
    panel->hide();
}

DDockPanel::~DDockPanel() {
    if (PanelWidget* panel = Panel()) panel->Detach();
}

DDockPanel::PanelWidget* DDockPanel::Panel() const {
    return static_cast<PanelWidget*>(Widget());
}

QWidget* DDockPanel::Body() const {
    return Panel() ? Panel()->widget() : nullptr;
}

bool DDockPanel::WasOpen(const ApplicationProfile& profile, const char* section) {
    return profile.GetInt(section, "Open", 0) != 0;
}

void DDockPanel::Open() {
    PanelWidget* panel = Panel();
    if (!panel) return;
    bool wasOpen = IsOpen();
    panel->show();
    panel->raise();
    const int asked = keptSize_;
    if (keptSize_ > 0) {
        if (auto* window = qobject_cast<QMainWindow*>(panel->parentWidget()))
            window->resizeDocks({panel}, {keptSize_},
                                Across(side_) ? Qt::Horizontal : Qt::Vertical);
        keptSize_ = 0;
    }
    // The layout gives the panel its size later: until then its width is not the one it takes.
    if (!wasOpen) KeepPlace(true, asked > 0 ? asked : -1);
}

void DDockPanel::Close() {
    if (Panel() && IsOpen()) Panel()->close();
}

bool DDockPanel::IsOpen() const {
    return Panel() && !Panel()->isHidden();
}

DDockPanel::Side DDockPanel::GetSide() const {
    return side_;
}

void DDockPanel::OnClosed(std::function<void()> closed) {
    closed_ = std::move(closed);
}

void DDockPanel::KeepPlace(bool open, int opening) const {
    PanelWidget* panel = Panel();
    if (!panel) return;
    profile_.WriteInt(section_, "Side", side_);
    if (opening > 0)
        profile_.WriteInt(section_, "Size", opening);
    else if (opening == 0 && !panel->isFloating() && panel->isVisible())
        profile_.WriteInt(section_, "Size", Across(side_) ? panel->width() : panel->height());
    profile_.WriteInt(section_, "Open", open ? 1 : 0);
}

void DDockPanel::Closed() {
    KeepPlace(false);
    if (closed_) closed_();
}
