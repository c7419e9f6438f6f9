// A hex's history in a long game opened from its file, as the program opens it.
#include "madeupdoc.h"
#include "peakmemory.h"

#include "map/hexhistory.h"
#include "model/docfile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// A made-up game of the given turns saved and opened again: its turns stay the file's bytes.
std::unique_ptr<VexlorDoc> OpenedGame(int turns) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("vexlor-bench-history-" + std::to_string(getpid()) + ".atl"))
                                 .string();
    SaveDocFile(*BuildDoc(turns), path.c_str());
    auto doc = std::make_unique<VexlorDoc>();
    const bool opened = OpenDocFile(*doc, path.c_str()) == DocRead;
    std::filesystem::remove(path);
    if (!opened) return nullptr;
    doc->Sightings(); // built on open, as the window has it
    return doc;
}

// kept: whether every turn is still the file's bytes afterwards (1), as it should be;
// peak_MB: how far memory rose for one history.
void BM_HexHistory(benchmark::State& state) {
    auto doc = OpenedGame(static_cast<int>(state.range(0)));
    if (!doc) return state.SkipWithError("open failed");
    PeakMemory peak;
    int i = 0;
    size_t rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        peak.Start();
        state.ResumeTiming();
        rows = HexHistory(*doc, CoordOf(i)).size(); // a town every tenth hex
        state.PauseTiming();
        peak.Stop();
        i = (i + 37) % kLocationsPerTurn;
        state.ResumeTiming();
    }
    bool kept = true;
    for (const TurnNode& turn : doc->Turns())
        kept = kept && turn.IsKept();
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["kept"] = kept;
    state.counters["peak_MB"] = peak.Bytes() / 1e6;
}

} // namespace

BENCHMARK(BM_HexHistory)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);
