#pragma once

#include <cstddef>
#include <memory>

// The bytes of a whole file, read-only, shared by everything that keeps a view into them
// instead of a copy. The file is read into memory once, whole, and never looked at again: a
// view stays valid and unchanged whatever another program does to the file meanwhile (cuts
// it short, changes bytes in place, copies another file over it), where a mapping would
// change under the readers or fault on the pages cut away. The readers walk every byte when
// they open a document anyway, so a mapping would save no memory.
class FileImage {
public:
    FileImage(const FileImage&) = delete;
    FileImage& operator=(const FileImage&) = delete;
    ~FileImage();

    // The first size bytes of the open regular file fd (not taken over), or fewer when the
    // file is shorter by now; null when there is no memory for them or reading fails.
    static std::shared_ptr<const FileImage> OfFile(int fd, size_t size);
    // A copy of bytes in memory.
    static std::shared_ptr<const FileImage> Copy(const void* data, size_t size);

    const unsigned char* Data() const { return data_; }
    size_t Size() const { return size_; }

private:
    FileImage() = default;
    const unsigned char* data_ = nullptr;
    size_t size_ = 0;
    size_t pages_ = 0; // the length of the block of pages read into, else 0 (a copy)
};
