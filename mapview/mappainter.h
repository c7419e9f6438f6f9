#pragma once

#include "base/pixelrect.h"
#include "base/str.h"
#include "gfx/bitmap.h"
#include "gfx/grafcolor.h"
#include "map/nameplace.h"
#include "mapview/objectpainter.h"
#include "model/atlcoord.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class AtlHexData;
class AtlMap;
class GrafView;
class HexGeometry;
class HexMarks;
class ScrollData;
class ShadeMap;
class TrackPainter;

// Paints one plain of the hex map through a GrafView: terrain pictures, a shade over hexes
// known only partly, the hex borders with the selected hex's outline set apart, town names
// (placed off the markers, see PlaceTownName), the guard flag and the markers of the player's own
// units and of other factions' units (hollow where the hex's sighting is from an earlier month:
// AtlHexData::HexEarlier), and the marks of the player's notes and bookmarks (DrawNoteMark). The
// map window and off-screen pictures share it. It paints at the geometry's zoom step, with
// pictures scaled smoothly and made as fine as the screen's device pixels.
class MapPainter : private HexPictures {
public:
    static constexpr GrafColor kBackground{24, 24, 32};
    static constexpr GrafColor kBorder{40, 40, 40};
    static constexpr GrafColor kSelectedBorder{255, 32, 32};
    static constexpr int kSelectedBorderWidth = 3;
    static constexpr GrafColor kTownName{0, 0, 0};
    static constexpr GrafColor kTownNameHalo{255, 255, 255};
    static constexpr int kTownNamePixels = 10;
    // How far a town name may reach sideways beyond its hex picture at actual size.
    static constexpr int kTownNameReach = 64;
    static constexpr const char* kTownNameFont = "DejaVu Sans";
    // Markers never shrink below this share of their size, so that they stay readable when
    // the hexes are small.
    static constexpr double kSmallestMarker = 0.5;

    // Loads the terrain and overlay bitmaps, transparent in their top-left colours. map and
    // geometry must outlive the painter.
    MapPainter(const AtlMap& map, const HexGeometry& geometry);

    // Whether both bitmaps were found; without them only borders and names are drawn.
    bool HasBitmaps() const { return !terrain_.IsNull() && !overlay_.IsNull(); }

    // The device pixels to a pixel of what is painted on (2 on many high-density screens).
    void SetDevicePixelRatio(double dpr);
    // Tints each hex by its class in shade (null: none); shade must outlive its use here.
    void SetShade(const ShadeMap* shade) { shade_ = shade; }
    // Outlines the hexes of marks, each kind in its colour (null: none); marks must outlive
    // its use here.
    void SetMarks(const HexMarks* marks) { marks_ = marks; }
    // Draws a unit's track over the hexes (null: none); track must outlive its use here.
    void SetTrack(const TrackPainter* track) { track_ = track; }
    // The outline of each kind of marked hex (MarkKind order): changed hexes, a faction's.
    static constexpr GrafColor kMarkColours[] = {{255, 216, 0}, {0, 224, 255}};

    // Paints the part of plain z inside clip (window pixels) with the view scrolled to
    // scroll: the background, then every hex meeting clip in two passes, so that names and
    // markers lie above all pictures and borders. Draws nothing outside clip.
    void Draw(GrafView& view, const PixelRect& clip, int z, const ScrollData& scroll) const;

    // The terrain picture (or the unknown hex), the shade over a partly known hex, the tint of
    // its class when the map is shaded, the roads and the border of a known one.
    void DrawHex1(GrafView& view, const AtlCoord& c, PixelPoint corner) const;
    // The pictures of the region's objects, the town name and the markers; the selected
    // hex's outline again, so that unknown neighbours drawn after it cannot cover it.
    void DrawHex2(GrafView& view, const AtlCoord& c, PixelPoint corner) const;
    // The six edges, each in the pen of the selected outline when this hex or the neighbour
    // across the edge is selected.
    void DrawHexBorder(GrafView& view, const AtlCoord& c, PixelPoint corner,
                       const AtlHexData& hex) const;
    // Where the name of the town at c is written for its hex picture at corner (see
    // PlaceTownName); nullopt where it is left out.
    std::optional<PixelRect> NameBox(const AtlCoord& c, PixelPoint corner) const;

    // The colour of hex c where it is drawn as a small patch (the minimap): the mean colour of
    // its terrain picture, half as dark where the shade of a partly known hex lies over it;
    // nullopt where nothing is known. The one place a hex gets a single colour, beside the
    // choice of its picture, so that whatever colours the map colours the patches too.
    std::optional<GrafColor> PatchColour(const AtlCoord& c) const;
    // The colour of ground nothing is known of: the unknown hex picture's.
    GrafColor UnknownColour() const;

private:
    // What the rule for town names needs of the pictures.
    PixelPoint NameSize(const AtlHexData& hex) const override;
    void MarkerBoxes(const AtlHexData& hex, std::vector<PixelRect>& boxes) const override;
    int NameReach() const override;
    // Where each marker of hex goes relative to its hex picture's corner: the piece of the
    // overlay sheet at actual size and the top-left corner it is drawn at.
    struct MarkerPlace {
        PixelPoint from;
        int width;
        int height;
        PixelPoint at;
    };
    std::vector<MarkerPlace> Markers(const AtlHexData& hex) const;
    // The pictures for one zoom step and device pixel ratio, made when first needed.
    struct Scaled {
        int step = -1;
        double dpr = 0;
        Bitmap terrain; // cells of cellWidth x cellHeight device pixels
        int cellWidth = 0;
        int cellHeight = 0;
        Bitmap overlay;         // scaled by markerScale * dpr
        double markerScale = 1; // of the markers against their actual size
        int namePixels = kTownNamePixels;
        std::unordered_map<std::string, Bitmap> labels;
    };
    Scaled& Pictures() const;
    // The hex across edge `edge` of c, with the world's wrap.
    const AtlHexData* Neighbour(const AtlCoord& c, int edge) const;
    void DrawOutline(GrafView& view, PixelPoint corner) const;
    void DrawOutline(GrafView& view, PixelPoint corner, GrafColor colour, int width) const;
    int SelectedBorderWidth() const;
    // A piece of the overlay sheet given at actual size, its top-left corner at (x, y).
    void DrawOverlay(GrafView& view, PixelPoint from, int width, int height, int x, int y) const;
    // The picture of a town name, made once per name; null where it would not fit.
    const Bitmap* Label(const Str& name) const;
    // The mean colour of the opaque pixels of a picture of the terrain sheet, worked out once.
    GrafColor PictureColour(PixelPoint picture) const;

    const AtlMap& map_;
    const HexGeometry& geometry_;
    Bitmap terrain_;
    Bitmap overlay_;
    double dpr_ = 1;
    const ShadeMap* shade_ = nullptr;
    const HexMarks* marks_ = nullptr;
    const TrackPainter* track_ = nullptr;
    mutable Scaled scaled_;
    mutable std::unordered_map<int, GrafColor> pictureColours_; // by the picture's cell
    ObjectPainter objects_;
};
