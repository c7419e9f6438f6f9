#include "base/otwstream.h"

#include "base/str.h"
#include "base/wstream.h"

#include <cstdio>
#include <cstring>

otwstream& otwstream::operator<<(const char* text) {
    if (text) os_.write(text, static_cast<long>(std::strlen(text)));
    return *this;
}

otwstream& otwstream::operator<<(const Str& text) {
    os_.write(text.Get(), text.Length());
    return *this;
}

otwstream& otwstream::operator<<(char c) {
    os_.put(static_cast<unsigned char>(c));
    return *this;
}

otwstream& otwstream::operator<<(long value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%ld", value);
    return *this << buf;
}

otwstream& otwstream::operator<<(unsigned long value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lu", value);
    return *this << buf;
}
