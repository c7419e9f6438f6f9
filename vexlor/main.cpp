#include "app/dynlib.h"
#include "app/globals.h"
#include "base/messagetext.h"
#include "ui/dapplication.h"
#include "ui/dwindow.h"
#include "vexlor/winmain.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// Without a display the window system would stop the program with a toolkit error; a user
// is better served by one line that says what to do.
bool HasDisplay(int argc, char** argv) {
    // Qt's own options name a platform or a display.
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-platform", "--platform", "-display", "--display"})
            if (!std::strcmp(argv[i], option)) return true;
    return Set("DISPLAY") || Set("WAYLAND_DISPLAY") || Set("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char** argv) {
    if (!HasDisplay(argc, argv)) {
        std::fputs(EnglishMessage(Msg::NoDisplay, {argv[0]}).Get(), stderr);
        return 1;
    }
    // Settings are never kept where another user could change them.
    if (Profile.GetIniFile().IsEmpty())
        std::fputs(EnglishMessage(Msg::SettingsNotKept), stderr);
    DApplication::SetArguments(argc, argv);
    std::string cmdLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) cmdLine += ' ';
        cmdLine += argv[i];
    }
    return WinMain(&DynLib::Program(), nullptr, cmdLine.data(), SW_SHOWDEFAULT);
}
