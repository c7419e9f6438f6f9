#include "mapwindow/mapwindow.h"

#include "app/globals.h"
#include "base/cp1252.h"
#include "base/messagetext.h"
#include "descr/descrtree.h"
#include "descrview/descrtreeview.h"
#include "gfx/grafview.h"
#include "map/hexsummary.h"
#include "map/zoom.h"
#include "mapview/shadepaint.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

// The window hands the toolkit's scroll-bar codes straight to the map's scroll arithmetic.
static_assert(SB_LINEUP == ScrollData::LineBack && SB_LINEDOWN == ScrollData::LineForward &&
              SB_PAGEUP == ScrollData::PageBack && SB_PAGEDOWN == ScrollData::PageForward &&
              SB_THUMBPOSITION == ScrollData::ThumbPosition &&
              SB_THUMBTRACK == ScrollData::ThumbTrack && SB_TOP == ScrollData::ToStart &&
              SB_BOTTOM == ScrollData::ToEnd && SB_ENDSCROLL == ScrollData::EndScroll);

MapView::MapView(DWindow* parent, MapViewHost& host)
    : DScrollWindow(parent), host_(host), geometry_(HexGeometry::kWrapWidth), map_(this),
      painter_(map_, geometry_) {
    // An empty grid, so that empty ground can be selected before the first document.
    map_.Clear();
    // A window given its size before this view was complete gets its buffer now.
    PixelRect client = GetClientRect();
    EvSize(client.Width(), client.Height());
}

MapView::~MapView() {
    map_.SetView(nullptr);
}

void MapView::SetCurPlain(int z) {
    if (z < 0 || z > 255 || z == curPlain_) return;
    // Each level comes back where the user left it; a level not seen yet opens on what is
    // known of it.
    placeOnLevel_[curPlain_] = {scroll_.column, scroll_.row};
    curPlain_ = z;
    auto place = placeOnLevel_.find(z);
    if (place != placeOnLevel_.end()) {
        scroll_.column = place->second.first;
        scroll_.row = place->second.second;
    }
    Update();
    if (place == placeOnLevel_.end())
        CenterOn(AreaCentre(KnownArea()));
    else
        CentreMargins();
    // The pane never describes a hex of a level not on show.
    const AtlPlain* plain = map_.GetPlain(z);
    if (plain && plain->GetSelCount() == 1)
        BuildDescrTree(plain->GetSelectedCoord());
    else if (DescrTreeView* pane = GetDescrTV())
        pane->SetRoot(nullptr);
    host_.LevelShown(z);
}

int MapView::NeighbourPlain(int step) const {
    // By rank, so that a level the map no longer holds still has neighbours.
    int rank = AtlMap::LevelRank(curPlain_);
    int found = -1;
    for (int z : map_.ShownLevels()) {
        if (step > 0 && AtlMap::LevelRank(z) > rank) return z;
        if (step < 0 && AtlMap::LevelRank(z) < rank) found = z;
    }
    return found;
}

void MapView::Update() {
    ++mapGeneration_;
    Relayout();
}

void MapView::Relayout() {
    const AtlPlain* plain = map_.GetPlain(curPlain_);
    // The zoom stays; wrap and rows are the level's.
    if (plain)
        geometry_.SetLevel(plain->WrapWidth(), plain->YExtent());
    else
        geometry_.SetLevel(AtlPlain::kDefaultWidth, 0);
    Reshade();
    SetupScrollBars();
    Invalidate();
}

void MapView::SetTrack(std::vector<TrackPoint> track) {
    track_.SetTrack(std::move(track));
    painter_.SetTrack(track_.IsEmpty() ? nullptr : &track_);
    Invalidate();
}

void MapView::SetMarks(MarkKind kind, std::vector<AtlCoord> hexes) {
    marks_.Set(kind, std::move(hexes));
    painter_.SetMarks(marks_.IsEmpty() ? nullptr : &marks_);
    Invalidate();
}

void MapView::SetShade(const ShadeChoice& choice) {
    shadeChoice_ = choice;
    Reshade();
    Invalidate();
    // What follows the map's colours (the minimap) draws them again.
    ++mapGeneration_;
    host_.ViewMoved();
}

void MapView::Reshade() {
    bool on = shadeChoice_.key != ShadeKey::None;
    shade_ = on ? ShadeLevel(GetDoc(), map_, curPlain_, shadeChoice_,
                             [](int id, std::initializer_list<std::string_view> args) {
                                 return FormatMessageText(Language.Text(id).Get(), args);
                             })
                : ShadeMap();
    painter_.SetShade(on ? &shade_ : nullptr);
}

PixelRect MapView::ShadeLegendRect() {
    if (shadeChoice_.key == ShadeKey::None) return {};
    OffscreenBuffer scratch;
    if (!scratch.Resize(1, 1)) return {};
    OffscreenBuffer::Painting painting(scratch);
    return ShadeLegendBox(painting.View(), shade_, GetClientRect());
}

int MapView::SelectableRows() const {
    const AtlPlain* plain = map_.GetPlain(curPlain_);
    return plain ? plain->YExtent() : 0;
}

AtlCoord MapView::ViewCoord2HexCoord(PixelPoint p) const {
    const AtlPlain* plain = map_.GetPlain(curPlain_);
    return geometry_.ViewCoord2HexCoord(p, scroll_, curPlain_, plain ? plain->XExtent() : 0);
}

void MapView::InvalidateHex(const AtlCoord& c) {
    if (c.z != curPlain_) return;
    for (PixelPoint corner : geometry_.HexCorners(c, scroll_))
        InvalidateHex(corner);
}

void MapView::InvalidateHex(PixelPoint corner) {
    PixelRect rect = geometry_.RedrawRect(corner);
    // Copies of the hex beside the window need nothing.
    if (rect.Intersects(GetClientRect())) InvalidateRect(rect);
}

void MapView::SelChanged() {
    const AtlPlain* plain = map_.GetPlain(curPlain_);
    if (plain && plain->GetSelCount() == 1) BuildDescrTree(plain->GetSelectedCoord());
}

void MapView::BuildDescrTree(const AtlCoord& c) {
    host_.HexDescribed(c);
    DescrTreeView* pane = GetDescrTV();
    if (!pane) return;
    std::unique_ptr<DescrTVRoot> root = ::BuildDescrTree(GetDoc(), map_, c, AppOptions.headings);
    if (root) pane->SetRoot(std::move(root));
}

void MapView::SetupScrollData() {
    PixelRect client = GetClientRect();
    const AtlPlain* plain = map_.GetPlain(curPlain_);
    scroll_.widthKnown = plain && plain->LearnedWidth() > 0;
    if (scroll_.Setup(client.Width(), client.Height(), plain ? plain->XExtent() : 0,
                      plain ? plain->YExtent() : 0, geometry_.WrapWidth(), geometry_.Metrics()))
        Invalidate();
}

void MapView::SetupScrollBars() {
    SetupScrollData();
    SetScrollInfo(SB_HORZ, scroll_.LastColumn(), scroll_.ColumnBarPage(geometry_.WrapWidth()),
                  scroll_.column);
    SetScrollInfo(SB_VERT, scroll_.LastRow(), scroll_.RowBarPage(), scroll_.row);
    // Every way the view moves ends here.
    host_.ViewMoved();
}

void MapView::EvHScroll(int code, int position) {
    int column = scroll_.column, row = scroll_.row;
    if (scroll_.HScroll(code, position, geometry_.WrapWidth())) ScrolledFrom(column, row);
    SetupScrollBars();
    UpdateWindow();
}

void MapView::EvVScroll(int code, int position) {
    int column = scroll_.column, row = scroll_.row;
    if (scroll_.VScroll(code, position)) ScrolledFrom(column, row);
    SetupScrollBars();
    UpdateWindow();
}

void MapView::ScrolledFrom(int column, int row) {
    // A margin that changed moves the whole picture.
    if (scroll_.originX != paintedOrigin_.x || scroll_.originY != paintedOrigin_.y) {
        Invalidate();
        return;
    }
    int dx = scroll_.column - column;
    int wrap = geometry_.WrapWidth();
    // The world repeats: the shorter way round moves the same picture.
    if (wrap != 0) dx = HexGeometry::Modulo(dx + wrap / 2, wrap) - wrap / 2;
    int px = -dx * geometry_.Metrics().ColumnStep();
    int py = -(scroll_.row - row) * geometry_.Metrics().RowStep();
    PixelRect client = GetClientRect();
    // What stays in view moves; only what comes into view is painted. The legend stays where
    // it is, so a shaded map is painted whole.
    if (std::abs(px) < client.Width() && std::abs(py) < client.Height() &&
        shadeChoice_.key == ShadeKey::None)
        ScrollWindow(px, py);
    else
        Invalidate();
}

void MapView::EvPaint(GrafView& view, const PixelRect& clip) {
    // The window may have moved to a screen of another density.
    double dpr = DevicePixelRatio();
    painter_.SetDevicePixelRatio(dpr);
    paintedOrigin_ = {scroll_.originX, scroll_.originY};
    if (!buffer_.IsNull() && buffer_.DevicePixelRatio() != dpr)
        buffer_.Resize(buffer_.Width(), buffer_.Height(), dpr);
    bool inBuffer = !buffer_.IsNull() && clip.left >= 0 && clip.top >= 0 &&
                    clip.right <= buffer_.Width() && clip.bottom <= buffer_.Height();
    auto draw = [&](GrafView& on) {
        painter_.Draw(on, clip, curPlain_, scroll_);
        if (shadeChoice_.key == ShadeKey::None) return;
        on.SaveState();
        on.IntersectClipRect(clip);
        PixelRect legend = ShadeLegendBox(on, shade_, GetClientRect());
        DrawShadeLegend(on, shade_, {legend.left, legend.top});
        on.RestoreState();
    };
    if (!inBuffer) {
        draw(view);
    } else {
        {
            OffscreenBuffer::Painting painting(buffer_);
            draw(painting.View());
        }
        view.CopyBuffer(buffer_, clip);
    }
    if (box_.IsDragging()) DrawDragBox(view, box_.Box());
}

void MapView::EvSize(int width, int height) {
    // Without a buffer (no memory for it) the view paints straight into the window.
    buffer_.Resize(width, height, DevicePixelRatio());
    CentreMargins();
}

void MapView::CentreMargins() {
    PixelRect client = GetClientRect();
    SetupScrollData();
    scroll_.CentreMargins(client.Width(), client.Height());
    SetupScrollBars();
    Invalidate();
}

void MapView::EvLButtonDown(unsigned flags, PixelPoint point) {
    if (box_.Begin(flags, point)) {
        DScrollWindow::EvLButtonDown(flags, point);
        return;
    }
    AtlCoord c;
    // Each level keeps its own selection.
    map_.Plain(curPlain_).ClearSelection();
    // Below the lowest known row and beside a small level there is nothing to select.
    if (HexAt(point, c)) map_.SelectHex(c, true);
    SelChanged();
    DScrollWindow::EvLButtonDown(flags, point);
}

void MapView::EvLButtonUp(unsigned flags, PixelPoint point) {
    if (!box_.IsDragging()) return;
    InvalidateRect(box_.Move(point));
    if (std::optional<PixelRect> box = box_.End(point, GetClientRect())) host_.ExportPart(*box);
}

void MapView::EvRButtonDown(unsigned flags, PixelPoint point) {
    AtlCoord c;
    if (HexAt(point, c)) CenterOn(c);
    DScrollWindow::EvRButtonDown(flags, point);
}

void MapView::CenterOn(const AtlCoord& c) {
    PixelRect client = GetClientRect();
    scroll_.CenterOn(c, client.Width(), client.Height(), geometry_.WrapWidth());
    Invalidate();
    SetupScrollBars();
    UpdateWindow();
}

void MapView::GoTo(const AtlCoord& c) {
    if (c.z != curPlain_) SetCurPlain(c.z);
    map_.Plain(curPlain_).ClearSelection();
    map_.SelectHex(c, true);
    CenterOn(c);
    SelChanged();
}

void MapView::ForgetPlaces() {
    placeOnLevel_.clear();
}

HexArea MapView::KnownArea() const {
    const AtlPlain* plain = map_.GetPlain(curPlain_);
    return plain ? StoredArea(*plain, geometry_.WrapWidth()) : HexArea();
}

void MapView::SetZoomStep(int step) {
    PixelRect client = GetClientRect();
    PixelPoint at{client.Width() / 2, client.Height() / 2};
    // The selected hex stays where it is, or comes into view when it was out of it.
    const AtlPlain* plain = map_.GetPlain(curPlain_);
    AtlCoord selected = plain ? plain->GetSelectedCoord() : AtlCoord(-1, -1, curPlain_);
    if (selected.x >= 0) {
        const HexMetrics& m = geometry_.Metrics();
        for (PixelPoint corner : geometry_.HexCorners(selected, scroll_)) {
            PixelPoint middle{corner.x + m.width / 2, corner.y + m.height / 2};
            if (client.Contains(middle)) at = middle;
        }
    }
    ZoomAt(step, at);
    // With nothing to keep in place, a level smaller than the window stands in its middle.
    if (selected.x < 0)
        CentreMargins();
    else if (scroll_.BringIntoView(selected, geometry_.WrapWidth())) {
        SetupScrollBars();
        Invalidate();
    }
}

void MapView::ZoomAt(int step, PixelPoint at) {
    HexGeometry zoomed = geometry_;
    zoomed.SetZoomStep(step);
    if (zoomed.ZoomStep() == geometry_.ZoomStep()) return;
    PixelRect client = GetClientRect();
    const AtlPlain& plain = map_.Plain(curPlain_);
    ZoomAround(scroll_, geometry_, zoomed, at, client.Width(), client.Height(), plain.XExtent(),
               plain.YExtent());
    geometry_ = zoomed;
    Relayout();
    host_.ZoomChanged(geometry_.ZoomStep());
}

void MapView::ShowWholeLevel() {
    PixelRect client = GetClientRect();
    HexArea known = KnownArea();
    geometry_.SetZoomStep(
        WholeLevelStep(known.columns, known.rows, client.Width(), client.Height()));
    Relayout();
    CenterOn(AreaCentre(known));
    host_.ZoomChanged(geometry_.ZoomStep());
}

bool MapView::EvZoomWheel(int delta, PixelPoint point) {
    zoomWheelRest_ += delta;
    int notches = zoomWheelRest_ / 120;
    zoomWheelRest_ -= notches * 120;
    if (notches != 0) ZoomAt(geometry_.ZoomStep() + notches, point);
    return true;
}

void MapView::StepSelection(AtlDirection::Type d) {
    AtlCoord from = map_.GetPlain(curPlain_)->GetSelectedCoord();
    if (from.x < 0) {
        PixelRect client = GetClientRect();
        from = ViewCoord2HexCoord({client.Width() / 2, client.Height() / 2});
        if (from.y >= SelectableRows()) return;
    } else {
        from = geometry_.Step(from, d, map_.Plain(curPlain_).XExtent(), SelectableRows());
    }
    map_.Plain(curPlain_).ClearSelection();
    map_.SelectHex(from, true);
    int column = scroll_.column, row = scroll_.row;
    if (scroll_.BringIntoView(from, geometry_.WrapWidth())) {
        ScrolledFrom(column, row);
        SetupScrollBars();
    }
    UpdateWindow();
    SelChanged();
}

namespace {

// The status bar and the tip take UTF-8; region and town names are the reports' own 8-bit text.
Str WindowText(const Str& reportText) {
    return Str(Cp1252ToUtf8(reportText.View()));
}

} // namespace

bool MapView::HexAt(PixelPoint point, AtlCoord& c) const {
    c = ViewCoord2HexCoord(point);
    return c.y < SelectableRows() && scroll_.InLevel(point);
}

void MapView::EvMouseMove(PixelPoint point) {
    if (box_.IsDragging()) InvalidateRect(box_.Move(point));
    AtlCoord c;
    if (!HexAt(point, c)) c = AtlCoord(-1, -1, curPlain_);
    if (c == hover_) return;
    hover_ = c;
    host_.ShowHover(c.x < 0 ? Str() : WindowText(HexSummary(map_, c)));
}

void MapView::EvMouseLeave() {
    hover_ = AtlCoord(-1, -1, curPlain_);
    host_.ShowHover(Str());
}

Str MapView::GetToolTip(PixelPoint point) {
    AtlCoord c;
    return HexAt(point, c) ? WindowText(HexTip(map_, c)) : Str();
}

namespace {

// The selection keys: letters around S on the keyboard, digits as on the numeric keypad.
bool HexDirectionOfKey(unsigned key, AtlDirection::Type& d) {
    switch (key) {
    case 'W':
    case '8':
        d = AtlDirection::North;
        return true;
    case 'E':
    case '9':
        d = AtlDirection::Northeast;
        return true;
    case 'D':
    case '3':
        d = AtlDirection::Southeast;
        return true;
    case 'S':
    case '2':
        d = AtlDirection::South;
        return true;
    case 'A':
    case '1':
        d = AtlDirection::Southwest;
        return true;
    case 'Q':
    case '7':
        d = AtlDirection::Northwest;
        return true;
    default:
        return false;
    }
}

// With NumLock off the keypad's digits arrive as the keys printed under them; the hex keys
// go by the keypad's places all the same. Its 4 and 6 (left and right) still scroll.
unsigned KeypadDigit(unsigned key) {
    switch (key) {
    case VK_HOME:
        return '7';
    case VK_UP:
        return '8';
    case VK_PRIOR:
        return '9';
    case VK_END:
        return '1';
    case VK_DOWN:
        return '2';
    case VK_NEXT:
        return '3';
    default:
        return key;
    }
}

} // namespace

bool MapView::EvKeyDown(unsigned key, unsigned flags) {
    bool ctrl = (flags & MK_CONTROL) != 0;
    if (flags & MK_KEYPAD) key = KeypadDigit(key);
    AtlDirection::Type direction;
    if (!ctrl && HexDirectionOfKey(key, direction)) {
        StepSelection(direction);
        return true;
    }
    switch (key) {
    case VK_LEFT:
        ctrl ? ScrollPgLeft() : ScrollLeft();
        return true;
    case VK_RIGHT:
        ctrl ? ScrollPgRight() : ScrollRight();
        return true;
    case VK_UP:
        ScrollUp();
        return true;
    case VK_DOWN:
        ScrollDown();
        return true;
    case VK_PRIOR:
        ctrl ? ScrollPgLeft() : ScrollPgUp();
        return true;
    case VK_NEXT:
        ctrl ? ScrollPgRight() : ScrollPgDown();
        return true;
    case VK_HOME:
        ctrl ? ScrollToBegin() : ScrollLineBegin();
        return true;
    case VK_END:
        ctrl ? ScrollToEnd() : ScrollLineEnd();
        return true;
    default:
        return false;
    }
}
