#pragma once

#include <string_view>

// Replaces the file at path with data without ever leaving it half-written: the bytes go to a
// temporary file beside it, which is synced and then renamed over the old one. A symbolic link
// at path is followed, so the file it names is replaced. The old file's permissions are kept;
// a new file gets 0666 less the umask. False (the old file untouched) on any failure.
bool ReplaceFileContents(const char* path, std::string_view data);
