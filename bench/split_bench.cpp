#include "bench_data.h"
#include "peakmemory.h"

#include "base/wstream.h"
#include "report/reportlines.h"

#include <benchmark/benchmark.h>

namespace {

// The world report as is (factor 1) or its region part repeated to make a larger report.
const std::string& Report(int factor) {
    static std::string one = ReadWholeFile(WorldReportPath());
    static std::string ten = LargerWorldReport(10);
    return factor == 1 ? one : ten;
}

// The report of the benchmark's argument split into logical lines, once an iteration.
void BM_SplitLines(benchmark::State& state) {
    const std::string& text = Report(static_cast<int>(state.range(0)));
    if (text.empty()) {
        state.SkipWithError("world report not found");
        return;
    }
    for (auto _ : state) {
        imwstream in(text.data(), text.size());
        ReportLines lines;
        benchmark::DoNotOptimize(lines.Read(in, nullptr));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

// Reports up to the size limit whose lines are nearly all empty (shape 0) or one character long
// (shape 1), as `vexlor-cli lines` splits them: time and memory grow with the size alone.
void BM_SplitFilledReport(benchmark::State& state) {
    const std::string text = FilledReport(state.range(0), static_cast<int>(state.range(1)));
    PeakMemory peak;
    for (auto _ : state) {
        state.PauseTiming();
        peak.Start();
        state.ResumeTiming();
        imwstream in(text.data(), text.size());
        ReportLines lines;
        benchmark::DoNotOptimize(lines.Read(in, nullptr));
        size_t written = 0;
        for (const ReportLine* n = lines.First(); n; n = n->Next())
            written += static_cast<size_t>(n->Times() * (n->text.Length() + 1));
        benchmark::DoNotOptimize(written);
        state.PauseTiming();
        peak.Stop();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    peak.Report(state, static_cast<double>(text.size()));
}

} // namespace

BENCHMARK(BM_SplitLines)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitFilledReport)
    ->ArgsProduct({{4, 16, 64}, {0, 1}})
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);
