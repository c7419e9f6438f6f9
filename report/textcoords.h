#pragma once

#include "model/atlcoord.h"

#include <vector>

// A hex named in running report text: "(0,32)" or "(12,4,underworld)" at from, length bytes.
struct TextCoord {
    int from = 0;
    int length = 0;
    AtlCoord coord;
};

// Every coordinate in text, in order; numbers in parentheses alone ("Guards (404)") are none.
std::vector<TextCoord> FindTextCoords(const char* text);
