#include "base/str.h"

#include "base/collate.h"
#include "base/wio.h"
#include "base/wstream.h"

#include <algorithm>
#include <charconv>
#include <cstdarg>
#include <cstring>

namespace {

// OEM code page 437 bytes 0x80-0xFF as Windows-1252 bytes (nearest character where none exists).
constexpr unsigned char kOemToAnsi[128] = {
    0xC7, 0xFC, 0xE9, 0xE2, 0xE4, 0xE0, 0xE5, 0xE7, 0xEA, 0xEB, 0xE8, 0xEF, 0xEE, 0xEC, 0xC4, 0xC5,
    0xC9, 0xE6, 0xC6, 0xF4, 0xF6, 0xF2, 0xFB, 0xF9, 0xFF, 0xD6, 0xDC, 0xA2, 0xA3, 0xA5, 'P',  0x83,
    0xE1, 0xED, 0xF3, 0xFA, 0xF1, 0xD1, 0xAA, 0xBA, 0xBF, 0xAC, 0xAC, 0xBD, 0xBC, 0xA1, 0xAB, 0xBB,
    '_',  '_',  '_',  0xA6, 0xA6, 0xA6, 0xA6, '+',  '+',  0xA6, 0xA6, '+',  '+',  '+',  '+',  '+',
    '+',  '-',  '-',  '+',  '-',  '+',  0xA6, 0xA6, '+',  '+',  '-',  '-',  0xA6, '-',  '+',  '-',
    '-',  '-',  '-',  '+',  '+',  '+',  '+',  '+',  '+',  '+',  '+',  '_',  '_',  0xA6, 0xA6, '_',
    'a',  0xDF, 'G',  'p',  'S',  's',  0xB5, 't',  'F',  'T',  'O',  'd',  '8',  'f',  'e',  'n',
    '=',  0xB1, '=',  '=',  '(',  ')',  0xF7, '~',  0xB0, 0xB7, 0xB7, 'v',  'n',  0xB2, 0xA6, 0xA0,
};

unsigned char AnsiToOem(unsigned char c) {
    if (c < 0x80) return c;
    for (int i = 0; i < 128; ++i)
        if (kOemToAnsi[i] == c) return static_cast<unsigned char>(0x80 + i);
    return '?';
}

} // namespace

Str::Str(const char* text, int from, int to) {
    if (!text) return;
    int length = static_cast<int>(std::strlen(text));
    int end = std::min(length, to);
    if (from < 0) from = 0;
    if (from >= length || end <= from) return;
    text_.assign(text + from, text + end);
}

void Str::Set(const char* text, const char* fallback) {
    Set(text && *text ? text : fallback);
}

void Str::SetUpr(const char* text) {
    Set(text);
    Upr();
}

void Str::SetLwr(const char* text) {
    Set(text);
    Lwr();
}

void Str::Upr() {
    for (char& c : text_)
        c = static_cast<char>(ToUpperAnsi(static_cast<unsigned char>(c)));
}

void Str::Lwr() {
    for (char& c : text_)
        c = static_cast<char>(ToLowerAnsi(static_cast<unsigned char>(c)));
}

void Str::Oem2Char() {
    for (char& c : text_) {
        auto u = static_cast<unsigned char>(c);
        if (u >= 0x80) c = static_cast<char>(kOemToAnsi[u - 0x80]);
    }
}

void Str::Char2Oem() {
    for (char& c : text_)
        c = static_cast<char>(AnsiToOem(static_cast<unsigned char>(c)));
}

Str& Str::operator+=(const char* text) {
    if (text) text_.append(text);
    return *this;
}

void Str::Append(const char* text, int n) {
    if (text && n > 0) text_.append(text, static_cast<size_t>(n));
}

Str& Str::AppendNumber(long long value) {
    char digits[24];
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    text_.append(digits, end);
    return *this;
}

void Str::Add(const Str* first, ...) {
    va_list args;
    va_start(args, first);
    for (const Str* s = first; s; s = va_arg(args, const Str*))
        text_ += s->text_;
    va_end(args);
}

int Str::write(owstream& os) const {
    size_t length = std::min<size_t>(text_.size(), kMaxStoredTextLength);
    WriteU16(os, static_cast<uint16_t>(length));
    if (length) os.write(text_.data(), static_cast<long>(length));
    return os.good() ? 0 : 1;
}

int Str::read(iwstream& is) {
    uint16_t length = 0;
    if (!ReadU16(is, length)) return 1;
    std::string text(length, '\0');
    if (length && is.read(text.data(), length) != length) return 1;
    text_ = std::move(text);
    return 0;
}

Str operator+(const Str& a, const char* b) {
    Str r(a);
    r += b;
    return r;
}

Str operator+(const char* a, const Str& b) {
    Str r(a);
    r += b;
    return r;
}

Str operator+(const Str& a, const Str& b) {
    Str r(a);
    r += b;
    return r;
}

bool operator<(const Str& a, const Str& b) {
    return CollateCompare(a.Get(), b.Get()) < 0;
}
bool operator>(const Str& a, const Str& b) {
    return CollateCompare(a.Get(), b.Get()) > 0;
}
