#pragma once

#include "ui/dwindow.h"

#include <functional>

// A vertical bar between two panes that the user drags sideways. It never leaves its parent's
// client area, and it tells its parent, by notification code, while and when it was moved.
class DWindowSeparator : public DWindow {
public:
    enum Notification {
        SepChanged = 100, // the drag is over: the bar stays where it is now
        SepMoving = 101,  // the bar follows the mouse
    };
    // Wide enough to be grabbed without aiming.
    static constexpr int kWidth = 8;

    DWindowSeparator(DWindow* parent, const char* name, std::function<void(int code)> notify);

    // The bar's left edge in its parent's client area.
    int GetPosition() const;

private:
    class Bar;
};
