#pragma once

#include <cstdint>

class owstream;
class Str;

// Text output over a word stream, used for dumps and the debug file.
class otwstream {
public:
    explicit otwstream(owstream& os) : os_(os) {}
    otwstream& operator<<(const char* text);
    otwstream& operator<<(const Str& text);
    otwstream& operator<<(char c);
    otwstream& operator<<(long value);
    otwstream& operator<<(int value) { return *this << static_cast<long>(value); }
    otwstream& operator<<(unsigned long value);
    otwstream& operator<<(unsigned value) { return *this << static_cast<unsigned long>(value); }
    owstream& stream() { return os_; }

private:
    owstream& os_;
};
