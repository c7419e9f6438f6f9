#pragma once

#include "base/str.h"

class QWidget;

// Show commands, as the program passes them and as the profile keeps the window's state.
enum ShowCommand {
    SW_HIDE = 0,
    SW_SHOWNORMAL = 1,
    SW_SHOWMINIMIZED = 2,
    SW_SHOWMAXIMIZED = 3,
    SW_SHOWNOACTIVATE = 4,
    SW_SHOW = 5,
    SW_MINIMIZE = 6,
    SW_SHOWMINNOACTIVE = 7,
    SW_SHOWNA = 8,
    SW_RESTORE = 9,
    SW_SHOWDEFAULT = 10,
};

// A window of the toolkit. It owns its Qt widget; code above the toolkit talks to this class
// and never to Qt.
class DWindow {
public:
    // An empty child window in parent's client area; the name lets tests find it.
    DWindow(DWindow* parent, const char* name);
    DWindow(const DWindow&) = delete;
    DWindow& operator=(const DWindow&) = delete;
    virtual ~DWindow();

    void SetCaption(const char* text);
    Str GetCaption() const;
    // The caption's mark for unsaved changes, where the caption has its "[*]".
    void SetModifiedMark(bool modified);
    bool HasModifiedMark() const;
    // The name by which tests find the window.
    void SetName(const char* name);
    // Shows the window in the state the command names (normal, minimized, maximized).
    void Show(int cmdShow);
    bool IsVisible() const;
    // Gives the window the keyboard; whether it (or a window within it) has it.
    void SetFocus();
    bool HasFocus() const;

    // The window's place and size when neither minimized nor maximized, in screen pixels.
    struct Rect {
        int x = 0, y = 0, w = 0, h = 0;
    };
    Rect GetRestoredRect() const;
    void SetRestoredRect(const Rect& rect);
    void Resize(int w, int h);
    // The state to save: SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED or SW_SHOWNORMAL.
    int GetShowState() const;

    // The area that holds the window's children, at (0, 0): a frame's excludes its menu bar.
    Rect GetClientRect() const;
    // Places a child window within its parent's client area.
    void MoveWindow(const Rect& rect);
    // Moves the window into parent's client area and shows it there.
    void SetParent(DWindow* parent);
    // The widget that children are placed in.
    virtual QWidget* ClientWidget() const { return widget_; }

    // The Qt widget, for the toolkit itself and for tests that drive the window.
    QWidget* Widget() const { return widget_; }
    bool IsCreated() const { return widget_ != nullptr; }

protected:
    // Takes ownership of the widget that stands for this window. A widget that Qt destroys
    // first (with its parent) is forgotten, never deleted twice.
    explicit DWindow(QWidget* widget);

private:
    QWidget* widget_;
};
