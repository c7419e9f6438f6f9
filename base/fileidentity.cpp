#include "base/fileidentity.h"

#include <sys/stat.h>

namespace {

FileIdentity FromStat(const struct stat& st) {
    FileIdentity id;
    id.exists = true;
    id.device = static_cast<uint64_t>(st.st_dev);
    id.inode = static_cast<uint64_t>(st.st_ino);
    id.size = static_cast<int64_t>(st.st_size);
    id.modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return id;
}

} // namespace

FileIdentity FileIdentity::OfPath(const char* path) {
    struct stat st;
    if (!path || ::stat(path, &st) != 0) return {};
    return FromStat(st);
}

FileIdentity FileIdentity::OfDescriptor(int fd) {
    struct stat st;
    if (::fstat(fd, &st) != 0) return {};
    return FromStat(st);
}
