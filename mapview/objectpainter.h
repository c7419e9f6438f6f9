#pragma once

#include "base/pixelrect.h"
#include "gfx/bitmap.h"
#include "gfx/grafcolor.h"

class AtlHexData;
class GrafView;
struct HexMetrics;

// Draws a region's objects (map/hexobjects.h) over its hex picture for the map painter:
// roads as tracks from the middle of the hex to the sides they run to, under names and
// markers, and a small picture for each other kind of object, in a row in the lower half.
// Both are left out where the hex is too small to read them.
class ObjectPainter {
public:
    static constexpr GrafColor kRoad{120, 95, 60};
    // Roads show from this zoom (percent of actual size), the pictures from the next.
    static constexpr int kSmallestRoadZoom = 50;
    static constexpr int kSmallestPictureZoom = 75;
    // A picture at actual size.
    static constexpr int kPictureSize = 9;

    // Loads the sheet of pictures, transparent in its top-left colour.
    ObjectPainter();

    // The tracks of hex's roads, its hex picture's corner at corner.
    void DrawRoads(GrafView& view, const HexMetrics& m, const AtlHexData& hex,
                   PixelPoint corner) const;
    // The pictures of hex's other objects; dpr is the device pixels to a pixel.
    void DrawPictures(GrafView& view, const HexMetrics& m, double dpr, const AtlHexData& hex,
                      PixelPoint corner) const;

private:
    const Bitmap& Sheet(int percent, double dpr) const;

    Bitmap sheet_;
    mutable Bitmap scaled_;
    mutable int scaledPercent_ = -1;
    mutable double scaledDpr_ = 0;
};
