// Saving and opening large documents, and registering the locations of a large turn.
#include "bench_data.h"
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

constexpr int kLocationsPerTurn = 2000;

// A region as a report of a settled world fills it: market, products, two units with items,
// a building in every fourth region.
void FillLocation(LocationNode& loc, int i) {
    loc.terrain = TerrainType(static_cast<TerrainType::Type>(1 + i % 11));
    loc.regionName = "Cluen";
    if (i % 10 == 0) {
        loc.townName = "Verdorf";
        loc.townType = "city";
    }
    loc.peasants = 2613 + i;
    loc.peasantRace = "plainsmen";
    loc.silver = 2665;
    loc.wages = 15;
    loc.maxWages = 1786;
    loc.entertainment = 148;
    loc.wanted.Add(new ItemPriceNode(12, "swords", "SWOR", 163));
    loc.forSale.Add(new ItemPriceNode(104, "plainsmen", "PLAI", 60));
    loc.forSale.Add(new ItemPriceNode(20, "leaders", "LEAD", 120));
    loc.products.Add(new ItemNode(40, "livestock", "LIVE"));
    loc.products.Add(new ItemNode(20, "horses", "HORS"));
    for (int u = 0; u < 2; ++u) {
        auto* unit = new UnitNode();
        unit->name = u ? "City Guard" : "Seer";
        unit->number = i * 2 + u;
        unit->faction = u ? 1 : 3;
        unit->flags = u ? UnitNode::OnGuard : UnitNode::Behind;
        unit->items.Add(new ItemNode(1, "leader", "LEAD"));
        unit->items.Add(new ItemNode(745, "silver", "SILV"));
        loc.units.Add(unit);
    }
    if (i % 4 == 0) {
        auto* tower = new BuildingNode();
        tower->name = "Tower";
        tower->number = static_cast<uint16_t>(i % 1000 + 1);
        tower->text = "Tower";
        loc.buildings.Add(tower);
    }
}

AtlCoord CoordOf(int i) {
    // Hexes of a 64-wide map: doubled rows, x and y of the same parity.
    int x = i % 64, row = i / 64;
    return AtlCoord(x, row * 2 + (x & 1), 0);
}

std::unique_ptr<VexlorDoc> BuildDoc(int turns) {
    auto doc = std::make_unique<VexlorDoc>();
    doc->SetFaction(3);
    for (int t = 0; t < turns; ++t) {
        TurnNode* turn = doc->RegisterTurn(AtlDate(12 + t));
        turn->factions.Register(3, "Red Wolves");
        turn->factions.Register(1, "The Guardsmen");
        for (int i = 0; i < kLocationsPerTurn; ++i)
            FillLocation(*turn->RegisterLoc(CoordOf(i)), i);
    }
    return doc;
}

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
