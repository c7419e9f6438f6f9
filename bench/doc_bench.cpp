// Saving and opening large documents, and registering the locations of a large turn.
#include "bench_data.h"
#include "madeupdoc.h"
#include "peakmemory.h"

#include "base/wstream.h"
#include "base/wstreambuf.h"
#include "model/docfile.h"
#include "model/keptbytes.h"
#include "model/vexlordoc.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The document of one size and its saved file, made when a benchmark first asks for that
// size. Only one size is kept, and its document only while a benchmark needs it: at 500 turns
// the document takes a few gigabytes.
struct Sample {
    int turns = 0;
    std::unique_ptr<VexlorDoc> doc;
    size_t size = 0;
    std::string path;
};

enum class Need { File, Document };

Sample& SampleOf(int turns, Need need) {
    static Sample s;
    if (s.turns != turns) {
        s.doc.reset();
        s.doc = BuildDoc(turns);
        s.turns = turns;
        if (!s.path.empty()) std::filesystem::remove(s.path);
        s.path = (std::filesystem::temp_directory_path() /
                  ("vexlor-bench-" + std::to_string(getpid()) + ".atl"))
                     .string();
        SaveDocFile(*s.doc, s.path.c_str());
        std::error_code ignored;
        s.size = static_cast<size_t>(std::filesystem::file_size(s.path, ignored));
    } else if (need == Need::Document && !s.doc) {
        s.doc = BuildDoc(turns);
    }
    if (need == Need::File) s.doc.reset();
    return s;
}

// Removes the files the benchmarks saved.
struct RemoveSavedFiles {
    ~RemoveSavedFiles() {
        std::error_code ignored;
        for (const auto& e :
             std::filesystem::directory_iterator(std::filesystem::temp_directory_path(), ignored))
            if (e.path().filename().string().starts_with("vexlor-bench-" +
                                                         std::to_string(getpid())))
                std::filesystem::remove(e.path(), ignored);
    }
} removeSavedFiles;

void Finish(benchmark::State& state, const Sample& s) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.size));
    state.counters["MB"] = static_cast<double>(s.size) / 1e6;
    state.SetComplexityN(state.range(0));
}

void BM_SaveToMemory(benchmark::State& state) {
    Sample& s = SampleOf(static_cast<int>(state.range(0)), Need::Document);
    for (auto _ : state) {
        omwstream out;
        benchmark::DoNotOptimize(WriteDocFile(out, *s.doc));
    }
    Finish(state, s);
}

void BM_OpenFromMemory(benchmark::State& state) {
    Sample& s = SampleOf(static_cast<int>(state.range(0)), Need::File);
    const std::string text = ReadWholeFile(s.path);
    const KeptBytes bytes = KeptBytes::Copy(text.data(), text.size());
    for (auto _ : state) {
        auto doc = std::make_unique<VexlorDoc>();
        if (ReadDocFile(bytes, *doc) != DocRead) state.SkipWithError("read failed");
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    Finish(state, s);
}

// The floor for opening: making the same document in memory without any file.
void BM_BuildInMemory(benchmark::State& state) {
    Sample& s = SampleOf(static_cast<int>(state.range(0)), Need::File);
    for (auto _ : state) {
        auto doc = BuildDoc(static_cast<int>(state.range(0)));
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    Finish(state, s);
}

// The safe save: temporary file, write, fsync, rename.
void BM_SaveFile(benchmark::State& state) {
    Sample& s = SampleOf(static_cast<int>(state.range(0)), Need::Document);
    PeakMemory peak;
    for (auto _ : state) {
        state.PauseTiming();
        peak.Start();
        state.ResumeTiming();
        if (SaveDocFile(*s.doc, s.path.c_str()) != DocSaved) state.SkipWithError("save failed");
        peak.Stop();
    }
    peak.Report(state, static_cast<double>(s.size));
    Finish(state, s);
}

// peak_per_byte: how many times the file's size the process grows by while it opens it.
void BM_OpenFile(benchmark::State& state) {
    Sample& s = SampleOf(static_cast<int>(state.range(0)), Need::File);
    PeakMemory peak;
    for (auto _ : state) {
        state.PauseTiming();
        peak.Start();
        state.ResumeTiming();
        auto doc = std::make_unique<VexlorDoc>();
        if (OpenDocFile(*doc, s.path.c_str()) != DocRead) state.SkipWithError("open failed");
        state.PauseTiming();
        peak.Stop();
        doc.reset();
        state.ResumeTiming();
    }
    peak.Report(state, static_cast<double>(s.size));
    Finish(state, s);
}

// What opening is measured against: only reading the file's bytes into memory.
void BM_ReadFileBytes(benchmark::State& state) {
    Sample& s = SampleOf(static_cast<int>(state.range(0)), Need::File);
    std::vector<unsigned char> buffer(s.size);
    for (auto _ : state) {
        ifwstreambuf file(s.path.c_str());
        long n = file.read(buffer.data(), static_cast<long>(buffer.size()));
        if (n != static_cast<long>(buffer.size())) state.SkipWithError("short read");
        benchmark::DoNotOptimize(buffer.data());
    }
    Finish(state, s);
}

// Registers n new locations, then every one of them again.
void BM_RegisterLoc(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto turn = std::make_unique<TurnNode>(AtlDate(12));
        for (int i = 0; i < n; ++i)
            benchmark::DoNotOptimize(turn->RegisterLoc(AtlCoord(i % 200, i / 200 * 2, i % 3)));
        for (int i = 0; i < n; ++i)
            benchmark::DoNotOptimize(turn->RegisterLoc(AtlCoord(i % 200, i / 200 * 2, i % 3)));
        state.PauseTiming();
        turn.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.SetComplexityN(n);
}

// Fitted against linear growth: the RMS line says how far the sizes stray from it. The first
// run of a size pays for fresh memory pages and, at 200 turns, is a single iteration; the
// median of three repetitions compares the sizes on equal terms.
void TurnCounts(benchmark::internal::Benchmark* b) {
    b->Arg(25)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
    b->Complexity(benchmark::oN)->Repetitions(3)->ReportAggregatesOnly(true);
}

// Opening and saving a long game: 500 turns of 2,000 regions is a file of about 300 MB.
void LongGames(benchmark::internal::Benchmark* b) {
    b->Arg(50)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond);
    b->Complexity(benchmark::oN)->Repetitions(3)->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(BM_SaveToMemory)->Apply(TurnCounts);
BENCHMARK(BM_OpenFromMemory)->Apply(TurnCounts);
BENCHMARK(BM_SaveFile)->Apply(LongGames);
BENCHMARK(BM_OpenFile)->Apply(LongGames);
BENCHMARK(BM_ReadFileBytes)->Apply(TurnCounts);
BENCHMARK(BM_BuildInMemory)->Apply(TurnCounts);
BENCHMARK(BM_RegisterLoc)->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMicrosecond);
