// What changed in a turn, on a long game opened from its file as a user opens it.
#include "madeupdoc.h"

#include "map/turnchanges.h"

#include <benchmark/benchmark.h>

namespace {

OpenedGame game;

// The changes of a month against the one before, each time of two months whose locations are
// not made yet (stepping back two months a time), as the first look at a turn costs.
void BM_TurnChanges(benchmark::State& state) {
    const VexlorDoc& doc = game.Get(static_cast<int>(state.range(0)));
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
