#include "report/intake.h"
#include "report/wholeness.h"
#include "report_test_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// Answers as vexlor-cli add --replace does without --force: Yes, unless the report would lose
// regions or units of the turn.
class ReplaceUnlessSmaller : public IntakeUser {
public:
    bool ReplaceTurn(const TurnReplacement& r) override {
        ++asked;
        smaller += r.report.Smaller(r.held);
        return !r.report.Smaller(r.held);
    }
    int asked = 0;
    int smaller = 0;
};

// Every line, empty ones included, followed by blanks, as some mail programs pass it on.
std::string Padded(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += "   ";
        out += c;
    }
    return out;
}

} // namespace

// No byte-prefix of a real report takes the place of the complete turn: each is refused as
// cut, or (where a cut between two blocks cannot be seen) would lose regions or units, which
// the replace question must say. Both forms: the 4.0 one ends with "#end", the 5.2 one with
// the two empty lines of its last block.
TEST(Wholeness, NoPrefixOfARealReportReplacesTheCompleteTurn) {
    for (const char* name : {"v404-standard/3-turn2.rep", "head-standard/3-turn2.rep"}) {
        SCOPED_TRACE(name);
        std::string text = ReadReport(name);
        VexlorDoc doc;
        ReplaceUnlessSmaller user;
        imwstream whole(text.data(), text.size());
        ASSERT_EQ(AddReport(whole, IntakeTarget{doc, user, nullptr}), 0);
        const std::vector<unsigned char> held = DocBytes(doc);
        int cut = 0, smaller = 0, replaced = 0;
        for (size_t n = 0; n < text.size(); ++n) {
            IntakeOutcome outcome;
            user.smaller = 0;
            imwstream in(text.data(), n);
            AddReport(in, IntakeTarget{doc, user, nullptr}, &outcome);
            cut += outcome.kind == IntakeResult::BrokenOff;
            smaller += user.smaller;
            replaced += outcome.kind == IntakeResult::Replaced;
            // A prefix taken must be the report but for its very last line breaks.
            ASSERT_TRUE(outcome.kind != IntakeResult::Replaced || DocBytes(doc) == held)
                << "prefix of " << n << " bytes replaced the turn";
            ASSERT_TRUE(outcome.kind != IntakeResult::BrokenOff || outcome.line > 0) << n;
        }
        // Most prefixes stop inside a block; those past the header are refused as cut.
        EXPECT_GT(cut, static_cast<int>(text.size()) / 2);
        EXPECT_LE(replaced, 4); // only the trailing line breaks may go
        if (std::string(name).find("head-") == 0) {
            EXPECT_GT(smaller, 0);
        }
    }
}

// The 5.2 form's cut between two blocks is whole on its face; what it would lose is counted
// for the question, regions and the player's own units.
TEST(Wholeness, ACutBetweenBlocksIsCountedForTheQuestion) {
    std::string text = ReadReport("head-standard/3-turn3.rep");
    // After the first block's two empty lines: only the region of Seer (359).
    size_t second = text.find("ocean (15,5) in Wyreth Ocean.\n---");
    ASSERT_NE(second, std::string::npos);
    Desk d;
    ASSERT_EQ(d.Add(text), 0);
    d.user.answer = false;
    IntakeOutcome outcome;
    EXPECT_EQ(d.Add(text.substr(0, second), &outcome), 1);
    EXPECT_EQ(outcome.kind, IntakeResult::Kept);
    ASSERT_EQ(d.user.questions.size(), 1u);
    EXPECT_EQ(d.user.last.report.regions, 1);
    EXPECT_EQ(d.user.last.held.regions, 3);
    EXPECT_EQ(d.user.last.report.units, 1);
    EXPECT_EQ(d.user.last.held.units, 7);
    EXPECT_TRUE(d.user.last.report.Smaller(d.user.last.held));
    // The whole report again loses nothing.
    EXPECT_EQ(d.Add(text), 1);
    EXPECT_FALSE(d.user.last.report.Smaller(d.user.last.held));
}

// Each kind of cut, named where the report breaks off; the same cuts on a new turn keep what
// was read before them.
TEST(Wholeness, CutsAreRefusedAtTheLineWhereTheReportEnds) {
    std::string text = ReadReport("head-standard/3-turn3.rep");
    struct Cut {
        const char* after; // the report ends after this text
        const char* why;
        int line; // where it breaks off; 0: where the text ends
    } cuts[] = {
        {"Northwest : ocean (35,3) in Wyreth Ocean.\n", "an exit list", 0},
        {"Exits:\n", "right after Exits:", 0},
        {"* Seer (359), Red Wolves (3), behind, won't cross water, leader\n", "a unit line", 0},
        {"  [LEAD], 985 silver [SILV]. Weight: 10. Capacity: 0/0/15/0. Skills:\n", "a wrapped line",
         0},
        {"  gate lore [GATE] 3 (180).\n\n", "one empty line short", 0},
        // The reader stops at the region line of the block that lacks its lines.
        {"  Wages: $0.\n  Wanted: none.\n", "a block without its lines", 99},
    };
    for (const Cut& c : cuts) {
        SCOPED_TRACE(c.why);
        size_t at = text.find(c.after);
        ASSERT_NE(at, std::string::npos);
        std::string prefix = text.substr(0, at + std::strlen(c.after));
        int end = static_cast<int>(std::count(prefix.begin(), prefix.end(), '\n')) + 1;
        for (bool held : {true, false}) {
            Desk d;
            if (held) {
                ASSERT_EQ(d.Add(text), 0);
            }
            const std::vector<unsigned char> before = DocBytes(d.doc);
            d.user.answer = true;
            IntakeOutcome outcome;
            d.Add(prefix, &outcome);
            EXPECT_EQ(outcome.kind, IntakeResult::BrokenOff);
            EXPECT_EQ(outcome.line, c.line ? c.line : end);
            EXPECT_TRUE(d.user.questions.empty());
            // The turn held stays as it was; a new turn keeps the blocks before the cut.
            if (held) {
                EXPECT_EQ(DocBytes(d.doc), before);
            } else {
                EXPECT_NE(d.doc.LastTurn(), nullptr);
            }
        }
    }
}

// The 4.0 form closes its orders template with "#end": without it the report was cut, even
// between two of its blocks; a typed report that names no engine keeps the old leniency at its
// end but not inside a line.
TEST(Wholeness, TheOldFormNeedsItsClosingLine) {
    std::string text = ReadReport("v404-standard/3-turn2.rep");
    size_t end = text.rfind("#end");
    ASSERT_NE(end, std::string::npos);
    ReportLines lines;
    for (size_t n : {end, text.find("Orders Template"), text.find("\n\n", text.find("Exits:"))}) {
        SplitText(text.substr(0, n), lines);
        EXPECT_EQ(FindCut(lines, lines.First(), 1), lines.EndLine()) << n;
    }
    SplitText(text, lines);
    EXPECT_EQ(FindCut(lines, lines.First(), 1), 0);
}

// A report whose every line carries trailing blanks reads as the report itself, in both forms
// and with the nexus's lines of blanks; a report that only ends its text lines with blanks was
// read so before.
TEST(Wholeness, AMailPaddedReportReadsAsItself) {
    for (const char* name : {"head-standard/3-turn1.rep", "v404-standard/3-turn2.rep",
                             "head-neworigins/3-turn1.rep"}) {
        SCOPED_TRACE(name);
        std::string text = ReadReport(name);
        Desk plain, padded;
        ASSERT_EQ(plain.Add(text), 0);
        IntakeOutcome outcome;
        ASSERT_EQ(padded.Add(Padded(text), &outcome), 0) << outcome.line;
        EXPECT_EQ(DocBytes(padded.doc), DocBytes(plain.doc));
        ASSERT_TRUE(IsMailPadded(Padded(text).data(), Padded(text).size()));
        EXPECT_FALSE(IsMailPadded(text.data(), text.size()));
    }
}
