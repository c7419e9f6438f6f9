#pragma once

#include "base/str.h"
#include "ui/messagebox.h"

// The product name of the language in use (string 1000); the program's own name when the
// language library has none.
Str ProductName();

// A message box of the program: every one has the product name as its caption.
int AppMessageBox(const DWindow* owner, const char* text, unsigned style);
