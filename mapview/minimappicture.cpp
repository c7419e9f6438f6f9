#include "mapview/minimappicture.h"

#include "gfx/grafview.h"
#include "map/atlmap.h"
#include "mapview/mappainter.h"

bool MinimapPicture::Render(const AtlMap& map, int z, const MinimapLayout& layout,
                            const MapPainter& colours, int width, int height, double dpr) {
    if (!image_.Resize(width, height, dpr)) return false;
    ++renders_;
    OffscreenBuffer::Painting painting(image_);
    GrafView& view = painting.View();
    view.FillRect({0, 0, width, height}, MapPainter::kBackground);
    view.FillRect(layout.Picture(), colours.UnknownColour());
    if (const AtlPlain* plain = map.GetPlain(z))
        plain->ForEachHex([&](const AtlCoord& c, const AtlHexData&) {
            PixelRect patch = layout.Patch(c);
            if (patch.IsEmpty()) return;
            if (std::optional<GrafColor> colour = colours.PatchColour(AtlCoord(c.x, c.y, z)))
                view.FillRect(patch, *colour);
        });
    return true;
}

void MinimapPicture::Draw(GrafView& view, const PixelRect& clip,
                          const std::vector<MinimapLayout::ViewPiece>& window) const {
    PixelRect image{0, 0, image_.Width(), image_.Height()};
    bool inImage = !image_.IsNull() && clip.left >= 0 && clip.top >= 0 &&
                   clip.right <= image.right && clip.bottom <= image.bottom;
    if (!inImage) view.FillRect(clip, MapPainter::kBackground);
    if (!image_.IsNull()) view.CopyBuffer(image_, clip);
    view.SetPen(kViewMark);
    for (const MinimapLayout::ViewPiece& piece : window) {
        // The outline runs along the last pixels inside the piece.
        const PixelRect& r = piece.rect;
        int right = r.right - 1, bottom = r.bottom - 1;
        view.MoveTo(r.left, r.top);
        view.LineTo(right, r.top);
        view.MoveTo(r.left, bottom);
        view.LineTo(right, bottom);
        if (piece.leftEdge) {
            view.MoveTo(r.left, r.top);
            view.LineTo(r.left, bottom);
        }
        if (piece.rightEdge) {
            view.MoveTo(right, r.top);
            view.LineTo(right, bottom);
        }
    }
}
