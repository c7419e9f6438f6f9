#include "mapview/mappainter.h"

#include "gfx/grafview.h"
#include "map/atlmap.h"
#include "map/hexgeometry.h"
#include "model/terrain.h"

namespace {

constexpr int kW = HexGeometry::kHexWidth;
constexpr int kH = HexGeometry::kHexHeight;
constexpr int kPicturesPerRow = 4;
// Pictures of the terrain sheet that are no terrain.
constexpr PixelPoint kShadePicture{0, 3 * kH};
constexpr PixelPoint kUnknownPicture{kW, 3 * kH};
constexpr int kGuardWidth = 8;
constexpr int kGuardHeight = 12;
// The unit markers of the overlay sheet and where they stand in a hex picture: the player's
// own left of the guard flag, other factions' at the bottom, below a town name.
constexpr PixelPoint kOwnMarker{16, 0};
constexpr int kOwnMarkerSize = 12;
constexpr PixelPoint kOwnMarkerPlace{12, 4};
constexpr PixelPoint kOtherMarker{32, 0};
constexpr int kOtherMarkerSize = 8;
constexpr PixelPoint kOtherMarkerPlace{21, 33};

PixelPoint TerrainPicture(const AtlHexData* hex) {
    int t = hex ? hex->terrain.GetType() : 0;
    // Code 0 is an unnamed or unknown terrain; a bad code from a damaged file is treated alike.
    if (t < 1 || t >= TerrainType::kKnownCount) return kUnknownPicture;
    return {((t - 1) % kPicturesPerRow) * kW, ((t - 1) / kPicturesPerRow) * kH};
}

PixelPoint Offset(PixelPoint corner, PixelPoint p) {
    return {corner.x + p.x, corner.y + p.y};
}

} // namespace

MapPainter::MapPainter(const AtlMap& map, const HexGeometry& geometry)
    : map_(map), geometry_(geometry), terrain_(Bitmap::LoadResource(kTerrainBitmap)),
      overlay_(Bitmap::LoadResource(kOverlayBitmap)) {
    terrain_.MakeTransparent();
    overlay_.MakeTransparent();
}

void MapPainter::Draw(GrafView& view, const PixelRect& clip, int z,
                      const ScrollData& scroll) const {
    view.SaveState();
    view.IntersectClipRect(clip);
    view.FillRect(clip, kBackground);
    for (const HexPlace& place : geometry_.PlacesIn(clip, scroll, z))
        DrawHex1(view, place.hex, place.corner);
    // Names of hexes beside clip may reach into it.
    PixelRect labels{clip.left - kTownNameReach, clip.top, clip.right + kTownNameReach,
                     clip.bottom};
    for (const HexPlace& place : geometry_.PlacesIn(labels, scroll, z))
        DrawHex2(view, place.hex, place.corner);
    view.RestoreState();
}

void MapPainter::DrawHex1(GrafView& view, const AtlCoord& c, PixelPoint corner) const {
    const AtlHexData* hex = map_.GetHex(c);
    PixelPoint picture = TerrainPicture(hex);
    view.DrawBitmap(terrain_, picture.x, picture.y, kW, kH, corner.x, corner.y);
    if (!hex) return;
    if (hex->Has(AtlHexData::HexPartial))
        view.DrawBitmap(terrain_, kShadePicture.x, kShadePicture.y, kW, kH, corner.x, corner.y);
    DrawHexBorder(view, c, corner, *hex);
}

void MapPainter::DrawHexBorder(GrafView& view, const AtlCoord& c, PixelPoint corner,
                               const AtlHexData& hex) const {
    bool selected = hex.Has(AtlHexData::HexSelected);
    PixelPoint from = Offset(corner, HexGeometry::kOutline[0]);
    view.MoveTo(from.x, from.y);
    for (int edge = 0; edge < 6; ++edge) {
        const AtlHexData* other = Neighbour(c, edge);
        if (selected || (other && other->Has(AtlHexData::HexSelected)))
            view.SetPen(kSelectedBorder, kSelectedBorderWidth);
        else
            view.SetPen(kBorder);
        PixelPoint to = Offset(corner, HexGeometry::kOutline[(edge + 1) % 6]);
        view.LineTo(to.x, to.y);
    }
}

void MapPainter::DrawHex2(GrafView& view, const AtlCoord& c, PixelPoint corner) const {
    const AtlHexData* hex = map_.GetHex(c);
    if (!hex) return;
    if (hex->Has(AtlHexData::HexSelected)) DrawOutline(view, corner);
    if (!hex->townName.IsEmpty()) {
        // Centred on the hex, its top at the middle of the hex; the rim lies one pixel out.
        const Bitmap& label = Label(hex->townName);
        view.DrawBitmap(label, 0, 0, label.Width(), label.Height(),
                        corner.x + HexGeometry::kHalfWidth - label.Width() / 2,
                        corner.y + HexGeometry::kHalfHeight - 1);
    }
    if (hex->Has(AtlHexData::HexGuarded))
        view.DrawBitmap(overlay_, 0, 0, kGuardWidth, kGuardHeight,
                        corner.x + HexGeometry::kHalfWidth, corner.y + 2);
    if (hex->Has(AtlHexData::HexOtherUnits))
        view.DrawBitmap(overlay_, kOtherMarker.x, kOtherMarker.y, kOtherMarkerSize,
                        kOtherMarkerSize, corner.x + kOtherMarkerPlace.x,
                        corner.y + kOtherMarkerPlace.y);
    if (hex->Has(AtlHexData::HexOwnUnits))
        view.DrawBitmap(overlay_, kOwnMarker.x, kOwnMarker.y, kOwnMarkerSize, kOwnMarkerSize,
                        corner.x + kOwnMarkerPlace.x, corner.y + kOwnMarkerPlace.y);
}

void MapPainter::DrawOutline(GrafView& view, PixelPoint corner) const {
    view.SetPen(kSelectedBorder, kSelectedBorderWidth);
    PixelPoint from = Offset(corner, HexGeometry::kOutline[0]);
    view.MoveTo(from.x, from.y);
    for (int i = 1; i <= 6; ++i) {
        PixelPoint to = Offset(corner, HexGeometry::kOutline[i % 6]);
        view.LineTo(to.x, to.y);
    }
}

const Bitmap& MapPainter::Label(const Str& name) const {
    // Town names are few; a damaged file full of distinct names must not grow this forever.
    if (labels_.size() > 4096) labels_.clear();
    auto [it, isNew] = labels_.try_emplace(name.Get());
    if (isNew)
        // A light rim keeps the black names readable on dark forest and jungle.
        it->second = Bitmap::RimmedText(name.Get(), kTownNameFont, kTownNamePixels, true, kTownName,
                                        kTownNameHalo);
    return it->second;
}

const AtlHexData* MapPainter::Neighbour(const AtlCoord& c, int edge) const {
    AtlCoord n = c;
    n.Move(HexGeometry::kEdgeDirections[edge]);
    n.x = static_cast<int16_t>(geometry_.WrapX(n.x));
    return map_.GetHex(n);
}
