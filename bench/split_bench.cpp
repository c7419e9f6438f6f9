#include "bench_data.h"

#include "base/strlist.h"
#include "base/wstream.h"
#include "report/lines.h"
#include "report/reportlines.h"

#include <benchmark/benchmark.h>

namespace {

// The world report as is (factor 1) or its region part repeated to make a larger report.
const std::string& Report(int factor) {
    static std::string one = ReadWholeFile(WorldReportPath());
    static std::string ten = LargerWorldReport(10);
    return factor == 1 ? one : ten;
}

// Splits the report of the benchmark's argument with split, once an iteration.
template <class Split> void RunSplit(benchmark::State& state, Split split) {
    const std::string& text = Report(static_cast<int>(state.range(0)));
    if (text.empty()) {
        state.SkipWithError("world report not found");
        return;
    }
    for (auto _ : state) {
        imwstream in(text.data(), text.size());
        benchmark::DoNotOptimize(split(in));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

// Into a list of nodes, as the lines command and the readers' tests take them.
void BM_SplitLines(benchmark::State& state) {
    RunSplit(state, [](iwstream& in) {
        StrList lines;
        return SplitLines(in, lines, nullptr);
    });
}

// The split intake uses: one buffer, no node per line.
void BM_ReportLines(benchmark::State& state) {
    RunSplit(state, [](iwstream& in) {
        ReportLines lines;
        return lines.Read(in, nullptr);
    });
}

} // namespace

BENCHMARK(BM_SplitLines)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportLines)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
