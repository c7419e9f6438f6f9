#include "vexlor/winmain.h"

#include "app/globals.h"
#include "app/startup.h"
#include "vexlor/appl.h"

HINSTANCE Instance = nullptr;
SizeManager WindowPlacement(Profile);

int WinMain(HINSTANCE instance, HINSTANCE prevInstance, char* cmdLine, int cmdShow) {
    Instance = instance;
    AppOptions.Read(Profile);
    SetupLanguage(AppOptions.language, instance);
    Appl app(instance, prevInstance, cmdLine, cmdShow);
    int result = app.Run();
    AppOptions.Write(Profile);
    return result;
}
