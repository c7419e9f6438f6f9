#pragma once

#include "base/fileidentity.h"
#include "base/wstreambuf.h"

#include <string>
#include <string_view>

// Writes a file so that it is never left half-written: the bytes go to a fresh temporary file
// beside the target, and Commit syncs it and renames it over the target. Without a successful
// Commit the temporary is removed and the old file stays byte for byte.
// - A symbolic link is followed, also one that names no file yet: that file is made.
// - The old file's owner (where the program may set it) and permissions are kept.
// - A read-only file (no write permission for anyone, or not for this user) is refused.
// - With an expected identity, a file that is no longer the one that was read is refused.
// - Temporaries of the same target left by a save that was killed are removed by the next
//   successful one; they are named "<target>.vexlor-save-<pid>-<n>".
class SafeFileWriter {
public:
    enum Result {
        Ok,
        CannotCreate,     // no temporary could be made beside the target (see Error)
        NotAFile,         // the target is a folder, a device or another kind of file
        ReadOnly,         // the target may not be written
        ChangedMeanwhile, // the target is no longer the file that was read
        WriteFailed,      // writing, syncing or renaming failed (see Error)
    };

    // expected: the target as it was read (!exists: there was none); null: no such check.
    explicit SafeFileWriter(const char* path, const FileIdentity* expected = nullptr);
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;
    ~SafeFileWriter();

    bool IsOpen() const { return channel_.IsValid(); }
    // Why the writer is not open, or why Commit failed.
    Result GetResult() const { return result_; }
    // The system's error number for CannotCreate and WriteFailed, else 0.
    int Error() const { return error_; }
    wstreambuf& Channel() { return channel_; }
    // Syncs, closes and renames; false (and nothing changed) on any failure.
    bool Commit();
    // The file made by a successful Commit, to compare with at the next save.
    const FileIdentity& Written() const { return written_; }

private:
    void Fail(Result result, int error);
    void Abandon();

    std::string target_;
    std::string temp_;
    FileIdentity expected_;
    bool checkExpected_ = false;
    fwstreambuf channel_;
    Result result_ = Ok;
    int error_ = 0;
    FileIdentity written_;
};

// The file path names after following its symbolic links, also when the last one names no
// file yet; path itself when it is no link.
std::string FollowLinks(const char* path);

// A file that SafeFileWriter refuses to replace as read-only: no write permission for anyone,
// or none for this user (a link followed). False when there is no file.
bool IsReadOnlyFile(const char* path);

// How many names (hard links) the file at path has, a symbolic link followed; 0 when there is
// none. A save through SafeFileWriter gives path a new file, parting it from the others.
int LinkCount(const char* path);

// Replaces the file at path with data; false (the old file untouched) on any failure.
bool ReplaceFileContents(const char* path, std::string_view data);
