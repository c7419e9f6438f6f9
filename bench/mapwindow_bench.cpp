#include "bench_data.h"

#include "descrview/descrtreeview.h"
#include "map/formatmap.h"
#include "mapwindow/mapwindow.h"
#include "report/intake.h"
#include "ui/dapplication.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

class SilentUser : public IntakeUser {
public:
    bool ReplaceTurn(const TurnReplacement&) override { return true; }
};

// A full-screen map view beside its description pane, counting what it paints.
class Window : public MapViewHost {
public:
    explicit Window(const VexlorDoc& doc) : doc_(doc) {}
    const VexlorDoc& GetDoc() const override { return doc_; }
    DescrTreeView* GetDescrTV() override { return &pane; }

    class View : public MapView {
    public:
        using MapView::MapView;
        void EvPaint(GrafView& view, const PixelRect& clip) override {
            painted += static_cast<long>(clip.Width()) * clip.Height();
            MapView::EvPaint(view, clip);
        }
        long painted = 0;
    };

    DescrTreeView pane{nullptr};
    View view{nullptr, *this};

private:
    const VexlorDoc& doc_;
};

// The head-standard world in a 1920 x 1080 map view shown on Qt's offscreen platform.
struct Shown {
    Shown() {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        SilentUser user;
        AddReportFile(WorldReportPath().c_str(), IntakeTarget{doc, user, nullptr});
        if (!doc.LastTurn()) return;
        FormatMap(doc, window.view.GetMap(), doc.LastTurn()->date);
        window.view.Resize(1920, 1080);
        window.view.Show(SW_SHOWNORMAL);
        window.view.Update();
        DApplication::PumpWaitingMessages();
        window.view.painted = 0;
    }
    DApplication app{nullptr, nullptr, "", SW_SHOWNORMAL};
    VexlorDoc doc;
    Window window{doc};
};

// A click on another hex: the selection change, the description of the hex and the painting
// of what the click made invalid, done at once.
void BM_MapWindowClick(benchmark::State& state) {
    Shown shown;
    if (!shown.doc.LastTurn()) {
        state.SkipWithError("world report not found");
        return;
    }
    MapView& view = shown.window.view;
    const PixelPoint hexes[] = {{400, 300}, {437, 321}};
    long clicks = 0;
    for (auto _ : state) {
        view.EvLButtonDown(MK_LBUTTON, hexes[clicks++ % 2]);
        view.UpdateWindow();
    }
    state.counters["painted px per click"] = double(shown.window.view.painted) / clicks;
}
BENCHMARK(BM_MapWindowClick)->Unit(benchmark::kMicrosecond);

// One step right: the picture moves and the column that comes into view is painted.
void BM_MapWindowScrollStep(benchmark::State& state) {
    Shown shown;
    if (!shown.doc.LastTurn()) {
        state.SkipWithError("world report not found");
        return;
    }
    long steps = 0;
    for (auto _ : state) {
        shown.window.view.ScrollRight();
        ++steps;
    }
    state.counters["painted px per step"] = double(shown.window.view.painted) / steps;
}
BENCHMARK(BM_MapWindowScrollStep)->Unit(benchmark::kMicrosecond);

} // namespace
