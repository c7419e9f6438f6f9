#include "gfx/offscreengui.h"

#include <QGuiApplication>

namespace {
// The application object keeps references to these for its whole life.
int gArgc = 1;
char gProgramName[] = "vexlor";
char* gArgv[] = {gProgramName, nullptr};
} // namespace

OffscreenGui::OffscreenGui() {
    if (QCoreApplication::instance()) return;
    // Whatever platform the environment names, this object is for drawing without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(gArgc, gArgv);
}

OffscreenGui::~OffscreenGui() = default;
