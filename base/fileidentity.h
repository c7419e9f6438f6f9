#pragma once

#include <cstdint>

// Which file a path stood for when it was read: a save compares it with what the path holds
// now, so that a file another program wrote meanwhile is never silently replaced.
struct FileIdentity {
    bool exists = false;
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedNs = 0;

    bool operator==(const FileIdentity&) const = default;

    // The file path names (a link followed); !exists when there is none.
    static FileIdentity OfPath(const char* path);
    // The open file fd.
    static FileIdentity OfDescriptor(int fd);
};
