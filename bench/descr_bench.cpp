#include "bench_data.h"

#include "base/wstream.h"
#include "descr/descrtree.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "model/vexlordoc.h"
#include "report/intake.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

class SilentUser : public IntakeUser {
public:
    bool ReplaceTurn(const TurnReplacement&) override { return true; }
};

// The description of one hex whose units each belong to a faction of their own: finding each
// unit's faction name must not search the turn's whole faction list, or it grows with the
// square of the units.
void BM_DescribeManyFactions(benchmark::State& state) {
    const int factions = static_cast<int>(state.range(0));
    std::string text = ManyFactionsReport(factions);
    VexlorDoc doc;
    SilentUser user;
    imwstream in(text.data(), text.size());
    if (AddReport(in, IntakeTarget{doc, user, nullptr}) != 0) {
        state.SkipWithError("world report not found or not added");
        return;
    }
    AtlMap map;
    FormatMap(doc, map, doc.LastTurn()->date);
    // The hex where every unit stands.
    const LocationNode* region = nullptr;
    for (const LocationNode& loc : doc.LastTurn()->Locations())
        if (!loc.units.IsEmpty()) region = &loc;
    if (!region) {
        state.SkipWithError("no units read");
        return;
    }
    size_t lines = 0;
    for (auto _ : state) {
        std::unique_ptr<DescrTVRoot> root = BuildDescrTree(doc, map, region->coord, DescrOptions());
        lines = root ? static_cast<size_t>(root->ChildCount()) : 0;
        benchmark::DoNotOptimize(root);
    }
    if (lines == 0) state.SkipWithError("nothing described");
    state.SetComplexityN(factions);
}

} // namespace

BENCHMARK(BM_DescribeManyFactions)
    ->Arg(4000)
    ->Arg(16000)
    ->Arg(64000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
