#pragma once

#include "map/minimap.h"
#include "mapview/minimappicture.h"
#include "ui/picturepanel.h"

class MapView;

// The minimap: a docked overview of the whole level the map view shows, each hex a patch of
// its colour, with the view's window marked on it. A click, or a drag, centres the map view on
// the hex under the mouse. The patches are drawn again only when the map view's map, its level
// or the panel's size changed; a scroll or a zoom of the view moves the frame alone.
class MinimapPanel : public DPicturePanel {
public:
    MinimapPanel(DFrameWindow* frame, const char* caption, const Place& place, MapView& map);

    // The map view moved or changed (MapViewHost::ViewMoved): the panel paints again, soon.
    void Follow();
    // Where the level on show lies on the panel now (the picture is brought up to date first).
    const MinimapLayout& Layout();
    // How many times the patches were drawn: a scroll or a zoom must not draw them again.
    int RenderCount() const { return picture_.RenderCount(); }

protected:
    void EvPaint(GrafView& view, const PixelRect& clip) override;
    void EvLeftButton(PixelPoint point) override;

private:
    // Draws the patches again when what they show changed since.
    void RenderIfChanged();

    MapView& map_;
    MinimapLayout layout_;
    MinimapPicture picture_;
    // What the picture shows: the map view's map and level, and the panel's size.
    unsigned generation_ = 0;
    int level_ = -1;
    PixelRect size_;
    double dpr_ = 0;
};
