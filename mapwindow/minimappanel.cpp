#include "mapwindow/minimappanel.h"

#include "mapwindow/mapwindow.h"

MinimapPanel::MinimapPanel(DFrameWindow* frame, const char* caption, const Place& place,
                           MapView& map)
    : DPicturePanel(frame, "minimapPanel", caption, place), map_(map) {}

void MinimapPanel::Follow() {
    if (IsOpen()) Invalidate();
}

const MinimapLayout& MinimapPanel::Layout() {
    RenderIfChanged();
    return layout_;
}

void MinimapPanel::RenderIfChanged() {
    PixelRect box = GetPictureRect();
    double dpr = DevicePixelRatio();
    if (!picture_.IsNull() && generation_ == map_.MapGeneration() && level_ == map_.GetCurPlain() &&
        size_ == box && dpr_ == dpr)
        return;
    generation_ = map_.MapGeneration();
    level_ = map_.GetCurPlain();
    size_ = box;
    dpr_ = dpr;
    layout_ = MinimapLayout::OfLevel(map_.GetMap().GetPlain(level_), map_.GetGeometry().WrapWidth(),
                                     box.Width(), box.Height());
    picture_.Render(map_.GetMap(), level_, layout_, map_.GetPainter(), box.Width(), box.Height(),
                    dpr);
}

void MinimapPanel::EvPaint(GrafView& view, const PixelRect& clip) {
    PixelRect client = map_.GetClientRect();
    picture_.Draw(
        view, clip,
        Layout().ViewPieces(map_.GetScroll(), map_.GetGeometry(), client.Width(), client.Height()));
}

void MinimapPanel::EvLeftButton(PixelPoint point) {
    AtlCoord c;
    if (Layout().HexAt(point, map_.GetCurPlain(), c)) map_.CenterOn(c);
}
