#include "gfx/offscreen.h"
#include "gfx/offscreengui.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "map/hexgeometry.h"
#include "map/scrolldata.h"
#include "mapview/mappainter.h"
#include "model/vexlordoc.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A document of `turns` turns that each saw `locations` regions: every tenth only from a
// neighbour's exits, the others with a market and products, and every fourth of those with
// two units carrying three items each, standing in a building; some units on guard.
std::unique_ptr<VexlorDoc> MakeDocument(int turns, int locations, int faction = 3) {
    auto doc = std::make_unique<VexlorDoc>();
    doc->SetFaction(faction);
    for (int t = 0; t < turns; ++t) {
        TurnNode* turn = doc->RegisterTurn(AtlDate(12 + t));
        turn->factions.Register(3, "Red Wolves");
        for (int i = 0; i < locations; ++i) {
            // Half on each plain, 50 columns wide.
            int column = i / 2 % 50, row = i / 100 % 100;
            LocationNode& loc = *turn->RegisterLoc(AtlCoord(2 * column + row % 2, row, i % 2));
            loc.terrain = TerrainType::Plain;
            loc.regionName = "Cluen";
            if (i % 10 == 0) {
                loc.flags = LocationNode::LocPartial;
                continue;
            }
            loc.peasants = 2613;
            loc.peasantRace = "plainsmen";
            loc.silver = 2665;
            loc.wages = 15;
            loc.maxWages = 1786;
            loc.entertainment = 148;
            loc.wanted.Add(new ItemPriceNode(10, "grain", "GRAI", 20));
            loc.forSale.Add(new ItemPriceNode(104, "plainsmen", "PLAI", 60));
            loc.forSale.Add(new ItemPriceNode(20, "leaders", "LEAD", 120));
            loc.forSale.Add(new ItemPriceNode(-1, "horses", "HORS", 75));
            loc.products.Add(new ItemNode(40, "livestock", "LIVE"));
            loc.products.Add(new ItemNode(20, "horses", "HORS"));
            loc.products.Add(new ItemNode(10, "wood", "WOOD"));
            if (i % 4 != 1) continue;
            auto* building = new BuildingNode();
            building->name = "Building";
            building->number = 1;
            building->text = "Tower.";
            loc.buildings.Add(building);
            for (int u = 0; u < 2; ++u) {
                auto* unit = new UnitNode();
                unit->name = "Captain";
                unit->number = 100 + u;
                unit->faction = 3 + u;
                unit->building = static_cast<uint16_t>(u);
                unit->flags = (i + t) % 20 == 1 && u == 0 ? uint32_t{UnitNode::OnGuard} : 0u;
                unit->items.Add(new ItemNode(1, "leader", "LEAD"));
                unit->items.Add(new ItemNode(2, "iron", "IRON"));
                unit->items.Add(new ItemNode(876, "silver", "SILV"));
                loc.units.Add(unit);
            }
        }
    }
    return doc;
}

// A document of faction 3 holding factions 4, 5 and 6 as allies, each ally's map made as the
// player's (the same months and regions), so that every hex is seen by four sources a month.
std::unique_ptr<VexlorDoc> MakeAlliance(int turns, int locations) {
    auto doc = MakeDocument(turns, locations);
    for (int faction = 4; faction <= 6; ++faction) {
        AllyMap& ally = doc->Extras().allies.Take(faction);
        ally.name = "Ally";
        *ally.doc = std::move(*MakeDocument(turns, locations, faction));
    }
    return doc;
}

// One document at a time: the largest takes several hundred megabytes.
const VexlorDoc& Document(int turns, int locations) {
    static std::unique_ptr<VexlorDoc> doc;
    static int madeTurns = -1, madeLocations = -1;
    if (turns != madeTurns || locations != madeLocations) {
        doc.reset();
        doc = MakeDocument(turns, locations);
        madeTurns = turns;
        madeLocations = locations;
    }
    return *doc;
}

// The rebuild for the newest turn.
void BM_FormatMap(benchmark::State& state) {
    int turns = static_cast<int>(state.range(0)), locations = static_cast<int>(state.range(1));
    const VexlorDoc& doc = Document(turns, locations);
    AtlMap map;
    for (auto _ : state) {
        FormatMap(doc, map, doc.LastTurn()->date);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * turns * locations);
    state.counters["ns/location"] = benchmark::Counter(
        static_cast<double>(turns) * locations,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The rebuild for the first turn: the later turns are passed over.
void BM_FormatMapFirstTurn(benchmark::State& state) {
    const VexlorDoc& doc =
        Document(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    AtlMap map;
    for (auto _ : state) {
        FormatMap(doc, map, doc.FirstTurn()->date);
        benchmark::ClobberMemory();
    }
}

// Presses of Next or Previous turn: the map for the other of the last two turns, then the
// full repaint of a 1920 x 1080 view.
void SwitchTurns(benchmark::State& state, const VexlorDoc& doc) {
    doc.Sightings(); // built when the document was opened or the report added
    OffscreenGui gui;
    AtlMap map;
    HexGeometry geometry;
    MapPainter painter(map, geometry);
    OffscreenBuffer buffer;
    buffer.Resize(1920, 1080);
    const AtlDate dates[] = {doc.LastTurn()->date, doc.LastTurn()->Prev()->date};
    long switches = 0;
    for (auto _ : state) {
        FormatMap(doc, map, dates[switches++ % 2]);
        ScrollData scroll;
        scroll.Setup(1920, 1080, 100, 100, HexGeometry::kWrapWidth);
        OffscreenBuffer::Painting painting(buffer);
        painter.Draw(painting.View(), {0, 0, 1920, 1080}, 0, scroll);
    }
}

// A turn switch of a map of 2,000 regions. Should not grow with the number of turns.
void BM_TurnSwitch(benchmark::State& state) {
    SwitchTurns(state, Document(static_cast<int>(state.range(0)), 2000));
}

// The same with three allies of as many turns over the same regions: the sources' sightings
// of a month are merged, and the cost still does not grow with the turns.
void BM_TurnSwitchWithAllies(benchmark::State& state) {
    static std::unique_ptr<VexlorDoc> alliance;
    static int madeTurns = -1;
    const int turns = static_cast<int>(state.range(0));
    if (turns != madeTurns) {
        alliance.reset();
        alliance = MakeAlliance(turns, 2000);
        madeTurns = turns;
    }
    SwitchTurns(state, *alliance);
}

} // namespace

BENCHMARK(BM_FormatMap)
    ->Args({200, 500})
    ->Args({200, 1000})
    ->Args({50, 2000})
    ->Args({100, 2000})
    ->Args({200, 2000})
    ->Args({500, 2000})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TurnSwitch)->Arg(50)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TurnSwitchWithAllies)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatMapFirstTurn)->Args({200, 2000})->Unit(benchmark::kMillisecond);
