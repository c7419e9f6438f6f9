#pragma once

#include "app/dynlib.h"
#include "base/str.h"

// The product name, the main window's caption when it is created.
const char* GetApplicationName();

// Chooses the language library for code (falling back to "enu", then to any language library
// beside the program), loads it into the global language object and sets the global help-file
// path ("vex" + code + ".html", found the same way without changing code). code is the
// options' own, so a fallback chosen here is saved at exit. Without any library the program
// runs with empty texts.
void SetupLanguage(Str& code, HINSTANCE instance);
