#include "app/dynlib.h"
#include "ui/dapplication.h"
#include "ui/dwindow.h"
#include "vexlor/winmain.h"

#include <string>

int main(int argc, char** argv) {
    DApplication::SetArguments(argc, argv);
    std::string cmdLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) cmdLine += ' ';
        cmdLine += argv[i];
    }
    return WinMain(&DynLib::Program(), nullptr, cmdLine.data(), SW_SHOWDEFAULT);
}
