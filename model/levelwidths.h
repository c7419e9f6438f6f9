#pragma once

#include "model/atlcoord.h"

#include <map>

// How many hexes each level of the world is around, east to west, as the reports showed it:
// an exit that leads across the world's edge names a hex whose x differs from the step's by
// exactly the width. A level no such exit showed has no width (0).
class LevelWidths {
public:
    // The width of level z, or 0 when it is not known.
    int Width(int z) const;
    // Takes the width of level z unless one is known already (a world keeps its size).
    // Widths that no world can have (not positive, odd, or more than 16-bit x can hold)
    // are refused. Returns whether the width was taken.
    bool Learn(int z, int width);
    // Learns from one exit line: from's exit in direction leads to `to`. An exit to another
    // level, or one that lands where the step lands, teaches nothing.
    bool LearnFromExit(const AtlCoord& from, AtlDirection::Type direction, const AtlCoord& to);

    // Level number to width, in order of level.
    const std::map<int, int>& All() const { return widths_; }
    bool IsEmpty() const { return widths_.empty(); }

private:
    std::map<int, int> widths_;
};
