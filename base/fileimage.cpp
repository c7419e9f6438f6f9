#include "base/fileimage.h"

#include <cerrno>
#include <cstring>

#include <sys/mman.h>
#include <unistd.h>

FileImage::~FileImage() {
    if (pages_)
        ::munmap(const_cast<unsigned char*>(data_), pages_);
    else
        delete[] data_;
}

std::shared_ptr<const FileImage> FileImage::OfFile(int fd, size_t size) {
    std::shared_ptr<FileImage> bytes(new FileImage());
    if (size == 0) return bytes;
    // Pages of the program's own, taken large where the system can: a long map's bytes then
    // cost a small part of the page faults (and of the time) that ordinary pages would.
    void* block = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) {
        errno = ENOMEM;
        return nullptr;
    }
#ifdef MADV_HUGEPAGE
    ::madvise(block, size, MADV_HUGEPAGE);
#endif
    auto* copy = static_cast<unsigned char*>(block);
    bytes->data_ = copy;
    bytes->pages_ = size;
    size_t got = 0;
    while (got < size) {
        ssize_t r = ::pread(fd, copy + got, size - got, static_cast<off_t>(got));
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return nullptr;
        if (r == 0) break; // the file is shorter by now
        got += static_cast<size_t>(r);
    }
    ::mprotect(block, size, PROT_READ);
    bytes->size_ = got;
    return bytes;
}

std::shared_ptr<const FileImage> FileImage::Copy(const void* data, size_t size) {
    std::shared_ptr<FileImage> bytes(new FileImage());
    if (size == 0) return bytes;
    auto* copy = new unsigned char[size];
    std::memcpy(copy, data, size);
    bytes->data_ = copy;
    bytes->size_ = size;
    return bytes;
}
