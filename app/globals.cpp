#include "app/globals.h"

Str HelpFilePath;
ApplicationProfile Profile(&DynLib::Program());
LangWithError Language;
Options AppOptions;
