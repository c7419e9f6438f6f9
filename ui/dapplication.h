#pragma once

#include "app/dynlib.h"
#include "base/str.h"

#include <memory>
#include <vector>

class DFrameWindow;
class QApplication;

// The application object: the instance, command line and show command the program started
// with, its main window and its message loop.
class DApplication {
public:
    // Uses the running Qt application, or makes one from the arguments SetArguments gave.
    DApplication(HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine, int cmdShow);
    DApplication(const DApplication&) = delete;
    DApplication& operator=(const DApplication&) = delete;
    virtual ~DApplication();

    // Creates the main window (InitMainWindow) and runs the message loop until the main
    // window closes; returns the loop's result, or 1 when there is no main window.
    int Run();
    virtual void InitMainWindow() {}

    // The window whose closing ends the loop (not owned).
    void SetMainWindow(DFrameWindow* window);
    DFrameWindow* GetMainWindow() const { return mainWindow_; }
    HINSTANCE GetInstance() const { return instance_; }
    const Str& GetCmdLine() const { return cmdLine_; }
    int GetCmdShow() const { return cmdShow_; }

    // The process's arguments, for Qt's own options (-platform, -display ...); the entry
    // point gives them before the application is made. They must outlive it.
    static void SetArguments(int argc, char** argv);
    // The arguments after the program's name, without the options Qt took for itself.
    static std::vector<Str> GetArguments();
    // Handles the messages already waiting (a window shown, exposed or resized) and returns
    // without waiting for more.
    static void PumpWaitingMessages();

private:
    HINSTANCE instance_;
    Str cmdLine_;
    int cmdShow_;
    DFrameWindow* mainWindow_ = nullptr;
    std::unique_ptr<QApplication> ownApp_;
};
