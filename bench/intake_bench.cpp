#include "bench_data.h"
#include "peakmemory.h"

#include "base/wstream.h"
#include "model/vexlordoc.h"
#include "report/extrasreader.h"
#include "report/intake.h"
#include "report/regions.h"
#include "report/reportlines.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// factor 1 and 10: the world report and ten times its regions; 0: many factions.
const std::string& Report(int factor) {
    static std::string one = ReadWholeFile(WorldReportPath());
    static std::string ten = LargerWorldReport(10);
    // Within the file's limit of 65,535 factions in one turn.
    static std::string factions = ManyFactionsReport(60000);
    return factor == 1 ? one : factor == 10 ? ten : factions;
}

class SilentUser : public IntakeUser {
public:
    bool ReplaceTurn(const TurnReplacement&) override { return true; }
};

// Region blocks alone, from lines split beforehand as intake splits them.
void BM_ReadLocList(benchmark::State& state) {
    const std::string& text = Report(static_cast<int>(state.range(0)));
    if (text.empty()) {
        state.SkipWithError("world report not found");
        return;
    }
    imwstream in(text.data(), text.size());
    ReportLines lines;
    lines.Read(in, nullptr);
    int regions = 0;
    for (auto _ : state) {
        TurnNode turn;
        if (ReadLocList(lines.First(), turn, &regions) != 0) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(turn.Locations().GetFirst());
    }
    state.counters["regions"] = regions;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

// What the region blocks say beyond the records (exits, gates, weather, own units' details)
// and the turn's events: the second pass over the same lines.
void BM_ReadTurnExtras(benchmark::State& state) {
    const std::string& text = Report(static_cast<int>(state.range(0)));
    if (text.empty()) {
        state.SkipWithError("world report not found");
        return;
    }
    imwstream in(text.data(), text.size());
    ReportLines lines;
    lines.Read(in, nullptr);
    int regions = 0;
    TurnNode read;
    ReadLocList(lines.First(), read, &regions);
    for (auto _ : state) {
        TurnExtras extras;
        ReadTurnExtras(lines.First(), regions, extras);
        benchmark::DoNotOptimize(extras.Regions().size());
    }
    state.counters["regions"] = regions;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

// The report added to an empty document; null when it fails.
std::unique_ptr<VexlorDoc> Add(const std::string& text) {
    auto doc = std::make_unique<VexlorDoc>();
    SilentUser user;
    imwstream in(text.data(), text.size());
    if (AddReport(in, IntakeTarget{*doc, user, nullptr}) != 0) return nullptr;
    return doc;
}

// The whole add of a report into an empty document: split, header, register, regions.
void BM_AddReport(benchmark::State& state) {
    const std::string& text = Report(static_cast<int>(state.range(0)));
    if (text.empty()) {
        state.SkipWithError("world report not found");
        return;
    }
    // The peak is taken on an add of its own: handing the freed memory back before every
    // timed add would time the system's page faults as well.
    PeakMemory peak;
    peak.Start();
    if (Add(text) == nullptr) {
        state.SkipWithError("add failed");
        return;
    }
    peak.Stop();
    for (auto _ : state) {
        std::unique_ptr<VexlorDoc> doc = Add(text);
        if (!doc) {
            state.SkipWithError("add failed");
            break;
        }
        benchmark::DoNotOptimize(doc->LastTurn());
        // Closing the document is no part of the intake.
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    peak.Report(state, static_cast<double>(text.size()));
}

// The add of reports up to the size limit whose lines are nearly all empty (shape 0) or one
// character long (shape 1, no report at all): time and memory grow with the size alone.
void BM_AddFilledReport(benchmark::State& state) {
    const std::string text = FilledReport(state.range(0), static_cast<int>(state.range(1)));
    PeakMemory peak;
    for (auto _ : state) {
        state.PauseTiming();
        peak.Start();
        state.ResumeTiming();
        VexlorDoc doc;
        SilentUser user;
        imwstream in(text.data(), text.size());
        benchmark::DoNotOptimize(AddReport(in, IntakeTarget{doc, user, nullptr}));
        state.PauseTiming();
        peak.Stop();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    peak.Report(state, static_cast<double>(text.size()));
}

} // namespace

BENCHMARK(BM_AddFilledReport)
    ->ArgsProduct({{4, 16, 64}, {0, 1}})
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLocList)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTurnExtras)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddReport)->Arg(1)->Arg(10)->Arg(0)->Unit(benchmark::kMillisecond);
