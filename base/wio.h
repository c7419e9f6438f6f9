#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

class iwstream;
class owstream;

// Little-endian primitive encodings of the document file. Readers answer whether the value
// was read completely; on failure the target keeps its value.
constexpr size_t kMaxStoredTextLength = 0xFFFE;

// The value stored little-endian at bytes: the one decoder of the program's files.
template <class T> T LoadLE(const unsigned char* bytes) {
    using U = std::make_unsigned_t<T>;
    U v = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        v = static_cast<U>(v | static_cast<U>(bytes[i]) << (8 * i));
    return static_cast<T>(v);
}

void WriteU8(owstream& os, uint8_t v);
void WriteU16(owstream& os, uint16_t v);
void WriteI16(owstream& os, int16_t v);
void WriteU32(owstream& os, uint32_t v);
void WriteI32(owstream& os, int32_t v);

bool ReadU8(iwstream& is, uint8_t& v);
bool ReadU16(iwstream& is, uint16_t& v);
bool ReadI16(iwstream& is, int16_t& v);
bool ReadU32(iwstream& is, uint32_t& v);
bool ReadI32(iwstream& is, int32_t& v);
