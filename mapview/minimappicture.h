#pragma once

#include "gfx/offscreen.h"
#include "map/minimap.h"

#include <vector>

class AtlMap;
class GrafView;
class MapPainter;

// The minimap's picture of one level: the level's ground in the colour of unknown hexes and
// every known hex a patch of its colour (MapPainter::PatchColour), drawn once into an
// off-screen image; a repaint copies the image and draws the map view's window over it, so
// that scrolling the map costs a copy and a rectangle, not the patches again.
class MinimapPicture {
public:
    static constexpr GrafColor kViewMark{255, 255, 255};

    // Draws the patches of plain z of map where layout places them, into an image of
    // width x height (dpr device pixels to the pixel) in place of the last. False, and no
    // image, when it cannot be made.
    bool Render(const AtlMap& map, int z, const MinimapLayout& layout, const MapPainter& colours,
                int width, int height, double dpr);
    // How many times Render drew the patches since this picture was made.
    int RenderCount() const { return renders_; }
    bool IsNull() const { return image_.IsNull(); }
    int Width() const { return image_.Width(); }
    int Height() const { return image_.Height(); }
    double DevicePixelRatio() const { return image_.DevicePixelRatio(); }

    // The part clip of the image (the background where there is none), with the map view's
    // window over it: each piece's outline, left open where it goes on across the world's
    // wrap.
    void Draw(GrafView& view, const PixelRect& clip,
              const std::vector<MinimapLayout::ViewPiece>& window) const;

private:
    OffscreenBuffer image_;
    int renders_ = 0;
};
