#include "ui/dapplication.h"

#include "ui/dframewindow.h"

#include <QApplication>
#include <QSessionManager>

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

std::vector<Str> DApplication::GetArguments() {
    std::vector<Str> args;
    for (int i = 1; argValues && i < argCount; ++i)
        args.emplace_back(argValues[i]);
    return args;
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
    QObject context;
#ifndef QT_NO_SESSIONMANAGER
    // The user logs out: the main window may ask to save, or refuse; if it agreed, it hears
    // that the session ends when the loop is told to quit.
    bool sessionEnding = false;
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &context,
                     [this, &sessionEnding](QSessionManager& manager) {
                         if (!mainWindow_) return;
                         if (manager.allowsInteraction()) {
                             bool agreed = mainWindow_->EvQueryEndSession();
                             manager.release();
                             if (!agreed) {
                                 manager.cancel();
                                 return;
                             }
                         }
                         sessionEnding = true;
                     });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &context, [this, &sessionEnding] {
        if (sessionEnding && mainWindow_) mainWindow_->EvEndSession(true);
    });
#endif
    return QApplication::exec();
}

void DApplication::PumpWaitingMessages() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}
