#include "base/wstream.h"
#include "base/wstreambuf.h"
#include "report/linetype.h"
#include "report/reportlines.h"
#include "report_test_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string> Split(const std::string& text, int* result = nullptr) {
    imwstream in(text.data(), text.size());
    ReportLines lines;
    int r = lines.Read(in, nullptr);
    if (result) *result = r;
    std::vector<std::string> out;
    for (const ReportLine* n = lines.First(); n; n = n->Next())
        for (int i = n->Times(); i > 0; --i)
            out.emplace_back(n->text.View());
    EXPECT_EQ(out.size(), lines.Count());
    return out;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(ReportLines, ContinuationsJoinWithOneBlankWhileTheIndentIsZero) {
    EXPECT_EQ(Split("jungle (0,32) in Erisort, contains Verdorf [city], 25570 peasants\n"
                    "  (wood elves), $21478.\n"),
              Lines{"jungle (0,32) in Erisort, contains Verdorf [city], 25570 peasants (wood "
                    "elves), $21478."});
    // Blanks after the text of a part go, as a mail program may have added them.
    EXPECT_EQ(Split("a \t\n   b  \n"), Lines{"a b"});
}

TEST(ReportLines, AfterARuleTwoBlankLinesStandAloneAndDeeperOnesJoin) {
    EXPECT_EQ(Split("plain (36,4) in Cluen.\n"
                    "------------------------------------------------------------\n"
                    "  Wages: $15.1 (Max: $1786).\n"
                    "  For Sale: unlimited iron [IRON] at $75, unlimited wood [WOOD] at\n"
                    "    $75.\n"
                    "\n"
                    "Exits:\n"
                    "  North : ocean (36,2) in Wyreth Ocean.\n"),
              (Lines{"plain (36,4) in Cluen.", std::string(60, '-'), "  Wages: $15.1 (Max: $1786).",
                     "  For Sale: unlimited iron [IRON] at $75, unlimited wood [WOOD] at $75.", "",
                     "Exits:", "  North : ocean (36,2) in Wyreth Ocean."}));
}

TEST(ReportLines, EmptyLineResetsTheIndentAndEndsTheBuilding) {
    // After the empty line the indent is 0 again, so the indented line joins.
    EXPECT_EQ(Split("Exits:\n  North : x.\n\nEvent one\n  continued\n"),
              (Lines{"Exits:", "  North : x.", "", "Event one continued"}));
}

TEST(ReportLines, UnitsUnderABuildingStandAlone) {
    const std::string text = "--------------\n\n"
                             "+ Ship [100] : Longship; 0% damaged; Load: 65/150; Sailors: 4/4;\n"
                             "  MaxSpeed: 4.\n"
                             "  * Shipwrights (360), Red Wolves (3), won't cross water, 2 leaders\n"
                             "    [LEAD], 9 wood [WOOD].\n"
                             "  - Pirates (12), 3 leaders [LEAD].\n"
                             "\n";
    EXPECT_EQ(
        Split(text),
        (Lines{std::string(14, '-'), "",
               "+ Ship [100] : Longship; 0% damaged; Load: 65/150; Sailors: 4/4; MaxSpeed: 4.",
               "  * Shipwrights (360), Red Wolves (3), won't cross water, 2 leaders [LEAD], 9 wood "
               "[WOOD].",
               "  - Pirates (12), 3 leaders [LEAD].", ""}));
}

TEST(ReportLines, LastLineWithoutNewlineIsKept) {
    EXPECT_EQ(Split("one\ntwo"), (Lines{"one", "two"}));
    EXPECT_EQ(Split("one\n  two"), (Lines{"one two"}));
}

TEST(ReportLines, CarriageReturnLineEndsReadLikeNewlines) {
    EXPECT_EQ(Split("a\r\n  b\r\n\r\nc\r\n"), (Lines{"a b", "", "c"}));
    EXPECT_EQ(Split("a\r  b\r\rc\r"), (Lines{"a b", "", "c"}));
}

// A channel that hands out text in order and cannot seek, as a pipe does.
class PipeChannel : public wstreambuf {
public:
    explicit PipeChannel(std::string text) : text_(std::move(text)) {}
    bool IsValid() const override { return true; }
    long maxlen() override { return -1; }
    long read(void* dst, long n) override {
        long count = std::min<long>(n, static_cast<long>(text_.size() - pos_));
        std::memcpy(dst, text_.data() + pos_, static_cast<size_t>(count));
        pos_ += static_cast<size_t>(count);
        return count;
    }
    long write(const void*, long) override { return -1; }
    long seek(long, Origin) override { return -1; }
    long tell() override { return -1; }

private:
    std::string text_;
    size_t pos_ = 0;
};

TEST(ReportLines, InputThatCannotSeekLosesNothingAtBufferEnds) {
    const std::string text = "a\r\n  b\r\nsecond\n   deeper\n\nplain (1,1) in X.\n" +
                             std::string(60, '-') + "\n  Wages: $0.\n    more\n";
    for (int size : {1, 2, 3, 5, 7, 64}) {
        PipeChannel pipe(text);
        ibwstream in(pipe, size);
        ReportLines lines;
        ASSERT_EQ(lines.Read(in, nullptr), 0) << size;
        Lines got;
        for (const ReportLine* n = lines.First(); n; n = n->Next())
            for (int i = n->Times(); i > 0; --i)
                got.emplace_back(n->text.View());
        EXPECT_EQ(got, Split(text)) << size;
    }
}

// The end of the input closes the text; a channel that fails midway is a read error, and the
// lines read before it are kept.
TEST(ReportLines, AFailedReadIsAnErrorAndTheEndOfInputIsNot) {
    class BrokenPipe : public PipeChannel {
    public:
        using PipeChannel::PipeChannel;
        long read(void* dst, long n) override {
            long count = PipeChannel::read(dst, n);
            return count > 0 ? count : -1;
        }
    };
    for (bool broken : {false, true}) {
        PipeChannel pipe("one\ntwo\n");
        BrokenPipe brokenPipe("one\ntwo\n");
        ibwstream in(broken ? static_cast<wstreambuf&>(brokenPipe) : pipe, 4);
        ReportLines lines;
        LinesFault fault;
        EXPECT_EQ(lines.Read(in, &fault) != 0, broken);
        EXPECT_EQ(fault.kind, broken ? LinesFault::ReadError : LinesFault::None);
        EXPECT_EQ(lines.Count(), 2u) << broken;
    }
}

TEST(ReportLines, ALineOfBlanksAloneStandsAsItIs) {
    // Deeper than the indent it still continues nothing; inside a region block it keeps the
    // paragraph together, as the nexus description's frame does.
    int result = 1;
    EXPECT_EQ(Split("first\n   \nthird\n", &result), (Lines{"first", "   ", "third"}));
    EXPECT_EQ(result, 0);
    const std::string rule(60, '-');
    EXPECT_EQ(Split(rule + "\n  x\n  \n  y\n"), (Lines{rule, "  x", "  ", "  y"}));
}

TEST(ReportLines, ByteOrderMarkIsSkippedAndANulByteEndsTheSplitAtItsLine) {
    EXPECT_EQ(Split("\xEF\xBB\xBF"
                    "a\n  b\n"),
              Lines{"a b"});
    const std::string text = std::string("one\ntwo\r\nth") + '\0' + "ree\nfour\n";
    imwstream in(text.data(), text.size());
    ReportLines lines;
    LinesFault fault;
    EXPECT_EQ(lines.Read(in, &fault), -1);
    EXPECT_EQ(fault.kind, LinesFault::NulByte);
    EXPECT_EQ(fault.line, 3);
    ASSERT_EQ(lines.Count(), 2u);
    EXPECT_EQ(lines.Last()->line, 2);
    EXPECT_EQ(lines.Last()->text.View(), "two");
}

// Empty lines in a row are one entry that knows how many it stands for; the lines after them
// keep their own numbers, and the last line is told where a run ends the report.
TEST(ReportLines, ARunOfEmptyLinesIsOneEntry) {
    EXPECT_EQ(Split("a\n\n\n\nb\n\n"), (Lines{"a", "", "", "", "b", ""}));
    EXPECT_EQ(Split("\r\n\r\nc"), (Lines{"", "", "c"}));
    const std::string text = "a\n\n\n\n  b\n\n\n";
    imwstream in(text.data(), text.size());
    ReportLines lines;
    ASSERT_EQ(lines.Read(in, nullptr), 0);
    std::vector<std::pair<int, int>> entries; // line, times
    for (const ReportLine* n = lines.First(); n; n = n->Next())
        entries.emplace_back(n->line, n->Times());
    EXPECT_EQ(entries, (std::vector<std::pair<int, int>>{{1, 1}, {2, 3}, {5, 1}, {6, 2}}));
    EXPECT_EQ(lines.Count(), 7u);
    EXPECT_EQ(lines.Last()->line, 6);
    EXPECT_EQ(lines.LastLine(), 7);
}

namespace {

// How far the process's resident memory peaked above where it stood while work ran; 0 where
// the system does not tell.
template <class Work> long PeakRiseKb(Work work) {
    auto status = [](const char* key) {
        std::ifstream in("/proc/self/status");
        std::string line;
        while (std::getline(in, line))
            if (line.rfind(key, 0) == 0) return std::stol(line.substr(std::strlen(key)));
        return 0L;
    };
    std::ofstream("/proc/self/clear_refs") << "5";
    long before = status("VmRSS:");
    work();
    return before > 0 ? status("VmHWM:") - before : 0;
}

} // namespace

// The lines of a report cost a few times its size whatever its shape: a real report followed
// by empty lines, lines of one character, and one-character lines between empty ones (the most
// entries for the fewest bytes).
TEST(ReportLines, MemoryStaysWithinFiveTimesTheText) {
    const std::string report =
        ReadPath(std::string(VEXLOR_REPORTS_DIR) + "/head-standard/3-turn3.rep");
    constexpr size_t kSize = 24 * 1024 * 1024;
    auto repeated = [](std::string_view piece) {
        std::string text;
        text.reserve(kSize);
        while (text.size() + piece.size() <= kSize)
            text += piece;
        return text;
    };
    const std::string shapes[] = {report + std::string(kSize - report.size(), '\n'),
                                  repeated("a\n"), repeated("a\n\n")};
    for (const std::string& text : shapes) {
        imwstream in(text.data(), text.size());
        ReportLines lines;
        long rise = PeakRiseKb([&] { EXPECT_EQ(lines.Read(in, nullptr), 0); });
        EXPECT_LE(rise * 1024, static_cast<long>(5 * text.size())) << text.substr(0, 4);
        EXPECT_GT(lines.Count(), text.size() / 3) << text.substr(0, 4);
    }
}

TEST(ReportLines, TextBeyondTheLimitIsNotSplit) {
    std::string text(kMaxReportBytes + 1, 'x');
    imwstream in(text.data(), text.size());
    ReportLines lines;
    LinesFault fault;
    EXPECT_EQ(lines.Read(in, &fault), -1);
    EXPECT_EQ(fault.kind, LinesFault::TooLarge);
    EXPECT_EQ(lines.First(), nullptr);
    EXPECT_EQ(lines.Count(), 0u);
}

TEST(ReportLines, WritesTheDebugFileWithOneLinePerLogicalLine) {
    auto dir =
        std::filesystem::temp_directory_path() / ("vexlor-lines-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    auto file = dir / kLinesDebugFile;
    const std::string text = "a\n  b\n\nc";
    imwstream in(text.data(), text.size());
    ReportLines lines;
    ASSERT_EQ(lines.Read(in, nullptr), 0);
    lines.WriteDebugCopy(file.c_str());
    std::ifstream f(file);
    std::stringstream got;
    got << f.rdbuf();
    EXPECT_EQ(got.str(), "a b\n\nc\n");
    std::filesystem::remove_all(dir);
}

TEST(NextEmpty, FindsTheParagraphEnd) {
    const std::string text = "a\nb\n\nc\n";
    imwstream in(text.data(), text.size());
    ReportLines lines;
    ASSERT_EQ(lines.Read(in, nullptr), 0);
    ReportLine* a = lines.First();
    ReportLine* empty = NextEmpty(a);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->line, 3);
    EXPECT_EQ(NextEmpty(empty), nullptr);
    EXPECT_EQ(NextEmpty(nullptr), nullptr);
}

// Every real report splits, and no character of it is lost: the logical lines, with each
// joined blank put back as a newline and its indentation, give the report again. Each line
// begins on the physical line it names, and the type worked out from its first part while
// splitting is the type of the whole joined line.
TEST(ReportLines, EveryRealReportSplitsWithoutLossIntoNumberedTypedLines) {
    int reports = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(VEXLOR_REPORTS_DIR)) {
        if (entry.path().extension() != ".rep") continue;
        ++reports;
        const std::string text = ReadPath(entry.path());
        std::vector<std::string_view> physical;
        for (size_t at = 0; at < text.size();) {
            size_t end = std::min(text.find('\n', at), text.size());
            physical.emplace_back(text.data() + at, end - at);
            at = end + 1;
        }
        imwstream in(text.data(), text.size());
        ReportLines lines;
        ASSERT_EQ(lines.Read(in, nullptr), 0) << entry.path();
        std::string want, got;
        for (char c : text)
            if (c != ' ' && c != '\n') want += c;
        int previous = 0;
        for (const ReportLine* n = lines.First(); n; n = n->Next()) {
            std::string_view line = n->text.View();
            for (char c : line)
                if (c != ' ') got += c;
            ASSERT_GT(n->line, previous) << entry.path();
            ASSERT_LE(n->line, static_cast<int>(physical.size())) << entry.path();
            std::string_view start = physical[static_cast<size_t>(n->line - 1)];
            while (!line.empty() && !start.empty() && start.back() == ' ')
                start.remove_suffix(1);
            EXPECT_EQ(line.substr(0, start.size()), start) << entry.path() << ":" << n->line;
            EXPECT_EQ(n->type, GetLineType(n->text.Get())) << entry.path() << ":" << n->line;
            previous = n->line;
        }
        // Joining only removes newlines and indents.
        ASSERT_EQ(got, want) << entry.path();
        EXPECT_LE(lines.Count(), physical.size()) << entry.path();
    }
    EXPECT_GE(reports, 129); // every folder of the README
}
