#include "vexlor/appmessage.h"

#include "app/globals.h"
#include "app/startup.h"
#include "base/messagetable.h"

Str ProductName() {
    Str name = Language.LoadStringA(Msg::ProductName);
    return name.IsEmpty() ? Str(GetApplicationName()) : name;
}

int AppMessageBox(const DWindow* owner, const char* text, unsigned style) {
    return DMessageBox(owner, text, ProductName().Get(), style);
}
