#pragma once

#include "gfx/offscreen.h"
#include "map/atlmap.h"
#include "map/hexgeometry.h"
#include "map/hexmarks.h"
#include "map/mapviewsink.h"
#include "map/scrolldata.h"
#include "map/shade.h"
#include "map/storedarea.h"
#include "mapview/mappainter.h"
#include "mapview/trackpaint.h"
#include "mapwindow/dragbox.h"
#include "ui/dscrollwindow.h"

#include <map>
#include <utility>

class DescrTreeView;
class VexlorDoc;

// What the map view needs of the window that owns it: the document it shows and the
// description pane it fills.
class MapViewHost {
public:
    virtual ~MapViewHost() = default;
    virtual const VexlorDoc& GetDoc() const = 0;
    virtual DescrTreeView* GetDescrTV() = 0;
    // What lies under the mouse, one line (empty when the mouse is off the map).
    virtual void ShowHover(const Str& text) {}
    // The view zoomed to another step.
    virtual void ZoomChanged(int step) {}
    // Level z is on show now. Every way to another level ends here, so what names the level
    // or depends on it (the status bar, Plain up and down) follows it from this one place.
    virtual void LevelShown(int z) {}
    // The view scrolled, zoomed, or shows another level or map (what follows the view, the
    // minimap, looks again).
    virtual void ViewMoved() {}
    // A box (window pixels) was dragged over the map to export that part of it.
    virtual void ExportPart(const PixelRect& box) {}
    // The pane describes hex c now (the selection moved to it, or the map was rebuilt).
    virtual void HexDescribed(const AtlCoord& c) {}
};

// The map window: one level of the hex map for the turn on show, scrolled over a world that
// wraps east to west at the level's width, as tall as the level. A left click selects the hex under
// the mouse and describes it in the host's description pane; a right click centres the view on a
// hex. A drag with Shift held (or any drag after ArmExportBox) draws a box instead, handed to the
// host to export. It owns the hex map; the host fills it (FormatMap) and then calls Update.
class MapView : public DScrollWindow, public MapViewSink {
public:
    MapView(DWindow* parent, MapViewHost& host);
    ~MapView() override;

    AtlMap& GetMap() { return map_; }
    const AtlMap& GetMap() const { return map_; }
    const VexlorDoc& GetDoc() const { return host_.GetDoc(); }
    DescrTreeView* GetDescrTV() { return host_.GetDescrTV(); }

    // Shows level z (any level; one the map holds nothing of is empty ground). The level's
    // own selection comes back, and the pane describes it or shows nothing.
    void SetCurPlain(int z);
    int GetCurPlain() const { return curPlain_; }
    // The level on show's next level up (-1) or down (+1) in the game's order among the
    // levels the map holds, or -1 when there is none.
    int NeighbourPlain(int step) const;
    // After the map changed: wrap and rows of the level taken again, scroll bars set up
    // again, the whole window repainted.
    void Update();
    // Counts the calls of Update (the map or the level on show changed; a zoom does not count):
    // what draws the map elsewhere (the minimap) draws it again when this changed.
    unsigned MapGeneration() const { return mapGeneration_; }
    // The painter, whose colours the minimap shares.
    const MapPainter& GetPainter() const { return painter_; }

    // The hex under a point of the client area, on the plain shown.
    AtlCoord ViewCoord2HexCoord(PixelPoint p) const;
    // Repaints hex c (every copy of it in view) when it lies on the plain shown.
    void InvalidateHex(const AtlCoord& c) override;
    // Repaints the hex picture whose corner is at corner, with a small margin.
    void InvalidateHex(PixelPoint corner);

    // The selection changed: one selected hex of the level on show is described in the pane;
    // otherwise the pane keeps what it shows.
    void SelChanged();
    // Describes hex c of the plain shown in the pane; leaves the pane alone when there is
    // nothing to describe.
    void BuildDescrTree(const AtlCoord& c);

    // Scrolls so that hex c lies about in the middle of the window (the right click's step).
    void CenterOn(const AtlCoord& c);
    // Shows c's plain, centres hex c, selects it alone and describes it (a find's choice).
    void GoTo(const AtlCoord& c);
    // The zoom step on show, an index of HexGeometry::kZoomSteps.
    int GetZoomStep() const { return geometry_.ZoomStep(); }
    // Zooms to step (kept within the steps) around the selected hex, which stays in view,
    // or around the middle of the window when none is selected.
    void SetZoomStep(int step);
    // Zooms to step keeping the hex under window point `at` where it is.
    void ZoomAt(int step, PixelPoint at);
    // The largest step at which every known hex of the level shows, centred on them.
    void ShowWholeLevel();
    // Levels open on what is known of them again (another document is shown).
    void ForgetPlaces();
    // Shades the map by choice (None: not at all), with its legend in the bottom-left corner;
    // the classes follow the level on show and every Update.
    void SetShade(const ShadeChoice& choice);
    const ShadeChoice& GetShade() const { return shadeChoice_; }
    const ShadeMap& ShadeClasses() const { return shade_; }
    // Outlines hexes of one kind (none: the kind's outlines go) until set again; the marks
    // stay across turns and levels, their owner sets them anew when they should follow.
    void SetMarks(MarkKind kind, std::vector<AtlCoord> hexes);
    const HexMarks& GetMarks() const { return marks_; }
    // Draws a unit's track over the map (empty: none) until set again.
    void SetTrack(std::vector<TrackPoint> track);
    const TrackPainter& GetTrack() const { return track_; }
    // Where the legend stands in the window; empty while the map is not shaded.
    PixelRect ShadeLegendRect();

    // Moves the selection one hex in direction d on the plain shown (from the hex in the
    // middle of the window when none is selected there) and scrolls it into view; at the
    // world's edge it stays.
    void StepSelection(AtlDirection::Type d);

    const ScrollData& GetScroll() const { return scroll_; }
    const HexGeometry& GetGeometry() const { return geometry_; }

    void SetupScrollData();
    void SetupScrollBars();
    // The keyboard's scroll steps, each one step of a scroll bar.
    void ScrollLeft() { EvHScroll(SB_LINEUP, 0); }
    void ScrollRight() { EvHScroll(SB_LINEDOWN, 0); }
    void ScrollUp() { EvVScroll(SB_LINEUP, 0); }
    void ScrollDown() { EvVScroll(SB_LINEDOWN, 0); }
    void ScrollPgLeft() { EvHScroll(SB_PAGEUP, 0); }
    void ScrollPgRight() { EvHScroll(SB_PAGEDOWN, 0); }
    void ScrollPgUp() { EvVScroll(SB_PAGEUP, 0); }
    void ScrollPgDown() { EvVScroll(SB_PAGEDOWN, 0); }
    void ScrollLineBegin() { EvHScroll(SB_TOP, 0); }
    void ScrollLineEnd() { EvHScroll(SB_BOTTOM, 0); }
    void ScrollToBegin() { EvVScroll(SB_TOP, 0); }
    void ScrollToEnd() { EvVScroll(SB_BOTTOM, 0); }
    bool IsRightEdge() const { return scroll_.IsRightEdge(); }
    bool IsDownEdge() const { return scroll_.IsDownEdge(); }

    void EvHScroll(int code, int position) override;
    void EvVScroll(int code, int position) override;
    void EvPaint(GrafView& view, const PixelRect& clip) override;
    void EvSize(int width, int height) override;
    void EvLButtonDown(unsigned flags, PixelPoint point) override;
    void EvRButtonDown(unsigned flags, PixelPoint point) override;
    void EvLButtonUp(unsigned flags, PixelPoint point) override;
    // The next drag, with Shift or without, draws a box to export.
    void ArmExportBox() { box_.Arm(); }
    // Arrows step, Page Up/Down page up and down (with Ctrl left and right), Home and End go
    // to the first and last column (with Ctrl the first and last row). W, E, D, S, A and Q,
    // or 8, 9, 3, 2, 1 and 7 (as on the numeric keypad), move the selection north, northeast,
    // southeast, south, southwest and northwest; the keypad's keys do so with NumLock off too.
    bool EvKeyDown(unsigned key, unsigned flags) override;
    // Ctrl and the wheel zoom, a step a notch, around the point under the mouse.
    bool EvZoomWheel(int delta, PixelPoint point) override;
    void EvMouseMove(PixelPoint point) override;
    void EvMouseLeave() override;
    Str GetToolTip(PixelPoint point) override;

private:
    // Update without a change of the map (another zoom): wrap, rows and scroll bars again.
    void Relayout();
    // The part of the level on show that holds its known hexes, each once.
    HexArea KnownArea() const;
    // The rows of the level on show a click may select: the known ones.
    int SelectableRows() const;
    // Moves the contents after the scroll position changed from (column, row).
    void ScrolledFrom(int column, int row);
    // A level smaller than the window stands in its middle.
    void CentreMargins();
    // The shade classes of the level on show made again.
    void Reshade();
    // The hex under point when it lies within the map's rows and on the level; false below
    // them and beside a level smaller than the window.
    bool HexAt(PixelPoint point, AtlCoord& c) const;

    MapViewHost& host_;
    ScrollData scroll_;
    HexGeometry geometry_;
    AtlMap map_;
    MapPainter painter_;
    int curPlain_ = 0;
    std::map<int, std::pair<int, int>> placeOnLevel_; // level to the column and row left at
    OffscreenBuffer buffer_;    // the client area's picture, remade on each resize
    AtlCoord hover_{-1, -1, 0}; // the hex last reported under the mouse
    int zoomWheelRest_ = 0;     // wheel turns short of a notch
    PixelPoint paintedOrigin_;  // the level's margins in the picture on screen
    unsigned mapGeneration_ = 0;
    DragBox box_; // a box being dragged to export
    ShadeChoice shadeChoice_;
    ShadeMap shade_;
    HexMarks marks_;
    TrackPainter track_;
};
