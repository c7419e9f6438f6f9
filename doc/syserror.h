#pragma once

#include "base/str.h"

// The system's reasons, as the error-text functions number them: the codes of errno are
// translated once, here.

// The error-text code for an errno value (0 for none).
int SystemErrorCode(int errnoValue);
// The English error text for an errno value, from the error-text table.
Str EnglishErrorText(int errnoValue);
