#include "mapwindow/dragbox.h"

#include "gfx/grafview.h"
#include "ui/dscrollwindow.h"

#include <algorithm>
#include <cstdlib>

bool DragBox::Begin(unsigned flags, PixelPoint point) {
    if (!armed_ && !(flags & MK_SHIFT)) return false;
    armed_ = false;
    dragging_ = true;
    from_ = to_ = point;
    return true;
}

PixelRect DragBox::Move(PixelPoint point) {
    PixelRect before = Box();
    to_ = point;
    PixelRect after = Box();
    // One pixel more each way: the outline is drawn on the box's edge pixels.
    return {std::min(before.left, after.left) - 1, std::min(before.top, after.top) - 1,
            std::max(before.right, after.right) + 1, std::max(before.bottom, after.bottom) + 1};
}

std::optional<PixelRect> DragBox::End(PixelPoint point, const PixelRect& client) {
    if (!dragging_) return std::nullopt;
    dragging_ = false;
    to_ = point;
    if (std::abs(to_.x - from_.x) < kSmallest || std::abs(to_.y - from_.y) < kSmallest)
        return std::nullopt;
    PixelRect box = Box();
    box = {std::max(box.left, client.left), std::max(box.top, client.top),
           std::min(box.right, client.right), std::min(box.bottom, client.bottom)};
    if (box.IsEmpty()) return std::nullopt;
    return box;
}

PixelRect DragBox::Box() const {
    return {std::min(from_.x, to_.x), std::min(from_.y, to_.y), std::max(from_.x, to_.x),
            std::max(from_.y, to_.y)};
}

void DrawDragBox(GrafView& view, const PixelRect& box) {
    auto outline = [&](const PixelRect& r, GrafColor color) {
        view.SetPen(color);
        view.MoveTo(r.left, r.top);
        view.LineTo(r.right, r.top);
        view.LineTo(r.right, r.bottom);
        view.LineTo(r.left, r.bottom);
        view.LineTo(r.left, r.top);
    };
    outline({box.left - 1, box.top - 1, box.right, box.bottom}, GrafColor{0, 0, 0});
    outline({box.left, box.top, box.right - 1, box.bottom - 1}, GrafColor{255, 255, 255});
}
