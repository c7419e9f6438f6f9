#include "vexlor/appmessage.h"

#include "app/globals.h"
#include "app/startup.h"

Str ProductName() {
    Str name = Language.LoadStringA(1000);
    return name.IsEmpty() ? Str(GetApplicationName()) : name;
}

int AppMessageBox(const DWindow* owner, const char* text, unsigned style) {
    return DMessageBox(owner, text, ProductName().Get(), style);
}
