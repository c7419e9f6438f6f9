// What changed in a turn, on a long game opened from its file as a user opens it.
#include "madeupdoc.h"

#include "map/turnchanges.h"
#include "model/docfile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// The game of `turns` turns saved once and opened from its file, so that its turns are still
// the file's bytes until something makes their locations.
VexlorDoc& OpenedGame(int turns) {
    static VexlorDoc doc;
    static int opened = 0;
    if (opened != turns) {
        const std::string path = (std::filesystem::temp_directory_path() /
                                  ("vexlor-changes-bench-" + std::to_string(getpid()) + ".atl"))
                                     .string();
        SaveDocFile(*BuildDoc(turns), path.c_str());
        doc.Clear();
        OpenDocFile(doc, path.c_str());
        std::filesystem::remove(path);
        opened = turns;
    }
    return doc;
}

// The changes of a month against the one before, each time of two months whose locations are
// not made yet (stepping back two months a time), as the first look at a turn costs.
void BM_TurnChanges(benchmark::State& state) {
    const VexlorDoc& doc = OpenedGame(static_cast<int>(state.range(0)));
    AtlDate month = doc.LastMonth();
    size_t changes = 0;
    for (auto _ : state) {
        changes += TurnChanges(doc, month).size();
        if (month.Value() - 2 > doc.FirstMonth().Value()) month += -2;
    }
    benchmark::DoNotOptimize(changes);
}

} // namespace

BENCHMARK(BM_TurnChanges)->Arg(500)->Unit(benchmark::kMillisecond);
