#pragma once

#include <memory>

class DWindow;
class QProgressDialog;

// A small progress box for work that takes a while: it appears only when the work goes on
// for more than half a second, and goes when this object does.
class DProgressDialog {
public:
    DProgressDialog(const DWindow* owner, const char* text);
    ~DProgressDialog();
    DProgressDialog(const DProgressDialog&) = delete;
    DProgressDialog& operator=(const DProgressDialog&) = delete;
    // done of total steps; lets the window repaint.
    void Set(int done, int total);
    // Whether the box has been shown.
    bool WasShown() const { return shown_; }

private:
    std::unique_ptr<QProgressDialog> dialog_;
    bool shown_ = false;
};
