#include "mapview/objectpainter.h"

#include "gfx/grafview.h"
#include "map/hexdata.h"
#include "map/hexgeometry.h"
#include "map/hexobjects.h"

#include <algorithm>
#include <cmath>

namespace {

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

// Where the pictures go in a hex picture of actual size, in the order of the kinds: a row of
// four below the middle (a town name is written over it), then beside the guard flag and left
// of the own-unit marker.
constexpr PixelPoint kSlots[] = {{7, 23}, {16, 23}, {25, 23}, {34, 23}, {35, 12}, {5, 13}};

} // namespace

ObjectPainter::ObjectPainter() : sheet_(Bitmap::LoadResource(kObjectBitmap)) {
    sheet_.MakeTransparent();
}

const Bitmap& ObjectPainter::Sheet(int percent, double dpr) const {
    if (scaledPercent_ != percent || scaledDpr_ != dpr) {
        int size = Round(kPictureSize * percent / 100.0 * dpr);
        scaled_ = sheet_.ScaledCells(kPictureSize, kPictureSize, size, size);
        scaled_.SetDevicePixelRatio(dpr);
        scaledPercent_ = percent;
        scaledDpr_ = dpr;
    }
    return scaled_;
}

void ObjectPainter::DrawRoads(GrafView& view, const HexMetrics& m, const AtlHexData& hex,
                              PixelPoint corner) const {
    if (m.percent < kSmallestRoadZoom) return;
    HexObjects objects = ObjectsOf(hex);
    if (!objects.roads) return;
    const PixelPoint middle{corner.x + m.width / 2, corner.y + m.height / 2};
    view.SetPen(kRoad, std::max(2, Round(3 * m.percent / 100.0)));
    for (int edge = 0; edge < 6; ++edge) {
        if (!(objects.roads & (1u << HexGeometry::kEdgeDirections[edge]))) continue;
        PixelPoint from = m.Outline(edge), to = m.Outline(edge + 1);
        view.MoveTo(middle.x, middle.y);
        view.LineTo(corner.x + (from.x + to.x) / 2, corner.y + (from.y + to.y) / 2);
    }
}

void ObjectPainter::DrawPictures(GrafView& view, const HexMetrics& m, double dpr,
                                 const AtlHexData& hex, PixelPoint corner) const {
    if (m.percent < kSmallestPictureZoom || sheet_.IsNull()) return;
    HexObjects objects = ObjectsOf(hex);
    if (objects.IsEmpty()) return;
    const Bitmap& sheet = Sheet(m.percent, dpr);
    const int cell = sheet.Height();
    const double scale = m.percent / 100.0;
    int slot = 0;
    for (int kind = 0; kind < static_cast<int>(ObjectKind::Road); ++kind) {
        if (!objects.Has(static_cast<ObjectKind>(kind))) continue;
        PixelPoint at = kSlots[slot++];
        view.DrawBitmap(sheet, kind * cell, 0, cell, cell, corner.x + Round(at.x * scale),
                        corner.y + Round(at.y * scale));
    }
}
