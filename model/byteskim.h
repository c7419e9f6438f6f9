#pragma once

#include "base/wio.h"

#include <cstddef>
#include <cstdint>

// Walks the document's encodings (base/wio.h, texts as a uint16 length and the bytes) over
// bytes in memory without making anything: each step answers whether the bytes held it, as the
// readers' short reads do. For checking what a reader would accept without paying for what it
// builds.
class ByteSkim {
public:
    ByteSkim(const unsigned char* data, size_t size) : begin_(data), at_(data), end_(data + size) {}

    size_t Offset() const { return static_cast<size_t>(at_ - begin_); }

    bool Skip(size_t n) {
        if (static_cast<size_t>(end_ - at_) < n) {
            at_ = end_;
            return false;
        }
        at_ += n;
        return true;
    }
    bool U8(uint8_t& v) {
        if (!Has(1)) return false;
        v = at_[0];
        at_ += 1;
        return true;
    }
    bool U16(uint16_t& v) {
        if (!Has(2)) return false;
        v = static_cast<uint16_t>(at_[0] | at_[1] << 8);
        at_ += 2;
        return true;
    }
    bool I16(int16_t& v) {
        uint16_t u = 0;
        if (!U16(u)) return false;
        v = static_cast<int16_t>(u);
        return true;
    }
    bool U32(uint32_t& v) {
        if (!Has(4)) return false;
        v = static_cast<uint32_t>(at_[0]) | static_cast<uint32_t>(at_[1]) << 8 |
            static_cast<uint32_t>(at_[2]) << 16 | static_cast<uint32_t>(at_[3]) << 24;
        at_ += 4;
        return true;
    }
    bool I32(int32_t& v) {
        uint32_t u = 0;
        if (!U32(u)) return false;
        v = static_cast<int32_t>(u);
        return true;
    }
    // A stored text. writable turns false when it is longer than a write keeps (which caps it).
    bool Text(bool& writable) {
        uint16_t length = 0;
        if (!U16(length)) return false;
        writable = writable && length <= kMaxStoredTextLength;
        return Skip(length);
    }

private:
    bool Has(size_t n) {
        if (static_cast<size_t>(end_ - at_) >= n) return true;
        at_ = end_;
        return false;
    }

    const unsigned char* begin_;
    const unsigned char* at_;
    const unsigned char* end_;
};
