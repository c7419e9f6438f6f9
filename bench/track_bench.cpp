// A unit's track over a long game read from its file: the first track builds the index of every
// unit's sightings from the turns' bytes, making no objects; every track after it is a look-up.
#include "madeupdoc.h"

#include "map/unittrack.h"

#include <benchmark/benchmark.h>

namespace {

OpenedGame game;

void BM_FirstTrack(benchmark::State& state) {
    const VexlorDoc& doc = game.Get(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        UnitTracks tracks;
        benchmark::DoNotOptimize(tracks.Track(doc, 1001));
    }
}

void BM_TrackAfterFirst(benchmark::State& state) {
    const VexlorDoc& doc = game.Get(static_cast<int>(state.range(0)));
    UnitTracks tracks;
    tracks.Track(doc, 1);
    int32_t unit = 0;
    for (auto _ : state) {
        unit = (unit + 7) % (2 * kLocationsPerTurn);
        benchmark::DoNotOptimize(tracks.Track(doc, unit));
    }
    if (tracks.Builds() != 1) state.SkipWithError("a track after the first built the index again");
}

} // namespace

BENCHMARK(BM_FirstTrack)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrackAfterFirst)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);
