#pragma once

#include "base/fileimage.h"

#include <cstddef>
#include <memory>

// Bytes that stay exactly as they were read, viewed in place: whoever keeps a view keeps the
// owner of the whole block alive, so many views share one block instead of copies.
struct KeptBytes {
    std::shared_ptr<const void> owner;
    const unsigned char* data = nullptr;
    size_t size = 0;

    KeptBytes Part(size_t offset, size_t length) const { return {owner, data + offset, length}; }

    // The whole of a file's bytes.
    static KeptBytes Of(std::shared_ptr<const FileImage> image) {
        const unsigned char* data = image->Data();
        const size_t size = image->Size();
        return {std::move(image), data, size};
    }
    // A copy of bytes in memory.
    static KeptBytes Copy(const void* data, size_t size) { return Of(FileImage::Copy(data, size)); }
};
