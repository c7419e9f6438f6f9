#include "bench_data.h"

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

} // namespace

BENCHMARK(BM_SplitLines)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
