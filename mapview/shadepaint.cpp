#include "mapview/shadepaint.h"

#include "gfx/grafview.h"
#include "map/hexgeometry.h"
#include "map/shade.h"

#include <algorithm>

namespace {

constexpr GrafColor kScale[ShadeMap::kScaleSteps] = {
    {255, 255, 178}, {254, 217, 118}, {254, 178, 76}, {253, 141, 60}, {240, 59, 32}, {189, 0, 38},
};
// Clear, winter, monsoon season, blizzard, unnaturally clear.
constexpr GrafColor kWeather[kWeatherKinds] = {
    {255, 236, 110}, {240, 248, 255}, {40, 110, 220}, {150, 60, 200}, {255, 160, 0},
};
// The player's own first; the last stands for the factions beyond the others.
constexpr GrafColor kFactions[ShadeMap::kFactionColours] = {
    {255, 200, 0},  {31, 119, 180},  {214, 39, 40}, {44, 160, 44},  {148, 103, 189},
    {23, 190, 207}, {227, 119, 194}, {140, 86, 75}, {188, 189, 34}, {127, 127, 127},
};

constexpr const char* kFont = "DejaVu Sans";
constexpr int kFontPixels = 11;
constexpr int kPadding = 6;
constexpr int kSwatchWidth = 16;
constexpr int kSwatchGap = 6;
constexpr int kRowGap = 3;
constexpr int kMargin = 8; // between the legend and the window's edges
constexpr GrafColor kLegendBack{250, 250, 242};
constexpr GrafColor kLegendBorder{60, 60, 60};
constexpr GrafColor kLegendText{0, 0, 0};

template <size_t N> GrafColor Pick(const GrafColor (&colours)[N], int index) {
    return colours[std::clamp(index, 0, static_cast<int>(N) - 1)];
}

int LineHeight(GrafView& view) {
    return view.TextBox(0, 0, "Xg").Height() + kRowGap;
}

} // namespace

GrafColor ShadeColour(const ShadeRow& row) {
    switch (row.palette) {
    case ShadePalette::Weather:
        return Pick(kWeather, row.colour);
    case ShadePalette::Faction:
        return Pick(kFactions, row.colour);
    default:
        return Pick(kScale, row.colour);
    }
}

GrafColor TintedColour(GrafColor under, const ShadeRow& row) {
    GrafColor tint = ShadeColour(row);
    auto mix = [](uint8_t a, uint8_t b) {
        return static_cast<uint8_t>((a * (255 - kShadeAlpha) + b * kShadeAlpha + 127) / 255);
    };
    return {mix(under.r, tint.r), mix(under.g, tint.g), mix(under.b, tint.b)};
}

void TintHex(GrafView& view, const HexMetrics& metrics, PixelPoint corner, const ShadeRow& row) {
    PixelPoint outline[6];
    for (int i = 0; i < 6; ++i) {
        PixelPoint p = metrics.Outline(i);
        outline[i] = {corner.x + p.x, corner.y + p.y};
    }
    view.FillPolygon(outline, 6, ShadeColour(row), kShadeAlpha);
}

PixelPoint ShadeLegendSize(GrafView& view, const ShadeMap& shade) {
    view.SaveState();
    view.SetTextAlign(GrafView::AlignLeft | GrafView::AlignTop);
    view.SetFont(kFont, kFontPixels, true);
    int width = view.TextBox(0, 0, shade.Title().Get()).Width();
    int height = LineHeight(view);
    view.SetFont(kFont, kFontPixels, false);
    for (const ShadeRow& row : shade.Rows()) {
        width =
            std::max(width, kSwatchWidth + kSwatchGap + view.TextBox(0, 0, row.text.Get()).Width());
        height += LineHeight(view);
    }
    view.RestoreState();
    return {width + 2 * kPadding, height + 2 * kPadding - kRowGap};
}

void DrawShadeLegend(GrafView& view, const ShadeMap& shade, PixelPoint topLeft) {
    PixelPoint size = ShadeLegendSize(view, shade);
    PixelRect box{topLeft.x, topLeft.y, topLeft.x + size.x, topLeft.y + size.y};
    view.SaveState();
    view.FillRect(box, kLegendBorder);
    view.FillRect({box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}, kLegendBack);
    view.SetTextAlign(GrafView::AlignLeft | GrafView::AlignTop);
    view.SetTextColor(kLegendText);
    int x = box.left + kPadding;
    int y = box.top + kPadding;
    view.SetFont(kFont, kFontPixels, true);
    view.TextOut(x, y, shade.Title().Get());
    y += LineHeight(view);
    view.SetFont(kFont, kFontPixels, false);
    int line = LineHeight(view);
    for (const ShadeRow& row : shade.Rows()) {
        int swatch = line - kRowGap;
        view.FillRect({x, y + 1, x + kSwatchWidth, y + swatch - 1}, kLegendBorder);
        view.FillRect({x + 1, y + 2, x + kSwatchWidth - 1, y + swatch - 2}, ShadeColour(row));
        view.TextOut(x + kSwatchWidth + kSwatchGap, y, row.text.Get());
        y += line;
    }
    view.RestoreState();
}

PixelRect ShadeLegendBox(GrafView& view, const ShadeMap& shade, const PixelRect& area) {
    PixelPoint size = ShadeLegendSize(view, shade);
    int left = area.left + kMargin;
    int bottom = area.bottom - kMargin;
    return {left, bottom - size.y, left + size.x, bottom};
}
