#include "report/scan.h"

#include "base/debugtrap.h"
#include "model/levelname.h"

#include <climits>
#include <cstring>

void skipspaces(const char*& cursor) {
    while (*cursor == ' ')
        ++cursor;
}

void skipspacesback(const char* start, const char*& end) {
    while (end > start && end[-1] == ' ')
        --end;
}

const char* searchback(const char* start, const char* from, char c) {
    if (!start || !from) return nullptr;
    for (const char* p = from; p >= start; --p)
        if (*p == c) return p;
    return nullptr;
}

int skiptempl(const char*& cursor, const char* templ) {
    // The templates are a few bytes long: compared in place, without measuring them first.
    const char* p = cursor;
    for (; *templ; ++p, ++templ)
        if (*p != *templ) return -1;
    cursor = p;
    return 0;
}

const char* FindSet(const char* text, const char* set) {
    if (!text || !set) return nullptr;
    // Most sets are one delimiter, which strchr finds faster.
    if (set[0] && !set[1]) return std::strchr(text, set[0]);
    const char* p = text + std::strcspn(text, set);
    return *p ? p : nullptr;
}

int read_before(const char*& cursor, std::string_view& result, const char* set) {
    const char* start = cursor;
    skipspaces(start);
    const char* delimiter = FindSet(start, set);
    if (!delimiter) return -1;
    const char* end = delimiter;
    skipspacesback(start, end);
    result = std::string_view(start, static_cast<size_t>(end - start));
    cursor = delimiter;
    return 0;
}

int read_before(const char*& cursor, Str& result, const char* set) {
    std::string_view text;
    if (read_before(cursor, text, set) != 0) return -1;
    result = Str(text);
    return 0;
}

int ReadNumber(const char*& cursor, int& result) {
    const char* p = cursor;
    skipspaces(p);
    if (*p < '0' || *p > '9') return -1;
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        if (value < INT_MAX) value = value * 10 + (*p - '0');
    if ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z') || *p == '_')
        DebugTrap("ReadNumber: letters directly after a number");
    // A run of digits too long for an int saturates rather than wrapping to a small value.
    result = value > INT_MAX ? INT_MAX : static_cast<int>(value);
    cursor = p;
    return 0;
}

static int ReadEnclosedNumber(const char*& cursor, int& result, char open, char close) {
    const char* p = cursor;
    skipspaces(p);
    if (*p != open) return -1;
    ++p;
    int value;
    if (ReadNumber(p, value) != 0 || *p != close) return -1;
    result = value;
    cursor = p + 1;
    return 0;
}

int ReadParanNumber(const char*& cursor, int& result) {
    return ReadEnclosedNumber(cursor, result, '(', ')');
}
int ReadBracketNumber(const char*& cursor, int& result) {
    return ReadEnclosedNumber(cursor, result, '[', ']');
}

static int ReadEnclosedStr(const char*& cursor, Str& result, char open, char close) {
    const char* p = cursor;
    skipspaces(p);
    if (*p != open) return -1;
    ++p;
    const char set[2] = {close, 0};
    Str text;
    if (read_before(p, text, set) != 0) return -1;
    result = std::move(text);
    cursor = p + 1;
    return 0;
}

int ReadParanStr(const char*& cursor, Str& result) {
    return ReadEnclosedStr(cursor, result, '(', ')');
}
int ReadBracketStr(const char*& cursor, Str& result) {
    return ReadEnclosedStr(cursor, result, '[', ']');
}

int ReadCoords(const char*& cursor, AtlCoord& coord) {
    const char* p = cursor;
    skipspaces(p);
    if (*p != '(') return -1;
    ++p;
    int x, y, level = 0;
    if (ReadNumber(p, x) != 0 || *p != ',') return -1;
    ++p;
    if (ReadNumber(p, y) != 0) return -1;
    if (*p == ',') {
        ++p;
        Str word;
        if (read_before(p, word, ")") != 0) return -1;
        level = LevelFromWord(word.Get());
    } else if (*p != ')') {
        return -1;
    }
    if (x > INT16_MAX || y > INT16_MAX) return kCoordsTooLarge;
    coord = AtlCoord(x, y, level);
    cursor = p + 1;
    return 0;
}

static const char* FindEnclosed(const char* text, char open, char close, bool (*allowed)(char)) {
    if (!text) return nullptr;
    const char* start = std::strchr(text, open);
    if (!start) return nullptr;
    const char* p = start + 1;
    while (allowed(*p))
        ++p;
    return *p == close ? start : nullptr;
}

const char* FindNumInParan(const char* text) {
    return FindEnclosed(text, '(', ')', [](char c) { return c >= '0' && c <= '9'; });
}

const char* FindContraction(const char* text) {
    return FindEnclosed(text, '[', ']', [](char c) { return c >= 'A' && c <= 'Z'; });
}
