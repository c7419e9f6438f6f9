#include "base/str.h"

#include "base/collate.h"
#include "base/wio.h"
#include "base/wstream.h"

#include <algorithm>
#include <charconv>
#include <cstring>

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

Str& Str::operator+=(const char* text) {
    if (text) text_.append(text);
    return *this;
}

Str& Str::AppendNumber(long long value) {
    char digits[24];
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    text_.append(digits, end);
    return *this;
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
