#pragma once

#include "app/resources.h"
#include "ui/dwindow.h"

#include <functional>
#include <map>

class QMenu;

// A top-level window with a caption and a menu bar built from a language library's menu.
// Menu entries carry command identifiers; a command reaches the handler registered for its
// identifier, and an entry is enabled only while it has a handler whose enabler agrees.
class DFrameWindow : public DWindow {
public:
    DFrameWindow(const char* caption, const MenuTemplate& menu);
    ~DFrameWindow() override;

    // Runs the command's handler, as a menu choice (notify code 0) or a shortcut key (1);
    // false when it has none or is disabled.
    bool EvCommand(unsigned id, int notifyCode = 0);
    bool IsCommandEnabled(unsigned id) const;
    // Brings every menu entry's enabled state up to date (menus also do it when they open).
    void UpdateCommands();

    // Whether the window may close now; asked when the user closes it, not by Destroy.
    virtual bool CanClose() { return true; }
    // Closes the window without asking; ends the message loop if it is the main window.
    void Destroy();
    // Context help: 1000 for a request about the window (F1), 1002 about a menu entry (F1 while
    // a menu is open).
    virtual void Help(unsigned context) {}

    // The application ends its message loop when this window closes.
    void SetQuitOnClose(bool quit) { quitOnClose_ = quit; }

protected:
    using Handler = std::function<void()>;
    using Enabler = std::function<bool()>;
    // Registers the handler of a command and, optionally, when it is enabled.
    void OnCommand(unsigned id, Handler handler, Enabler enabler = {});
    // Called once when the window closes, before the loop ends.
    virtual void EvDestroy() {}

private:
    class FrameWidget;
    friend class FrameWidget;
    bool CloseRequested();
    void UpdateMenu(QMenu* menu);

    struct Command {
        Handler handler;
        Enabler enabler;
    };
    std::map<unsigned, Command> commands_;
    bool destroying_ = false;
    bool destroyed_ = false;
    bool quitOnClose_ = false;
};
