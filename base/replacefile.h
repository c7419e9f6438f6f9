#pragma once

#include "base/wstreambuf.h"

#include <string>
#include <string_view>

// Writes a file so that it is never left half-written: the bytes go to a fresh temporary file
// beside the target, and Commit syncs it and renames it over the target. Without a successful
// Commit the temporary is removed and the old file stays byte for byte. A symbolic link is
// followed, so the file it names is replaced; the old file's permissions are kept.
class SafeFileWriter {
public:
    explicit SafeFileWriter(const char* path);
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;
    ~SafeFileWriter();

    // False when the target is no regular file or no temporary could be made beside it.
    bool IsOpen() const { return channel_.IsValid(); }
    wstreambuf& Channel() { return channel_; }
    // Syncs, closes and renames; false (and nothing changed) on any failure.
    bool Commit();

private:
    void Abandon();

    std::string target_;
    std::string temp_;
    fwstreambuf channel_;
    bool permissionsKept_ = true;
};

// Replaces the file at path with data; false (the old file untouched) on any failure.
bool ReplaceFileContents(const char* path, std::string_view data);
