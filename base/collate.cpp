#include "base/collate.h"

namespace {

bool IsAsciiLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Primary weight: the class of the character first, then its case-folded value.
int PrimaryWeight(unsigned char c) {
    if (c >= '0' && c <= '9') return 0x200 + c;
    if (IsAsciiLetter(c)) return 0x300 + ToLowerAnsi(c);
    if (c >= 0xC0 && c != 0xD7 && c != 0xF7) return 0x300 + 'z' + ToLowerAnsi(c);
    return 0x100 + c;
}

bool IsUpper(unsigned char c) {
    return ToLowerAnsi(c) != c;
}

} // namespace

unsigned char ToUpperAnsi(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
    return c;
}

unsigned char ToLowerAnsi(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c - 'A' + 'a');
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
    return c;
}

int CollateCompare(const char* a, const char* b) {
    const auto* pa = reinterpret_cast<const unsigned char*>(a ? a : "");
    const auto* pb = reinterpret_cast<const unsigned char*>(b ? b : "");
    int caseTie = 0;
    int byteTie = 0;
    for (;; ++pa, ++pb) {
        if (*pa == 0 || *pb == 0) {
            if (*pa != *pb) return *pa == 0 ? -1 : 1;
            break;
        }
        int wa = PrimaryWeight(*pa), wb = PrimaryWeight(*pb);
        if (wa != wb) return wa < wb ? -1 : 1;
        if (caseTie == 0 && *pa != *pb && IsUpper(*pa) != IsUpper(*pb))
            caseTie = IsUpper(*pa) ? 1 : -1;
        if (byteTie == 0 && *pa != *pb) byteTie = *pa < *pb ? -1 : 1;
    }
    return caseTie != 0 ? caseTie : byteTie;
}
