// Adding an ally's map: the ally's file is read and its turns stay as the file's bytes, so that a
// long game joins the player's map in about the time its file takes to open.
#include "madeupdoc.h"

#include "doc/doccontroller.h"
#include "model/docfile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// The player's map of one turn and an ally's of `turns`, saved once for every run of a size.
struct AllyFiles {
    int turns = 0;
    std::string own, ally;
    ~AllyFiles() {
        std::error_code ignored;
        std::filesystem::remove(own, ignored);
        std::filesystem::remove(ally, ignored);
    }
};

const AllyFiles& FilesFor(int turns) {
    static AllyFiles files;
    if (files.turns == turns) return files;
    auto dir = std::filesystem::temp_directory_path();
    const std::string stem = "vexlor-bench-ally-" + std::to_string(getpid());
    files.own = (dir / (stem + "-own.atl")).string();
    files.ally = (dir / (stem + "-ally.atl")).string();
    SaveDocFile(*BuildDoc(1, 3), files.own.c_str());
    SaveDocFile(*BuildDoc(turns, 4), files.ally.c_str());
    files.turns = turns;
    return files;
}

void BM_AddAllyMap(benchmark::State& state) {
    const AllyFiles& files = FilesFor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<DocController>();
        if (doc->Open(files.own.c_str()).kind != DocOutcomeKind::Done)
            state.SkipWithError("open failed");
        state.ResumeTiming();
        if (doc->AddAllyMap(files.ally.c_str()).kind != DocOutcomeKind::AllyMapAdded)
            state.SkipWithError("not added");
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
}

} // namespace

// 500 turns of 2,000 regions is an ally's file of about 300 MB.
BENCHMARK(BM_AddAllyMap)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);
