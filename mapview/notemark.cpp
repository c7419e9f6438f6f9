#include "mapview/notemark.h"

#include "gfx/grafview.h"
#include "map/hexgeometry.h"
#include "model/hexnotes.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr GrafColor kPaper{255, 250, 215};
constexpr GrafColor kInk{40, 40, 40};
constexpr GrafColor kWriting{120, 120, 150};
constexpr GrafColor kRibbon{205, 30, 40};
constexpr GrafColor kRibbonEdge{110, 10, 20};

// At actual size, beside the markers and clear of the town name below the middle: the sheet,
// 8 x 10, its corner at (34, 7); the ribbon, 5 x 10, at (11, 27).
constexpr PixelRect kSheet{34, 7, 42, 17};
constexpr PixelRect kRibbonBox{11, 27, 16, 37};

int Scaled(int value, double scale) {
    return static_cast<int>(std::lround(value * scale));
}

// A box of the actual size's layout at the zoom: placed by the hex's scale, sized by the marks'.
PixelRect Place(const PixelRect& box, PixelPoint corner, double place, double size) {
    int left = corner.x + Scaled(box.left, place), top = corner.y + Scaled(box.top, place);
    return {left, top, left + std::max(3, Scaled(box.Width(), size)),
            top + std::max(4, Scaled(box.Height(), size))};
}

void Frame(GrafView& view, const PixelRect& r, GrafColor color) {
    view.SetPen(color);
    view.MoveTo(r.left, r.top);
    view.LineTo(r.right - 1, r.top);
    view.LineTo(r.right - 1, r.bottom - 1);
    view.LineTo(r.left, r.bottom - 1);
    view.LineTo(r.left, r.top);
}

} // namespace

void DrawNoteMark(GrafView& view, PixelPoint corner, const HexMetrics& metrics,
                  const HexNote& note) {
    double place = metrics.percent / 100.0;
    double size = std::max(place, 0.5);
    if (!note.text.IsEmpty()) {
        PixelRect sheet = Place(kSheet, corner, place, size);
        view.FillRect(sheet, kPaper);
        Frame(view, sheet, kInk);
        view.SetPen(kWriting);
        for (int y = sheet.top + 3; y < sheet.bottom - 2; y += std::max(2, Scaled(3, size))) {
            view.MoveTo(sheet.left + 2, y);
            view.LineTo(sheet.right - 3, y);
        }
    }
    if (note.IsBookmarked()) {
        PixelRect ribbon = Place(kRibbonBox, corner, place, size);
        view.FillRect(ribbon, kRibbon);
        Frame(view, ribbon, kRibbonEdge);
        // The notch at its foot.
        int middle = (ribbon.left + ribbon.right - 1) / 2;
        view.SetPen(kPaper);
        view.MoveTo(ribbon.left + 1, ribbon.bottom - 1);
        view.LineTo(middle, ribbon.bottom - 1 - std::max(1, Scaled(2, size)));
        view.LineTo(ribbon.right - 2, ribbon.bottom - 1);
    }
}
