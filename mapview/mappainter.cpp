#include "mapview/mappainter.h"

#include "base/collate.h"
#include "gfx/grafview.h"
#include "map/atlmap.h"
#include "map/hexgeometry.h"
#include "map/hexmarks.h"
#include "map/shade.h"
#include "mapview/notemark.h"
#include "mapview/shadepaint.h"
#include "mapview/trackpaint.h"
#include "model/hexnotes.h"
#include "model/location.h"
#include "model/terrain.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kW = HexGeometry::kHexWidth;
constexpr int kH = HexGeometry::kHexHeight;
constexpr int kPicturesPerRow = 4;
// Pictures of the terrain sheet that are no terrain.
constexpr PixelPoint kShadePicture{0, 3 * kH};
constexpr PixelPoint kUnknownPicture{kW, 3 * kH};
// The overlay sheet at actual size: the guard flag, the player's own units, other factions'
// units, then both markers hollow for units seen in an earlier month, then the allies' units
// and their hollow form; and where each stands in a hex picture of actual size. The own marker
// sits left of the guard flag, the other one at the bottom, below a town name, the allied one
// at the right, sized between the two.
constexpr PixelPoint kGuardFlag{0, 0};
constexpr int kGuardWidth = 8;
constexpr int kGuardHeight = 12;
constexpr PixelPoint kOwnMarker{16, 0};
constexpr int kOwnMarkerSize = 12;
constexpr PixelPoint kOwnMarkerPlace{12, 4};
constexpr PixelPoint kOtherMarker{32, 0};
constexpr int kOtherMarkerSize = 8;
constexpr PixelPoint kOtherMarkerPlace{21, 33};
constexpr PixelPoint kAlliedMarker{80, 0};
constexpr int kAlliedMarkerSize = 10;
constexpr PixelPoint kAlliedMarkerPlace{36, 16};
constexpr int kHollowOffset = 32; // from a marker to its hollow form on the sheet

// Terrains of newer rule sets that the reader keeps by name, and their cells of the sheet
// (tools/make_bitmaps.py draws them there).
constexpr struct {
    const char* name;
    int cell;
} kNamedPictures[] = {{"lake", 11},   {"volcano", 14},    {"chasm", 15}, {"wasteland", 16},
                      {"grotto", 17}, {"deepforest", 18}, {"nexus", 19}};

PixelPoint CellPicture(int cell) {
    return {(cell % kPicturesPerRow) * kW, (cell / kPicturesPerRow) * kH};
}

PixelPoint TerrainPicture(const AtlHexData* hex) {
    int t = hex ? hex->Location().terrain.GetType() : 0;
    if (t == TerrainType::Other && hex) {
        for (const auto& named : kNamedPictures)
            if (CollateCompare(hex->Location().terrain.GetName().Get(), named.name) == 0)
                return CellPicture(named.cell);
    }
    // Code 0 with a name no picture knows, or none; a bad code from a damaged file alike.
    if (t < 1 || t >= TerrainType::kKnownCount) return kUnknownPicture;
    return CellPicture(t - 1);
}

// What a picture of the terrain sheet shows on the minimap without bitmaps.
constexpr GrafColor kNoPictureColour{120, 120, 120};

PixelPoint Offset(PixelPoint corner, PixelPoint p) {
    return {corner.x + p.x, corner.y + p.y};
}

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

} // namespace

MapPainter::MapPainter(const AtlMap& map, const HexGeometry& geometry)
    : map_(map), geometry_(geometry), terrain_(Bitmap::LoadResource(kTerrainBitmap)),
      overlay_(Bitmap::LoadResource(kOverlayBitmap)) {
    terrain_.MakeTransparent();
    overlay_.MakeTransparent();
}

GrafColor MapPainter::PictureColour(PixelPoint picture) const {
    if (terrain_.IsNull()) return kNoPictureColour;
    int cell = picture.y / kH * kPicturesPerRow + picture.x / kW;
    auto [it, isNew] = pictureColours_.try_emplace(cell);
    if (!isNew) return it->second;
    long long sum[3] = {0, 0, 0}, count = 0;
    for (int y = picture.y; y < picture.y + kH; ++y)
        for (int x = picture.x; x < picture.x + kW; ++x) {
            if (!terrain_.IsOpaqueAt(x, y)) continue;
            GrafColor p = terrain_.PixelAt(x, y);
            sum[0] += p.r;
            sum[1] += p.g;
            sum[2] += p.b;
            ++count;
        }
    auto mean = [count](long long total) { return static_cast<uint8_t>(total / count); };
    it->second = count ? GrafColor{mean(sum[0]), mean(sum[1]), mean(sum[2])} : kNoPictureColour;
    return it->second;
}

std::optional<GrafColor> MapPainter::PatchColour(const AtlCoord& c) const {
    const AtlHexData* hex = map_.GetHex(c);
    if (!hex || hex->Has(AtlHexData::HexPlaceholder)) return std::nullopt;
    GrafColor colour = PictureColour(TerrainPicture(hex));
    // The shade picture blackens every other pixel.
    if (hex->Has(AtlHexData::HexPartial))
        colour = {static_cast<uint8_t>(colour.r / 2), static_cast<uint8_t>(colour.g / 2),
                  static_cast<uint8_t>(colour.b / 2)};
    // A shaded map tints its patches as it tints its hexes.
    if (const ShadeRow* row = shade_ ? shade_->ClassOf(c) : nullptr)
        colour = TintedColour(colour, *row);
    return colour;
}

GrafColor MapPainter::UnknownColour() const {
    return PictureColour(kUnknownPicture);
}

void MapPainter::SetDevicePixelRatio(double dpr) {
    dpr_ = dpr >= 1 ? dpr : 1;
}

MapPainter::Scaled& MapPainter::Pictures() const {
    int step = geometry_.ZoomStep();
    if (scaled_.step == step && scaled_.dpr == dpr_) return scaled_;
    const HexMetrics& m = geometry_.Metrics();
    double scale = m.percent / 100.0;
    scaled_ = Scaled();
    scaled_.step = step;
    scaled_.dpr = dpr_;
    scaled_.cellWidth = Round(m.width * dpr_);
    scaled_.cellHeight = Round(m.height * dpr_);
    scaled_.markerScale = std::max(scale, kSmallestMarker);
    scaled_.namePixels = std::clamp(Round(kTownNamePixels * scale), 8, 16);
    double markerPixels = scaled_.markerScale * dpr_;
    // Pictures drawn at their own size stay as drawn, pixel for pixel.
    scaled_.terrain = terrain_.ScaledCells(kW, kH, scaled_.cellWidth, scaled_.cellHeight);
    scaled_.terrain.SetDevicePixelRatio(dpr_);
    scaled_.overlay = overlay_.ScaledCells(overlay_.Width(), overlay_.Height(),
                                           Round(overlay_.Width() * markerPixels),
                                           Round(overlay_.Height() * markerPixels));
    scaled_.overlay.SetDevicePixelRatio(dpr_);
    return scaled_;
}

void MapPainter::Draw(GrafView& view, const PixelRect& clip, int z,
                      const ScrollData& scroll) const {
    view.SaveState();
    view.IntersectClipRect(clip);
    view.FillRect(clip, kBackground);
    for (const HexPlace& place : geometry_.PlacesIn(clip, scroll, z))
        DrawHex1(view, place.hex, place.corner);
    // Names of hexes beside clip may reach into it.
    int reach = NameReach();
    PixelRect labels{clip.left - reach, clip.top, clip.right + reach, clip.bottom};
    const HexNotes* notes = map_.Notes();
    for (const HexPlace& place : geometry_.PlacesIn(labels, scroll, z)) {
        DrawHex2(view, place.hex, place.corner);
        if (const HexNote* note = notes ? notes->Find(place.hex) : nullptr)
            DrawNoteMark(view, place.corner, geometry_.Metrics(), *note);
    }
    if (track_) track_->Draw(view, geometry_, scroll, z);
    view.RestoreState();
}

void MapPainter::DrawHex1(GrafView& view, const AtlCoord& c, PixelPoint corner) const {
    const AtlHexData* hex = map_.GetHex(c);
    const Scaled& pictures = Pictures();
    auto draw = [&](PixelPoint picture) {
        view.DrawBitmap(pictures.terrain, picture.x / kW * pictures.cellWidth,
                        picture.y / kH * pictures.cellHeight, pictures.cellWidth,
                        pictures.cellHeight, corner.x, corner.y);
    };
    draw(TerrainPicture(hex));
    if (!hex) return;
    if (hex->Has(AtlHexData::HexPartial)) draw(kShadePicture);
    if (const ShadeRow* row = shade_ ? shade_->ClassOf(c) : nullptr)
        TintHex(view, geometry_.Metrics(), corner, *row);
    objects_.DrawRoads(view, geometry_.Metrics(), *hex, corner);
    DrawHexBorder(view, c, corner, *hex);
}

int MapPainter::SelectedBorderWidth() const {
    return std::max(2, Round(kSelectedBorderWidth * geometry_.Metrics().percent / 100.0));
}

void MapPainter::DrawHexBorder(GrafView& view, const AtlCoord& c, PixelPoint corner,
                               const AtlHexData& hex) const {
    const HexMetrics& m = geometry_.Metrics();
    bool selected = hex.Has(AtlHexData::HexSelected);
    PixelPoint from = Offset(corner, m.Outline(0));
    view.MoveTo(from.x, from.y);
    for (int edge = 0; edge < 6; ++edge) {
        const AtlHexData* other = Neighbour(c, edge);
        if (selected || (other && other->Has(AtlHexData::HexSelected)))
            view.SetPen(kSelectedBorder, SelectedBorderWidth());
        else
            view.SetPen(kBorder);
        PixelPoint to = Offset(corner, m.Outline(edge + 1));
        view.LineTo(to.x, to.y);
    }
}

void MapPainter::DrawHex2(GrafView& view, const AtlCoord& c, PixelPoint corner) const {
    const AtlHexData* hex = map_.GetHex(c);
    if (!hex) return;
    objects_.DrawPictures(view, geometry_.Metrics(), dpr_, *hex, corner);
    if (marks_)
        for (int kind = 0; kind < HexMarks::kKinds; ++kind)
            if (marks_->Has(static_cast<MarkKind>(kind), c))
                // A second kind on the same hex stays visible inside the first.
                DrawOutline(view, corner, kMarkColours[kind],
                            std::max(1, SelectedBorderWidth() - kind));
    if (hex->Has(AtlHexData::HexSelected)) DrawOutline(view, corner);
    if (std::optional<PixelRect> box = NameBox(c, corner)) {
        const Bitmap* label = Label(hex->Location().townName);
        view.DrawBitmap(*label, 0, 0, label->Width(), label->Height(), box->left, box->top);
    }
    for (const MarkerPlace& marker : Markers(*hex))
        DrawOverlay(view, marker.from, marker.width, marker.height, corner.x + marker.at.x,
                    corner.y + marker.at.y);
}

std::vector<MapPainter::MarkerPlace> MapPainter::Markers(const AtlHexData& hex) const {
    const HexMetrics& m = geometry_.Metrics();
    double scale = m.percent / 100.0;
    double marker = Pictures().markerScale;
    // Units known only from an earlier month may have moved since.
    auto form = [hollow = hex.Has(AtlHexData::HexEarlier)](PixelPoint picture) {
        return hollow ? PixelPoint{picture.x + kHollowOffset, picture.y} : picture;
    };
    std::vector<MarkerPlace> places;
    if (hex.Has(AtlHexData::HexGuarded))
        places.push_back({kGuardFlag, kGuardWidth, kGuardHeight, {m.width / 2, Round(2 * scale)}});
    if (hex.Has(AtlHexData::HexOtherUnits)) {
        int size = Round(kOtherMarkerSize * marker);
        places.push_back({form(kOtherMarker),
                          kOtherMarkerSize,
                          kOtherMarkerSize,
                          {Round(kOtherMarkerPlace.x * scale),
                           std::min(Round(kOtherMarkerPlace.y * scale), m.height - size)}});
    }
    if (hex.Has(AtlHexData::HexAlliedUnits))
        places.push_back(
            {form(kAlliedMarker),
             kAlliedMarkerSize,
             kAlliedMarkerSize,
             {Round(kAlliedMarkerPlace.x * scale), Round(kAlliedMarkerPlace.y * scale)}});
    if (hex.Has(AtlHexData::HexOwnUnits))
        places.push_back({form(kOwnMarker),
                          kOwnMarkerSize,
                          kOwnMarkerSize,
                          {Round(kOwnMarkerPlace.x * scale), Round(kOwnMarkerPlace.y * scale)}});
    return places;
}

void MapPainter::MarkerBoxes(const AtlHexData& hex, std::vector<PixelRect>& boxes) const {
    double marker = Pictures().markerScale;
    for (const MarkerPlace& p : Markers(hex))
        boxes.push_back(
            {p.at.x, p.at.y, p.at.x + Round(p.width * marker), p.at.y + Round(p.height * marker)});
}

PixelPoint MapPainter::NameSize(const AtlHexData& hex) const {
    const Str& town = hex.Location().townName;
    const Bitmap* label = town.IsEmpty() ? nullptr : Label(town);
    if (!label) return {};
    double dpr = label->DevicePixelRatio();
    return {Round(label->Width() / dpr), Round(label->Height() / dpr)};
}

int MapPainter::NameReach() const {
    return Round(kTownNameReach * std::max(1.0, geometry_.Metrics().percent / 100.0));
}

std::optional<PixelRect> MapPainter::NameBox(const AtlCoord& c, PixelPoint corner) const {
    std::optional<PixelRect> box = PlaceTownName(map_, geometry_, c, *this);
    if (box)
        *box = {box->left + corner.x, box->top + corner.y, box->right + corner.x,
                box->bottom + corner.y};
    return box;
}

void MapPainter::DrawOverlay(GrafView& view, PixelPoint from, int width, int height, int x,
                             int y) const {
    const Scaled& pictures = Pictures();
    double f = pictures.markerScale * pictures.dpr;
    view.DrawBitmap(pictures.overlay, Round(from.x * f), Round(from.y * f), Round(width * f),
                    Round(height * f), x, y);
}

void MapPainter::DrawOutline(GrafView& view, PixelPoint corner) const {
    DrawOutline(view, corner, kSelectedBorder, SelectedBorderWidth());
}

void MapPainter::DrawOutline(GrafView& view, PixelPoint corner, GrafColor colour, int width) const {
    const HexMetrics& m = geometry_.Metrics();
    view.SetPen(colour, width);
    PixelPoint from = Offset(corner, m.Outline(0));
    view.MoveTo(from.x, from.y);
    for (int i = 1; i <= 6; ++i) {
        PixelPoint to = Offset(corner, m.Outline(i));
        view.LineTo(to.x, to.y);
    }
}

const Bitmap* MapPainter::Label(const Str& name) const {
    Scaled& pictures = Pictures();
    // Town names are few; a damaged file full of distinct names must not grow this forever.
    if (pictures.labels.size() > 4096) pictures.labels.clear();
    auto [it, isNew] = pictures.labels.try_emplace(name.Get());
    if (isNew)
        // A light rim keeps the black names readable on dark forest and jungle.
        it->second = Bitmap::RimmedText(name.Get(), kTownNameFont, pictures.namePixels, true,
                                        kTownName, kTownNameHalo, pictures.dpr);
    const Bitmap& label = it->second;
    // Below actual size a name is left out where it would crowd the hex and its neighbours.
    const HexMetrics& m = geometry_.Metrics();
    if (m.percent < 100) {
        double dpr = label.DevicePixelRatio();
        if (label.Height() / dpr > 0.6 * m.height || label.Width() / dpr > 3 * m.ColumnStep())
            return nullptr;
    }
    return &label;
}

const AtlHexData* MapPainter::Neighbour(const AtlCoord& c, int edge) const {
    AtlCoord n = c;
    n.Move(HexGeometry::kEdgeDirections[edge]);
    n.x = static_cast<int16_t>(geometry_.WrapX(n.x));
    return map_.GetHex(n);
}
