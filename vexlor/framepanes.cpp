#include "vexlor/framepanes.h"

#include "gfx/offscreen.h"
#include "map/atlmap.h"
#include "map/hexgeometry.h"
#include "map/storedarea.h"
#include "mapview/maprender.h"
#include "ui/dwindow.h"
#include "ui/picturewindow.h"

// Stand-ins until the map view and the description tree view join the program: the map pane
// shows a still picture of the plain on show, the description pane stays empty.
namespace {

class PictureMapPane : public MapPane {
public:
    explicit PictureMapPane(DWindow& parent) : window_(&parent, "mapView") {}

    DWindow& Window() override { return window_; }
    AtlMap& GetMap() override { return map_; }
    int GetCurPlain() const override { return plain_; }
    void SetCurPlain(int plain) override {
        plain_ = plain;
        Update();
    }
    void Update() override {
        OffscreenBuffer picture;
        if (RenderPlain(map_, plain_, picture))
            window_.SetPicture(picture);
        else
            window_.ClearPicture();
    }
    void CenterOn(const AtlCoord& c) override {
        const AtlPlain* plain = map_.GetPlain(plain_);
        if (!plain || c.z != plain_) return;
        // The picture starts where RenderPlain starts it.
        HexArea area = StoredArea(*plain, HexGeometry::kWrapWidth);
        int column = c.x - area.column;
        if (area.wrapWidth) column = HexGeometry::Modulo(column, area.wrapWidth);
        window_.CenterOn(column * HexGeometry::kColumnStep + HexGeometry::kHexWidth / 2,
                         (c.y - area.row) * HexGeometry::kRowStep + HexGeometry::kHexHeight / 2);
    }

private:
    DPictureWindow window_;
    AtlMap map_;
    int plain_ = 0;
};

class EmptyDescrPane : public DescrPane {
public:
    explicit EmptyDescrPane(DWindow& parent) : window_(&parent, "descrPane") {}
    DWindow& Window() override { return window_; }
    void Clear() override {}

private:
    DWindow window_;
};

} // namespace

FramePanes MakeFramePanes(DWindow& parent, const VexlorDoc& doc) {
    (void)doc; // the map view reads the document when a hex is selected
    FramePanes panes;
    panes.descr = std::make_unique<EmptyDescrPane>(parent);
    panes.map = std::make_unique<PictureMapPane>(parent);
    return panes;
}
