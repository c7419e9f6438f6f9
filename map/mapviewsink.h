#pragma once

#include "model/atlcoord.h"

// What the hex map tells the window that shows it. The map view implements it; the map
// works without one.
class MapViewSink {
public:
    virtual ~MapViewSink() = default;
    // The hex looks different now (its selection changed): redraw it.
    virtual void InvalidateHex(const AtlCoord& c) = 0;
};
