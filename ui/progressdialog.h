#pragma once

#include "base/str.h"

#include <chrono>
#include <memory>

class DWindow;
class QProgressDialog;

// A small progress box for work that takes a while: it appears only once the work has gone
// on for more than half a second, and goes when this object does.
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
    const DWindow* owner_;
    Str text_;
    std::chrono::steady_clock::time_point start_;
    std::unique_ptr<QProgressDialog> dialog_;
};
