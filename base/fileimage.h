#pragma once

#include <cstddef>
#include <memory>

// The bytes of a whole file, read-only, shared by everything that keeps a view into them
// instead of a copy. A regular file is mapped, so that bytes nobody looks at cost neither
// time nor memory; where that fails it is read into memory. A mapped file must not be cut
// short by another program meanwhile: this program never does, for a save writes a new file
// and renames it over the old one, which stays mapped as it was.
class FileImage {
public:
    FileImage(const FileImage&) = delete;
    FileImage& operator=(const FileImage&) = delete;
    ~FileImage();

    // The first size bytes of the open regular file fd (not taken over); null when they
    // cannot be had.
    static std::shared_ptr<const FileImage> OfFile(int fd, size_t size);
    // A copy of bytes in memory.
    static std::shared_ptr<const FileImage> Copy(const void* data, size_t size);

    const unsigned char* Data() const { return data_; }
    size_t Size() const { return size_; }

private:
    FileImage() = default;
    const unsigned char* data_ = nullptr;
    size_t size_ = 0;
    bool mapped_ = false;
};
