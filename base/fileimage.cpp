#include "base/fileimage.h"

#include <cerrno>
#include <cstring>
#include <new>

#include <sys/mman.h>
#include <unistd.h>

FileImage::~FileImage() {
    if (mapped_)
        ::munmap(const_cast<unsigned char*>(data_), size_);
    else
        delete[] data_;
}

std::shared_ptr<const FileImage> FileImage::OfFile(int fd, size_t size) {
    std::shared_ptr<FileImage> bytes(new FileImage());
    if (size == 0) return bytes;
    void* map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (map != MAP_FAILED) {
        bytes->data_ = static_cast<const unsigned char*>(map);
        bytes->size_ = size;
        bytes->mapped_ = true;
        return bytes;
    }
    auto* copy = new (std::nothrow) unsigned char[size];
    if (!copy) return nullptr;
    bytes->data_ = copy;
    size_t got = 0;
    while (got < size) {
        ssize_t r = ::pread(fd, copy + got, size - got, static_cast<off_t>(got));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        got += static_cast<size_t>(r);
    }
    // A file that shrank meanwhile is what was there.
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
