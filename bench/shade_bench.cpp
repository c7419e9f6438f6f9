#include "base/messagetext.h"
#include "base/wstream.h"
#include "bench_data.h"
#include "gfx/offscreen.h"
#include "gfx/offscreengui.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "map/hexgeometry.h"
#include "map/scrolldata.h"
#include "map/shade.h"
#include "mapview/mappainter.h"
#include "model/vexlordoc.h"
#include "report/intake.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

class SilentUser : public IntakeUser {
public:
    bool ReplaceTurn(const TurnReplacement&) override { return true; }
};

// The world report (about 2,000 regions) as January and again as February, so that both
// turns show every region with its own weather sentence.
const VexlorDoc& WorldDoc() {
    static std::unique_ptr<VexlorDoc> doc = [] {
        auto made = std::make_unique<VexlorDoc>();
        std::string january = ReadWholeFile(WorldReportPath());
        std::string february = january;
        size_t date = february.find("January, Year 1");
        if (date != std::string::npos) february.replace(date, 7, "February");
        SilentUser user;
        for (const std::string* text : {&january, &february}) {
            imwstream in(text->data(), text->size());
            if (AddReport(in, IntakeTarget{*made, user, nullptr}) != 0) return decltype(made)();
        }
        return made;
    }();
    return *doc;
}

Str English(int id, std::initializer_list<std::string_view> args) {
    return EnglishMessage(id, args);
}

struct Window {
    OffscreenGui gui;
    AtlMap map;
    HexGeometry geometry;
    MapPainter painter{map, geometry};
    OffscreenBuffer buffer;
    ScrollData scroll;
    ShadeMap shade;
    Window() {
        buffer.Resize(1920, 1080);
        scroll.Setup(1920, 1080, 64, 64, HexGeometry::kWrapWidth);
        painter.SetShade(&shade);
    }
    void Repaint() {
        OffscreenBuffer::Painting painting(buffer);
        painter.Draw(painting.View(), {0, 0, 1920, 1080}, 0, scroll);
    }
};

// Another shading chosen: the classes of the level made again, then the full repaint of a
// 1920 x 1080 view. Arg: the key (wages, weather, factions; 3: none, the repaint alone).
void BM_ShadeChange(benchmark::State& state) {
    const VexlorDoc& doc = WorldDoc();
    if (!doc.LastTurn()) {
        state.SkipWithError("world report not read");
        return;
    }
    Window window;
    FormatMap(doc, window.map, doc.LastTurn()->date);
    const ShadeKey keys[] = {ShadeKey::Wages, ShadeKey::Weather, ShadeKey::Factions,
                             ShadeKey::None};
    ShadeChoice choice{keys[state.range(0)], ""};
    for (auto _ : state) {
        window.shade = ShadeLevel(doc, window.map, 0, choice, English);
        window.Repaint();
    }
    state.counters["shaded"] = static_cast<double>(window.shade.ShadedCount());
}
BENCHMARK(BM_ShadeChange)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Next or Previous turn with the map shaded by this month's weather: the map, its classes
// and the full repaint.
void BM_ShadedTurnSwitch(benchmark::State& state) {
    const VexlorDoc& doc = WorldDoc();
    if (!doc.LastTurn()) {
        state.SkipWithError("world report not read");
        return;
    }
    Window window;
    const AtlDate dates[] = {doc.LastTurn()->date, doc.FirstTurn()->date};
    const ShadeChoice weather{ShadeKey::Weather, ""};
    long switches = 0;
    for (auto _ : state) {
        FormatMap(doc, window.map, dates[switches++ % 2]);
        window.shade = ShadeLevel(doc, window.map, 0, weather, English);
        window.Repaint();
    }
    state.counters["shaded"] = static_cast<double>(window.shade.ShadedCount());
}
BENCHMARK(BM_ShadedTurnSwitch)->Unit(benchmark::kMillisecond);

} // namespace
