#pragma once

#include "base/pixelrect.h"
#include "model/atlcoord.h"

#include <optional>
#include <vector>

class AtlHexData;
class AtlMap;
class HexGeometry;

// What the painter draws of a hex, in pixels relative to the corner of the hex's picture at
// the zoom on show; the rule below needs no display.
class HexPictures {
public:
    virtual ~HexPictures() = default;
    // The width and height of the town's name as it would be written; {0, 0} when the hex
    // has no town or its name is not written at this zoom.
    virtual PixelPoint NameSize(const AtlHexData& hex) const = 0;
    // The boxes the hex's markers (guard flag, own units, other units) cover.
    virtual void MarkerBoxes(const AtlHexData& hex, std::vector<PixelRect>& boxes) const = 0;
    // How far a name may reach sideways beyond its hex picture; names of hexes further off
    // are not looked at.
    virtual int NameReach() const = 0;
};

// Where the name of the town at c is written, relative to the corner of its hex picture:
// centred on the hex with its top at the middle of the hex, or else a name's height higher
// or lower, whichever first covers no marker of this hex or its neighbours. Left out (nullopt)
// where every place covers a marker, and where it would run into the name of a town that
// comes first on the map (north before south, then west before east), so that of two names
// that would overlap the first is written. The same for a hex whatever part of the map is
// drawn, so that redrawing a few hexes matches a full repaint.
std::optional<PixelRect> PlaceTownName(const AtlMap& map, const HexGeometry& geometry,
                                       const AtlCoord& c, const HexPictures& pictures);
