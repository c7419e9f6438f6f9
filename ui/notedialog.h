#pragma once

#include "base/str.h"

#include <cstddef>

class DWindow;

// The note editor: a small modal dialog over owner with a caption, a prompt, a box of several
// lines holding text and OK and Cancel. Typing stops at maxLength bytes of the document's text.
// True with the text as typed when OK ends it; false, text unchanged, when it is cancelled.
// Texts are the document's 8-bit text; caption and prompt the window's. Its widgets are named
// "noteDialog", "noteText", "noteOk" and "noteCancel".
bool DNoteDialog(const DWindow* owner, const char* caption, const char* prompt, Str& text,
                 size_t maxLength);
