#pragma once

#include <string>

// One writer at a time: an advisory lock that the programs of this project take on a file
// before they change it, held until they saved it or gave up. A file that does not exist yet
// is guarded by a lock on its folder until it is made. A writer that never locks is caught
// by the save's check that the file is still the one that was read.
class FileLock {
public:
    FileLock() = default;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock() { Release(); }

    // Locks the file path names (a link followed), waiting up to waitMs for another holder.
    // False only when it is still held after that. A path whose file and folder cannot be
    // opened gives true with no lock held: the write that follows fails with its own reason.
    bool Acquire(const char* path, int waitMs);
    void Release();
    bool IsHeld() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};
