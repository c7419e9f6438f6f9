#include "report/textcoords.h"

#include "report/scan.h"

#include <cstring>

std::vector<TextCoord> FindTextCoords(const char* text) {
    std::vector<TextCoord> found;
    if (!text) return found;
    for (const char* p = std::strchr(text, '('); p; p = std::strchr(p + 1, '(')) {
        const char* end = p;
        AtlCoord coord;
        if (ReadCoords(end, coord) != 0) continue;
        found.push_back({static_cast<int>(p - text), static_cast<int>(end - p), coord});
        p = end - 1;
    }
    return found;
}
