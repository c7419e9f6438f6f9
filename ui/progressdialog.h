#pragma once

#include "base/str.h"

#include <chrono>
#include <memory>

class DWindow;
class QObject;
class QProgressDialog;

// A small progress box for work that takes a while: it appears only once the work has gone
// on for more than half a second, and goes when this object does. While it lives, the
// owner's window takes no input and cannot be closed, so that nothing starts another piece
// of work in the middle of this one, but it keeps repainting: each Set lets the window
// process its events, at the first step and then every 50 ms.
class DProgressDialog {
public:
    DProgressDialog(const DWindow* owner, const char* text);
    ~DProgressDialog();
    DProgressDialog(const DProgressDialog&) = delete;
    DProgressDialog& operator=(const DProgressDialog&) = delete;
    // done of total steps; lets the window repaint.
    void Set(int done, int total);
    // Out of the way while a question is asked; the next Set brings it back.
    void Pause();
    // Whether the box has been shown.
    bool WasShown() const { return dialog_ != nullptr; }

private:
    using Clock = std::chrono::steady_clock;

    const DWindow* owner_;
    Str text_;
    Clock::time_point start_;
    Clock::time_point pumped_;
    bool pumpedOnce_ = false;
    std::unique_ptr<QObject> inputBlock_;
    std::unique_ptr<QProgressDialog> dialog_;
};
