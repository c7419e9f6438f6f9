// Reading the extension area of a long game: every turn's extras built at once, against each
// turn kept as the file's bytes until asked for (as opening does), with and without one turn
// asked for afterwards.
#include "bench_data.h"

#include "base/wstream.h"
#include "model/docfile.h"
#include "model/extarea.h"
#include "model/keptbytes.h"
#include "model/turnextras.h"
#include "model/vexlordoc.h"
#include "report/intake.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kTurns = 12;

class SilentUser : public IntakeUser {
public:
    bool ReplaceTurn(const TurnReplacement&) override { return true; }
};

// The world report added once per month of Year 1, and where its file's area begins.
struct LongGame {
    VexlorDoc doc;
    std::vector<unsigned char> file;
    size_t area = 0;
};

LongGame& Game() {
    static LongGame game = [] {
        LongGame g;
        const std::string text = ReadWholeFile(WorldReportPath());
        static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                              "May",       "June",     "July",     "August",
                                              "September", "October",  "November", "December"};
        SilentUser user;
        for (int t = 0; text.size() > 0 && t < kTurns; ++t) {
            // The date is the report's third line.
            size_t from = text.find('\n', text.find('\n') + 1) + 1;
            std::string turn =
                text.substr(0, from) + kMonths[t] + ", Year 1" + text.substr(text.find('\n', from));
            imwstream in(turn.data(), turn.size());
            AddReport(in, IntakeTarget{g.doc, user, nullptr});
        }
        omwstream out;
        WriteDocFile(out, g.doc);
        g.file = out.Bytes();
        omwstream records;
        g.doc.write(records);
        g.area = kDocSignatureSize + 4 + records.Bytes().size();
        return g;
    }();
    return game;
}

// 0: every turn at once; 1: kept as bytes; 2: kept, then the last turn asked for.
void BM_ReadExtArea(benchmark::State& state) {
    LongGame& g = Game();
    if (g.doc.Turns().IsEmpty()) {
        state.SkipWithError("world report not found");
        return;
    }
    const int way = static_cast<int>(state.range(0));
    const size_t size = g.file.size() - g.area;
    // In place, as a file opens: the kept turns are views of these bytes.
    const KeptBytes area = KeptBytes::Copy(g.file.data() + g.area, size);
    for (auto _ : state) {
        g.doc.Extras() = DocExtras();
        for (TurnNode* t = g.doc.FirstTurn(); t; t = t->Next())
            t->extras = {};
        ReadExtArea(area, g.doc, way == 0 ? ExtReading::AtOnce : ExtReading::WhenAsked);
        if (way == 2) benchmark::DoNotOptimize(g.doc.LastTurn()->extras.Find());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
    state.counters["MB"] = static_cast<double>(size) / 1e6;
}
BENCHMARK(BM_ReadExtArea)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
