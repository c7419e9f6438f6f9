#pragma once

#include <memory>

class QGuiApplication;

// Text needs the window system's font database even off screen. While this object lives the
// program has a GUI application object: the one it already had, or one made here on the
// off-screen platform, which needs no display.
class OffscreenGui {
public:
    OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;
    ~OffscreenGui();

private:
    std::unique_ptr<QGuiApplication> app_;
};
