#include "base/fileimage.h"

#include <cerrno>
#include <cstring>
#include <new>

#include <unistd.h>

FileImage::~FileImage() {
    delete[] data_;
}

std::shared_ptr<const FileImage> FileImage::OfFile(int fd, size_t size) {
    std::shared_ptr<FileImage> bytes(new FileImage());
    if (size == 0) return bytes;
    auto* copy = new (std::nothrow) unsigned char[size];
    if (!copy) {
        errno = ENOMEM;
        return nullptr;
    }
    bytes->data_ = copy;
    size_t got = 0;
    while (got < size) {
        ssize_t r = ::pread(fd, copy + got, size - got, static_cast<off_t>(got));
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return nullptr;
        if (r == 0) break; // the file is shorter by now
        got += static_cast<size_t>(r);
    }
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
