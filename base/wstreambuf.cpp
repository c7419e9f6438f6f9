#include "base/wstreambuf.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

fwstreambuf::~fwstreambuf() {
    Close();
}

bool fwstreambuf::Close() {
    if (fd_ < 0) return true;
    int r = ::close(fd_);
    fd_ = -1;
    if (r != 0) error_ = errno;
    return r == 0;
}

long fwstreambuf::maxlen() {
    struct stat st;
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) return -1;
    return static_cast<long>(st.st_size);
}

long fwstreambuf::read(void* dst, long n) {
    if (fd_ < 0) return -1;
    long total = 0;
    auto* p = static_cast<char*>(dst);
    while (total < n) {
        ssize_t r = ::read(fd_, p + total, static_cast<size_t>(n - total));
        if (r < 0) {
            if (errno == EINTR) continue;
            error_ = errno;
            return -1;
        }
        if (r == 0) break;
        total += r;
    }
    return total;
}

long fwstreambuf::write(const void* src, long n) {
    if (fd_ < 0) return -1;
    long total = 0;
    const auto* p = static_cast<const char*>(src);
    while (total < n) {
        ssize_t r = ::write(fd_, p + total, static_cast<size_t>(n - total));
        if (r < 0) {
            if (errno == EINTR) continue;
            error_ = errno;
            return -1;
        }
        if (r == 0) break;
        total += r;
    }
    return total;
}

long fwstreambuf::seek(long offset, Origin origin) {
    if (fd_ < 0) return -1;
    int whence = origin == Begin ? SEEK_SET : origin == Current ? SEEK_CUR : SEEK_END;
    off_t r = ::lseek(fd_, offset, whence);
    return r < 0 ? -1 : static_cast<long>(r);
}

long fwstreambuf::tell() {
    return seek(0, Current);
}

bool fwstreambuf::Sync() {
    if (fd_ < 0) return false;
    if (::fsync(fd_) == 0) return true;
    error_ = errno;
    return false;
}

ifwstreambuf::ifwstreambuf(const char* path)
    : fwstreambuf(path ? ::open(path, O_RDONLY | O_CLOEXEC) : -1) {
    // A directory opens for reading on Linux but is no file to read.
    struct stat st;
    if (fd_ >= 0 && (::fstat(fd_, &st) != 0 || S_ISDIR(st.st_mode))) {
        Close();
        errno = EISDIR;
    }
}

static int OpenForWriting(const char* path, bool create, bool truncate) {
    if (!path) return -1;
    int flags = O_WRONLY | O_CLOEXEC;
    if (create) flags |= O_CREAT;
    if (create && !truncate) flags |= O_EXCL;
    if (truncate) flags |= O_TRUNC;
    return ::open(path, flags, 0666);
}

ofwstreambuf::ofwstreambuf(const char* path, bool create, bool truncate)
    : fwstreambuf(OpenForWriting(path, create, truncate)) {}

mwstreambuf::mwstreambuf(const void* data, size_t n)
    : bytes_(static_cast<const unsigned char*>(data), static_cast<const unsigned char*>(data) + n) {
}

long mwstreambuf::read(void* dst, long n) {
    if (n <= 0) return 0;
    size_t count = std::min(bytes_.size() - std::min(pos_, bytes_.size()), static_cast<size_t>(n));
    if (count) std::memcpy(dst, bytes_.data() + pos_, count);
    pos_ += count;
    return static_cast<long>(count);
}

long mwstreambuf::write(const void* src, long n) {
    if (n <= 0) return 0;
    const auto* p = static_cast<const unsigned char*>(src);
    if (pos_ > bytes_.size()) bytes_.resize(pos_);
    size_t overlap = std::min(bytes_.size() - pos_, static_cast<size_t>(n));
    // An empty vector has no data pointer, and memcpy may not be given a null one.
    if (overlap) std::memcpy(bytes_.data() + pos_, p, overlap);
    bytes_.insert(bytes_.end(), p + overlap, p + n);
    pos_ += static_cast<size_t>(n);
    return n;
}

long mwstreambuf::seek(long offset, Origin origin) {
    long base = origin == Begin ? 0 : origin == Current ? static_cast<long>(pos_) : maxlen();
    if (base + offset < 0) return -1;
    pos_ = static_cast<size_t>(base + offset);
    return static_cast<long>(pos_);
}
