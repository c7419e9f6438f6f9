#include "base/wio.h"

#include "base/wstream.h"

namespace {

template <class T> void WriteLE(owstream& os, T value) {
    auto v = static_cast<uint32_t>(value);
    unsigned char bytes[sizeof(T)];
    for (size_t i = 0; i < sizeof(T); ++i)
        bytes[i] = static_cast<unsigned char>(v >> (8 * i));
    os.write(bytes, sizeof(T));
}

template <class T> bool ReadLE(iwstream& is, T& value) {
    unsigned char bytes[sizeof(T)];
    if (is.read(bytes, sizeof(T)) != static_cast<long>(sizeof(T))) return false;
    value = LoadLE<T>(bytes);
    return true;
}

} // namespace

void WriteU8(owstream& os, uint8_t v) {
    WriteLE(os, v);
}
void WriteU16(owstream& os, uint16_t v) {
    WriteLE(os, v);
}
void WriteI16(owstream& os, int16_t v) {
    WriteLE(os, static_cast<uint16_t>(v));
}
void WriteU32(owstream& os, uint32_t v) {
    WriteLE(os, v);
}
void WriteI32(owstream& os, int32_t v) {
    WriteLE(os, static_cast<uint32_t>(v));
}

bool ReadU8(iwstream& is, uint8_t& v) {
    return ReadLE(is, v);
}
bool ReadU16(iwstream& is, uint16_t& v) {
    return ReadLE(is, v);
}
bool ReadI16(iwstream& is, int16_t& v) {
    return ReadLE(is, v);
}
bool ReadU32(iwstream& is, uint32_t& v) {
    return ReadLE(is, v);
}
bool ReadI32(iwstream& is, int32_t& v) {
    return ReadLE(is, v);
}
