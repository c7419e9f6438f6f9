#include "vexlor/framepanes.h"

#include "descrview/descrtreeview.h"
#include "map/atlmap.h"
#include "mapwindow/mapwindow.h"

namespace {

class DescrTreePane : public DescrPane {
public:
    explicit DescrTreePane(DWindow& parent) : view_(&parent) { view_.SetName("descrPane"); }
    DWindow& Window() override { return view_; }
    void Clear() override { view_.SetRoot(nullptr); }
    DescrTreeView& View() { return view_; }

private:
    DescrTreeView view_;
};

// The map view, with the frame's document and description pane as its host.
class MapViewPane : public MapPane, private MapViewHost {
public:
    MapViewPane(DWindow& parent, const VexlorDoc& doc, DescrTreeView& descr)
        : doc_(doc), descr_(descr), view_(&parent, *this) {
        view_.SetName("mapView");
    }

    DWindow& Window() override { return view_; }
    AtlMap& GetMap() override { return view_.GetMap(); }
    int GetCurPlain() const override { return view_.GetCurPlain(); }
    void SetCurPlain(int plain) override { view_.SetCurPlain(plain); }
    int NeighbourPlain(int step) const override { return view_.NeighbourPlain(step); }
    void Update() override { view_.Update(); }
    void CenterOn(const AtlCoord& c) override { view_.CenterOn(c); }
    void GoTo(const AtlCoord& c) override {
        descr_.SetRoot(nullptr);
        view_.GoTo(c);
    }
    void OnHover(std::function<void(const Str&)> hover) override { hover_ = std::move(hover); }
    int GetZoomStep() const override { return view_.GetZoomStep(); }
    void SetZoomStep(int step) override { view_.SetZoomStep(step); }
    void ShowWholeLevel() override { view_.ShowWholeLevel(); }
    void OnZoom(std::function<void(int)> zoomed) override { zoomed_ = std::move(zoomed); }
    void Reselect(const AtlCoord& c) override {
        view_.GetMap().SelectHex(c, true);
        // Only the level on show is described.
        if (c.z != view_.GetCurPlain()) return;
        descr_.SetRoot(nullptr);
        view_.SelChanged();
    }

private:
    const VexlorDoc& GetDoc() const override { return doc_; }
    DescrTreeView* GetDescrTV() override { return &descr_; }
    void ShowHover(const Str& text) override {
        if (hover_) hover_(text);
    }
    void ZoomChanged(int step) override {
        if (zoomed_) zoomed_(step);
    }

    const VexlorDoc& doc_;
    DescrTreeView& descr_;
    MapView view_;
    std::function<void(const Str&)> hover_;
    std::function<void(int)> zoomed_;
};

} // namespace

FramePanes MakeFramePanes(DWindow& parent, const VexlorDoc& doc) {
    FramePanes panes;
    auto descr = std::make_unique<DescrTreePane>(parent);
    DescrTreeView& tree = descr->View();
    panes.descr = std::move(descr);
    panes.map = std::make_unique<MapViewPane>(parent, doc, tree);
    tree.OnGoTo([map = panes.map.get()](const AtlCoord& c) { map->GoTo(c); });
    return panes;
}
