#pragma once

#include "app/dynlib.h"
#include "base/str.h"

#include <string>

// Longest path these functions build; a longer one is refused rather than cut, since a cut
// path could name some other file.
constexpr size_t kMaxHostPath = 4096;

// Turns path, the full name of a file, into name resolved against that file's folder: an empty
// name or "." gives the folder itself, a relative name is taken inside it, an absolute name is
// kept. False (path unchanged) when the result would be longer than kMaxHostPath.
bool makenewname_(std::string& path, const char* name);

// name resolved against the folder of the module's file; empty when it cannot be built.
Str makehostpath_(const char* name, HINSTANCE module);
