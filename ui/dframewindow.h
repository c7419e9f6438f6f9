#pragma once

#include "app/resources.h"
#include "ui/dwindow.h"

#include <functional>
#include <map>
#include <vector>

class QMenu;

// A top-level window with a caption and a menu bar built from a language library's menu.
// Menu entries carry command identifiers; a command reaches the handler registered for its
// identifier, and an entry is enabled only while it has a handler whose enabler agrees.
class DFrameWindow : public DWindow {
public:
    DFrameWindow(const char* caption, const MenuTemplate& menu);
    ~DFrameWindow() override;

    // Runs the command's handler, as a menu choice (notify code 0) or a shortcut key (1);
    // false when it has none or is disabled. Every command entry and button is brought up to
    // date afterwards.
    bool EvCommand(unsigned id, int notifyCode = 0);
    bool IsCommandEnabled(unsigned id) const;
    // Brings the enabled state of every menu entry and toolbar button up to date (menus also
    // do it when they open).
    void UpdateCommands();
    // The menu entry's text of a command, without its mnemonic mark and shortcut key; empty
    // when the menu has no such entry.
    Str CommandText(unsigned id) const;
    // A check mark at the command's menu entry, for a choice that is on or off.
    void SetCommandChecked(unsigned id, bool checked);
    bool IsCommandChecked(unsigned id) const;

    // Puts entries for commands firstId, firstId + 1, ... with these texts into the menu that
    // holds command anchorId, before it and followed by a separator, in place of the ones put
    // there before (none when texts is empty). For lists such as the recently used files.
    void SetMenuEntries(unsigned anchorId, unsigned firstId, const std::vector<Str>& texts);
    // Whether the window may close now; asked when the user closes it, not by Destroy.
    virtual bool CanClose() { return true; }
    // Closes the window without asking; ends the message loop if it is the main window.
    void Destroy();
    // Context help: 1000 for a request about the window (F1), 1002 about a menu entry (F1 while
    // a menu is open).
    virtual void Help(unsigned context) {}

    // The application ends its message loop when this window closes.
    void SetQuitOnClose(bool quit) { quitOnClose_ = quit; }

    // The session is ending: whether the window agrees (asked before the user's session
    // ends), and that it really ends.
    virtual bool EvQueryEndSession() { return CanClose(); }
    virtual void EvEndSession(bool ending) {}

    // Files dragged over the window from a file manager: whether they would be taken, and
    // their drop. Only while DragAcceptFiles(true).
    void DragAcceptFiles(bool accept);
    virtual bool CanDropFiles(const std::vector<Str>& paths) { return false; }
    virtual void EvDropFiles(const std::vector<Str>& paths) {}

    // The area below the menu bar, where the children live.
    QWidget* ClientWidget() const override;

protected:
    using Handler = std::function<void()>;
    using Enabler = std::function<bool()>;
    // Registers the handler of a command and, optionally, when it is enabled.
    void OnCommand(unsigned id, Handler handler, Enabler enabler = {});
    // One more key for a command, beside the one its menu entry names ("Ctrl+=").
    void AddShortcut(const char* keys, unsigned id);
    // Called once when the window closes, before the loop ends.
    virtual void EvDestroy() {}
    // The client area has a new size.
    virtual void EvSize(int width, int height) {}

private:
    class FrameWidget;
    friend class FrameWidget;
    bool CloseRequested();
    void UpdateMenu(QMenu* menu);

    QWidget* client_;

    struct Command {
        Handler handler;
        Enabler enabler;
    };
    std::map<unsigned, Command> commands_;
    bool destroying_ = false;
    bool destroyed_ = false;
    bool quitOnClose_ = false;
};
