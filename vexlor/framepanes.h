#pragma once

#include <functional>
#include <memory>

class AtlCoord;
class AtlMap;
class DWindow;
class Str;
class VexlorDoc;

// What the main window needs of the pane that shows the map.
class MapPane {
public:
    virtual ~MapPane() = default;
    virtual DWindow& Window() = 0;
    // The hex map the pane shows; the frame rebuilds it for the turn on show.
    virtual AtlMap& GetMap() = 0;
    // The level on show (0 the surface, 1 the underworld, 2 the nexus, 3 and up deeper).
    // Setting it repaints and describes that level's selection.
    virtual int GetCurPlain() const = 0;
    virtual void SetCurPlain(int plain) = 0;
    // The next level up (step -1) or down (+1) in the game's order, or -1 when there is none.
    virtual int NeighbourPlain(int step) const = 0;
    // The map was rebuilt: set up the scrolling again and repaint all of it.
    virtual void Update() = 0;
    // Selects hex c again after a rebuild and describes it, or empties the description when
    // nothing is known of it now.
    virtual void Reselect(const AtlCoord& c) = 0;
    // Scrolls so that hex c (on the plain on show) lies about in the middle of the pane.
    virtual void CenterOn(const AtlCoord& c) = 0;
    // Shows c's plain, centres hex c, selects it and describes it.
    virtual void GoTo(const AtlCoord& c) = 0;
    // hover(text) runs when the hex under the mouse changes: one line about it, or empty.
    virtual void OnHover(std::function<void(const Str&)> hover) = 0;
    // The zoom step (an index of HexGeometry::kZoomSteps); zoomed(step) runs whenever it
    // changes, by a command or the wheel.
    virtual int GetZoomStep() const = 0;
    virtual void SetZoomStep(int step) = 0;
    virtual void ShowWholeLevel() = 0;
    virtual void OnZoom(std::function<void(int)> zoomed) = 0;
};

// What the main window needs of the pane that describes the selected hex.
class DescrPane {
public:
    virtual ~DescrPane() = default;
    virtual DWindow& Window() = 0;
    // The document the description came from is gone: show nothing.
    virtual void Clear() = 0;
};

// The two panes of the main window, made in this order: the map pane fills the description.
struct FramePanes {
    std::unique_ptr<DescrPane> descr;
    std::unique_ptr<MapPane> map;
};

// The one place that decides which windows stand in the panes; parent is the main window,
// doc its document, which outlives the panes.
FramePanes MakeFramePanes(DWindow& parent, const VexlorDoc& doc);
