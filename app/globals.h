#pragma once

#include "app/lang.h"
#include "app/options.h"
#include "app/profile.h"
#include "base/str.h"

// The process-wide objects of the program, built before WinMain in this order and destroyed
// after it in the reverse order (the window-placement keeper, a toolkit object, lives with the
// program's entry point).
extern Str HelpFilePath;           // the help file of the language in use; empty when none
extern ApplicationProfile Profile; // the program's settings file
extern LangWithError Language;     // the language library in use
extern Options AppOptions;         // the settings read at start and written at exit
