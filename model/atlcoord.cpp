#include "model/atlcoord.h"

#include "base/debugtrap.h"
#include "model/levelname.h"

#include <string>

AtlCoord AtlCoord::Move(AtlDirection::Type direction) {
    static const int kDx[6] = {0, 1, -1, 0, 1, -1};
    static const int kDy[6] = {-2, -1, -1, 2, 1, 1};
    int d = static_cast<int>(direction);
    if (d < 0 || d > 5) {
        DebugTrap("AtlCoord::Move: no such direction");
        return *this;
    }
    x = static_cast<int16_t>(x + kDx[d]);
    y = static_cast<int16_t>(y + kDy[d]);
    return *this;
}

Str AtlCoord::GetString() const {
    std::string text = "(" + std::to_string(x) + "," + std::to_string(y);
    if (z != 0) text += "," + (z < kNamedLevels ? LevelName(z) : std::string("<unknown>"));
    text += ")";
    return Str(text);
}
