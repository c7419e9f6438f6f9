#include "base/cp1252.h"

namespace {

// Bytes 0x80-0x9F; 0 marks the unassigned ones.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

char32_t Cp1252CodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0 && kHigh[byte - 0x80]) return kHigh[byte - 0x80];
    return byte;
}

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        AppendUtf8(out, Cp1252CodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        char32_t code = extra == 0 ? c : extra == 1 ? c & 0x1F : extra == 2 ? c & 0x0F : c & 0x07;
        size_t at = i + 1;
        for (int k = 0; k < extra && at < text.size(); ++k, ++at)
            code = (code << 6) | (static_cast<unsigned char>(text[at]) & 0x3F);
        i = at;
        char byte = '?';
        for (int b = 0; b < 256; ++b)
            if (Cp1252CodePoint(static_cast<unsigned char>(b)) == code) {
                byte = static_cast<char>(b);
                break;
            }
        out += byte;
    }
    return out;
}
