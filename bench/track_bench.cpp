// A unit's track over a long game read from its file: the first track builds the index of every
// unit's sightings, one turn's objects at a time; every track after it is a look-up.
#include "madeupdoc.h"

#include "map/unittrack.h"
#include "model/docfile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// The document of `turns` turns, saved once and opened as a user opens it.
const VexlorDoc& OpenedDoc(int turns) {
    static int opened = 0;
    static VexlorDoc doc;
    if (opened == turns) return doc;
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("vexlor-bench-track-" + std::to_string(getpid()) + ".atl"))
                                 .string();
    SaveDocFile(*BuildDoc(turns), path.c_str());
    doc.Clear();
    OpenDocFile(doc, path.c_str());
    std::filesystem::remove(path);
    opened = turns;
    return doc;
}

void BM_FirstTrack(benchmark::State& state) {
    const VexlorDoc& doc = OpenedDoc(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        UnitTracks tracks;
        benchmark::DoNotOptimize(tracks.Track(doc, 1001));
    }
}

void BM_TrackAfterFirst(benchmark::State& state) {
    const VexlorDoc& doc = OpenedDoc(static_cast<int>(state.range(0)));
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
