#include "base/wstream.h"
#include "base/wstreambuf.h"
#include "report/lines.h"
#include "report/reportlines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(const std::string& text, int* result = nullptr) {
    imwstream in(text.data(), text.size());
    StrList lines;
    int r = SplitLines(in, lines, nullptr);
    if (result) *result = r;
    std::vector<std::string> out;
    for (StrNode* n = lines.GetFirst(); n; n = n->Next())
        out.emplace_back(n->text.Get());
    return out;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(SplitLines, ContinuationsJoinWithOneBlankWhileTheIndentIsZero) {
    EXPECT_EQ(Split("jungle (0,32) in Erisort, contains Verdorf [city], 25570 peasants\n"
                    "  (wood elves), $21478.\n"),
              Lines{"jungle (0,32) in Erisort, contains Verdorf [city], 25570 peasants (wood "
                    "elves), $21478."});
    // Blanks after the text of a part go, as a mail program may have added them.
    EXPECT_EQ(Split("a \t\n   b  \n"), Lines{"a b"});
}

TEST(SplitLines, AfterARuleTwoBlankLinesStandAloneAndDeeperOnesJoin) {
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

TEST(SplitLines, EmptyLineResetsTheIndentAndEndsTheBuilding) {
    // After the empty line the indent is 0 again, so the indented line joins.
    EXPECT_EQ(Split("Exits:\n  North : x.\n\nEvent one\n  continued\n"),
              (Lines{"Exits:", "  North : x.", "", "Event one continued"}));
}

TEST(SplitLines, UnitsUnderABuildingStandAlone) {
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

TEST(SplitLines, LastLineWithoutNewlineIsKept) {
    EXPECT_EQ(Split("one\ntwo"), (Lines{"one", "two"}));
    EXPECT_EQ(Split("one\n  two"), (Lines{"one two"}));
}

TEST(SplitLines, CarriageReturnLineEndsReadLikeNewlines) {
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

TEST(SplitLines, InputThatCannotSeekLosesNothingAtBufferEnds) {
    const std::string text = "a\r\n  b\r\nsecond\n   deeper\n\nplain (1,1) in X.\n" +
                             std::string(60, '-') + "\n  Wages: $0.\n    more\n";
    for (int size : {1, 2, 3, 5, 7, 64}) {
        PipeChannel pipe(text);
        ibwstream in(pipe, size);
        StrList lines;
        ASSERT_EQ(SplitLines(in, lines, nullptr), 0) << size;
        Lines got;
        for (StrNode* n = lines.GetFirst(); n; n = n->Next())
            got.emplace_back(n->text.Get());
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

TEST(SplitLines, ALineOfBlanksAloneStandsAsItIs) {
    // Deeper than the indent it still continues nothing; inside a region block it keeps the
    // paragraph together, as the nexus description's frame does.
    int result = 1;
    EXPECT_EQ(Split("first\n   \nthird\n", &result), (Lines{"first", "   ", "third"}));
    EXPECT_EQ(result, 0);
    const std::string rule(60, '-');
    EXPECT_EQ(Split(rule + "\n  x\n  \n  y\n"), (Lines{rule, "  x", "  ", "  y"}));
}

TEST(SplitLines, ByteOrderMarkIsSkippedAndANulByteEndsTheSplitAtItsLine) {
    EXPECT_EQ(Split("\xEF\xBB\xBF"
                    "a\n  b\n"),
              Lines{"a b"});
    const std::string text = std::string("one\ntwo\r\nth") + '\0' + "ree\nfour\n";
    imwstream in(text.data(), text.size());
    StrList lines;
    LinesFault fault;
    EXPECT_EQ(SplitLines(in, lines, nullptr, &fault), -1);
    EXPECT_EQ(fault.kind, LinesFault::NulByte);
    EXPECT_EQ(fault.line, 3);
    ASSERT_EQ(lines.LongCountNodes(), 2);
    EXPECT_EQ(ReportLineNumber(lines.GetLast()), 2);
}

TEST(SplitLines, TextBeyondTheLimitIsNotSplit) {
    std::string text(kMaxReportBytes + 1, 'x');
    imwstream in(text.data(), text.size());
    StrList lines;
    LinesFault fault;
    EXPECT_EQ(SplitLines(in, lines, nullptr, &fault), -1);
    EXPECT_EQ(fault.kind, LinesFault::TooLarge);
    EXPECT_TRUE(lines.IsEmpty());
}

TEST(SplitLines, WritesTheDebugFileWithOneLinePerLogicalLine) {
    auto dir =
        std::filesystem::temp_directory_path() / ("vexlor-lines-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    auto file = dir / kLinesDebugFile;
    const std::string text = "a\n  b\n\nc";
    imwstream in(text.data(), text.size());
    StrList lines;
    ASSERT_EQ(SplitLines(in, lines, file.c_str()), 0);
    std::ifstream f(file);
    std::stringstream got;
    got << f.rdbuf();
    EXPECT_EQ(got.str(), "a b\n\nc\n");
    std::filesystem::remove_all(dir);
}

TEST(NextEmptyLine, FindsTheParagraphEnd) {
    StrList lines;
    StrNode* a = lines.Add("a");
    lines.Add("b");
    StrNode* empty = lines.Add("");
    lines.Add("c");
    EXPECT_EQ(NextEmptyLine(a), empty);
    EXPECT_EQ(NextEmptyLine(empty), nullptr);
    EXPECT_EQ(NextEmptyLine(nullptr), nullptr);
}

// Every real report splits, and no character of it is lost: the logical lines, with each
// joined blank put back as a newline and its indentation, give the report again.
TEST(SplitLines, EveryRealReportSplitsWithoutLoss) {
    int reports = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(VEXLOR_REPORTS_DIR)) {
        if (entry.path().extension() != ".rep") continue;
        ++reports;
        std::ifstream f(entry.path(), std::ios::binary);
        std::stringstream raw;
        raw << f.rdbuf();
        std::string text = raw.str();
        int result = 1;
        Lines lines = Split(text, &result);
        ASSERT_EQ(result, 0) << entry.path();
        // Compare the non-blank characters in order: joining only removes newlines and indents.
        std::string want, got;
        for (char c : text)
            if (c != ' ' && c != '\n') want += c;
        for (const auto& l : lines)
            for (char c : l)
                if (c != ' ') got += c;
        ASSERT_EQ(got, want) << entry.path();
        size_t physical = std::count(text.begin(), text.end(), '\n');
        EXPECT_LE(lines.size(), physical + 1) << entry.path();
    }
    EXPECT_GE(reports, 129); // every folder of the README
}
