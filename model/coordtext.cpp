#include "model/coordtext.h"

#include "base/textutil.h"
#include "model/levelname.h"

#include <cstdint>
#include <string>

std::optional<CoordText> ParseCoordText(std::string_view text, LevelForms levels) {
    text = Trim(text);
    if (text.size() >= 2 && text.front() == '(' && text.back() == ')')
        text = text.substr(1, text.size() - 2);
    size_t first = text.find(',');
    if (first == std::string_view::npos) return std::nullopt;
    size_t second = text.find(',', first + 1);
    auto x = ParseWhole(text.substr(0, first), INT16_MIN, INT16_MAX);
    auto y = ParseWhole(text.substr(first + 1, second - first - 1), INT16_MIN, INT16_MAX);
    if (!x || !y) return std::nullopt;
    CoordText coord{static_cast<int>(*x), static_cast<int>(*y), std::nullopt};
    if (second == std::string_view::npos) return coord;

    std::string_view level = Trim(text.substr(second + 1));
    if (auto z = ParseWhole(level, 0, UINT8_MAX)) {
        coord.z = static_cast<int>(*z);
        return coord;
    }
    if (levels == LevelForms::NumbersOrNames) {
        coord.z = LevelOfName(level);
        return coord.z ? std::optional(coord) : std::nullopt;
    }
    // A word has no digits or minus: "300" or "-1" is a bad number, not an unknown level.
    if (level.empty() || level.find_first_of("0123456789-") != std::string_view::npos)
        return std::nullopt;
    coord.z = LevelFromWord(std::string(level).c_str());
    return coord;
}
