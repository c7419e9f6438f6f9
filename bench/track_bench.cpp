// A unit's track over a long game read from its file: one pass over the units each turn noted
// when the file was read, making no objects; the first track after opening costs as much as
// any other.
#include "madeupdoc.h"

#include "map/unittrack.h"

#include <benchmark/benchmark.h>

namespace {

OpenedGame game;

void BM_Track(benchmark::State& state) {
    const VexlorDoc& doc = game.Get(static_cast<int>(state.range(0)));
    int32_t unit = 0;
    for (auto _ : state) {
        unit = (unit + 7) % (2 * kLocationsPerTurn);
        benchmark::DoNotOptimize(UnitTrackOf(doc, unit));
    }
    for (const TurnNode& turn : doc.Turns())
        if (!turn.IsKept()) {
            state.SkipWithError("a track made a turn's objects");
            break;
        }
}

} // namespace

BENCHMARK(BM_Track)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);
