#include "ui/dapplication.h"

#include "ui/dframewindow.h"

#include <QApplication>

namespace {

int argCount = 0;
char** argValues = nullptr;
char programName[] = "vexlor";
char* defaultArgs[] = {programName, nullptr};

} // namespace

void DApplication::SetArguments(int argc, char** argv) {
    argCount = argc;
    argValues = argv;
}

DApplication::DApplication(HINSTANCE instance, HINSTANCE, const char* cmdLine, int cmdShow)
    : instance_(instance), cmdLine_(cmdLine), cmdShow_(cmdShow) {
    if (!QApplication::instance()) {
        if (!argValues) {
            argCount = 1;
            argValues = defaultArgs;
        }
        ownApp_ = std::make_unique<QApplication>(argCount, argValues);
    }
}

DApplication::~DApplication() = default;

void DApplication::SetMainWindow(DFrameWindow* window) {
    if (mainWindow_) mainWindow_->SetQuitOnClose(false);
    mainWindow_ = window;
    if (mainWindow_) mainWindow_->SetQuitOnClose(true);
}

int DApplication::Run() {
    InitMainWindow();
    if (!mainWindow_ || !mainWindow_->IsCreated()) return 1;
    // The loop ends when the main window closes, whatever other windows (help) are open.
    QApplication::setQuitOnLastWindowClosed(false);
    return QApplication::exec();
}

void DApplication::PumpWaitingMessages() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}
