#include "cli/cliparse.h"

#include "report/linetype.h"
#include "report/scan.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace {

std::string Trim(const std::string& text) {
    size_t from = text.find_first_not_of(' ');
    if (from == std::string::npos) return std::string();
    return text.substr(from, text.find_last_not_of(' ') - from + 1);
}

} // namespace

bool ParseInt(const std::string& text, long low, long high, long& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 10);
    return errno == 0 && *end == 0 && value >= low && value <= high;
}

bool ParseDate(const std::string& text, AtlDate& date) {
    long value;
    if (ParseInt(text, INT_MIN / 2, INT_MAX / 2, value)) {
        date = AtlDate(0, 1); // turn 1
        date += static_cast<int>(value) - 1;
        return true;
    }
    size_t comma = text.find(',');
    if (comma == std::string::npos) return false;
    int month = GetMonthNum(Trim(text.substr(0, comma)).c_str());
    std::string rest = Trim(text.substr(comma + 1));
    long year;
    if (month < 0 || rest.compare(0, 5, "Year ") != 0 ||
        !ParseInt(Trim(rest.substr(5)), 0, INT_MAX / 24, year))
        return false;
    date = AtlDate(month, static_cast<int>(year));
    return true;
}

bool ParseCoord(std::string text, AtlCoord& coord) {
    if (text.size() >= 2 && text.front() == '(' && text.back() == ')')
        text = text.substr(1, text.size() - 2);
    size_t first = text.find(',');
    if (first == std::string::npos) return false;
    size_t second = text.find(',', first + 1);
    long x, y, z = 0;
    if (!ParseInt(Trim(text.substr(0, first)), INT16_MIN, INT16_MAX, x) ||
        !ParseInt(Trim(text.substr(first + 1, second - first - 1)), INT16_MIN, INT16_MAX, y))
        return false;
    if (second != std::string::npos) {
        std::string level = Trim(text.substr(second + 1));
        if (level.empty()) return false;
        if (!ParseInt(level, 0, UINT8_MAX, z)) {
            if (level.find_first_of("0123456789-") != std::string::npos) return false;
            z = LevelFromWord(level.c_str());
        }
    }
    coord = AtlCoord(static_cast<int>(x), static_cast<int>(y), static_cast<int>(z));
    return true;
}
