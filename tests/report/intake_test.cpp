#include "model/docfile.h"
#include "model/recordio.h"
#include "report/intake.h"
#include "report_test_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

namespace {

// Everything intake may touch, to tell whether a failed report changed anything.
struct Snapshot {
    std::vector<unsigned char> bytes;
    int faction;
    bool modified;
    explicit Snapshot(Desk& d)
        : bytes(DocBytes(d.doc)), faction(d.doc.GetFaction().Number()),
          modified(d.doc.IsModified()) {}
    bool operator==(const Snapshot&) const = default;
};

std::string RandomBytes(size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    std::string s(n, '\0');
    for (char& c : s)
        c = static_cast<char>(gen() & 0xFF);
    return s;
}

} // namespace

TEST(AddReport, FirstReportFixesTheFactionAndAddsItsTurn) {
    Desk d;
    IntakeOutcome outcome;
    ASSERT_EQ(d.Add(ReadReport("head-standard/3-turn1.rep"), &outcome), 0);
    EXPECT_EQ(d.doc.GetFaction().Number(), 3);
    ASSERT_NE(d.doc.LastTurn(), nullptr);
    EXPECT_EQ(d.doc.LastTurn()->date, AtlDate(0, 1));
    EXPECT_TRUE(d.doc.IsModified());
    EXPECT_TRUE(d.user.questions.empty());
    EXPECT_EQ(outcome.kind, IntakeResult::Added);
    EXPECT_TRUE(outcome.headerRead);
    EXPECT_FALSE(outcome.replaced);
    EXPECT_EQ(outcome.regions, 3);
}

TEST(AddReport, TreasuryLinesBeforeTheHeaderAreSkipped) {
    // The neworigins rule set writes a ";Treasury:" block before "Atlantis Report For:".
    std::string text = ReadReport("head-neworigins/3-turn1.rep");
    ASSERT_EQ(text.rfind(";Treasury:", 0), 0u);
    Desk d;
    ASSERT_EQ(d.Add(text), 0);
    EXPECT_EQ(d.doc.GetFaction().Number(), 3);
}

TEST(AddReport, SameTurnAgainAsksAndYesGivesAFreshReading) {
    const std::string text = ReadReport("v410-standard/3-turn1.rep");
    Desk once;
    ASSERT_EQ(once.Add(text), 0);

    Desk twice;
    ASSERT_EQ(twice.Add(text), 0);
    twice.user.answer = true;
    IntakeOutcome outcome;
    ASSERT_EQ(twice.Add(text, &outcome), 0);
    ASSERT_EQ(twice.user.questions.size(), 1u);
    EXPECT_EQ(twice.user.questions[0], AtlDate(0, 1));
    EXPECT_EQ(outcome.kind, IntakeResult::Replaced);
    EXPECT_TRUE(outcome.replaced);
    EXPECT_EQ(DocBytes(twice.doc), DocBytes(once.doc)); // no doubled units or items
}

TEST(AddReport, SameTurnAgainAnsweredNoChangesNothing) {
    const std::string text = ReadReport("v410-standard/3-turn1.rep");
    Desk d;
    ASSERT_EQ(d.Add(text), 0);
    d.doc.SetModified(false); // as after a save
    Snapshot before(d);
    d.user.answer = false;
    IntakeOutcome outcome;
    EXPECT_EQ(d.Add(text, &outcome), 1);
    EXPECT_EQ(outcome.kind, IntakeResult::Kept);
    EXPECT_EQ(d.user.questions.size(), 1u);
    EXPECT_EQ(Snapshot(d), before);
}

TEST(AddReport, AnotherFactionIsRefusedAndNamed) {
    Desk d;
    ASSERT_EQ(d.Add(ReadReport("head-standard/3-turn1.rep")), 0);
    d.doc.SetModified(false);
    Snapshot before(d);
    IntakeOutcome outcome;
    EXPECT_EQ(d.Add(ReadReport("head-standard/4-turn1.rep"), &outcome), 1);
    EXPECT_EQ(outcome.kind, IntakeResult::OtherFaction);
    EXPECT_EQ(outcome.faction.Number(), 4);
    EXPECT_EQ(Snapshot(d), before);
}

TEST(AddReport, BadInputChangesNothing) {
    const std::string real = ReadReport("head-standard/3-turn2.rep");
    const std::string header = "Atlantis Report For:\nRed Wolves (3)\n";
    std::string binary("\x7f"
                       "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0",
                       20);
    const std::vector<std::string> bad = {
        "",
        RandomBytes(4096, 1),
        RandomBytes(4096, 2),
        binary,
        "\n\n\n",
        real.substr(0, 10),                  // inside the first line
        real.substr(0, real.find('\n') + 1), // the first line alone
        real.substr(0, real.find("(3)")),    // the faction line without its number
        header,                              // no date line
        header + "Febr",                     // the date line cut short
        header + "February, Year\n",         // no year
        header + "February Year 1\n",        // no comma
        header + "Febuary, Year 1\n",        // no such month
        header + " February, Year 1\n",      // the month is taken exactly
        header + "February, Year 1000\n",    // beyond the years a date holds
        header + "February, Year 99999999999999\n",
        "Atlantis Report For:\nRed Wolves (0)\nFebruary, Year 1\n", // no faction at all
        "Atlantis Report For:\nRed Wolves\nFebruary, Year 1\n",
        "Red Wolves (3)\nFebruary, Year 1\n", // no first line
        "Atlantis Report\nRed Wolves (3)\nFebruary, Year 1\n",
    };
    for (bool withTurn : {false, true}) {
        Desk d;
        if (withTurn) {
            ASSERT_EQ(d.Add(ReadReport("head-standard/3-turn1.rep")), 0);
            d.doc.SetModified(false);
        }
        for (size_t i = 0; i < bad.size(); ++i) {
            Snapshot before(d);
            IntakeOutcome outcome;
            EXPECT_EQ(d.Add(bad[i], &outcome), -1) << "case " << i;
            EXPECT_FALSE(outcome.headerRead);
            // Nothing but blanks is empty; anything else without a header is no report.
            bool blank = bad[i].find_first_not_of("\n") == std::string::npos;
            EXPECT_EQ(outcome.kind, blank ? IntakeResult::Empty : IntakeResult::NotAReport)
                << "case " << i;
            EXPECT_TRUE(Snapshot(d) == before) << "case " << i;
        }
        // Above all, a first report with a faulty date line leaves no faction behind.
        EXPECT_EQ(d.doc.GetFaction().Number(), withTurn ? 3 : 0);
    }
}

TEST(AddReport, FaultInTheRegionsKeepsWhatWasReadAndMarksTheDocument) {
    std::string text = ReadReport("head-standard/3-turn6.rep");
    // Cut inside the last region block, before its exits.
    size_t lastRule = text.rfind("\n------------");
    ASSERT_NE(lastRule, std::string::npos);
    Desk d;
    IntakeOutcome outcome;
    std::string cut = text.substr(0, lastRule + 80);
    EXPECT_EQ(d.Add(cut, &outcome), -1);
    EXPECT_EQ(outcome.kind, IntakeResult::BrokenOff);
    EXPECT_TRUE(outcome.headerRead);
    EXPECT_GT(outcome.regions, 0);
    ASSERT_NE(d.doc.LastTurn(), nullptr);
    EXPECT_GT(d.doc.LastTurn()->Locations().LongCountNodes(), outcome.regions);
    EXPECT_TRUE(d.doc.IsModified());
    // The line named is where the faulty block starts: the region line above the last rule.
    size_t blockStart = text.rfind("\n\n", lastRule) + 2;
    EXPECT_EQ(outcome.line, 1 + std::count(text.begin(), text.begin() + blockStart, '\n'));
}

TEST(AddReport, FaultBeforeTheFirstRegionAddsNothing) {
    // The header, then a region block that breaks off after its rule; also when the turn is
    // loaded and the player agreed to replace it, the loaded turn stays.
    std::string text = "Atlantis Report For:\nRed Wolves (3)\nMay, Year 1\n\n"
                       "plain (1,1) in Here, 10 peasants (humans), $5.\n"
                       "------------------------------------------------------------\n";
    Desk d;
    IntakeOutcome outcome;
    EXPECT_EQ(d.Add(text, &outcome), -1);
    EXPECT_EQ(outcome.kind, IntakeResult::BrokenOff);
    EXPECT_EQ(outcome.line, 5);
    // A report that ends after its header breaks off where it ends.
    EXPECT_EQ(d.Add("Atlantis Report For:\nRed Wolves (3)\nMay, Year 1\n\nEvents:\n", &outcome),
              -1);
    EXPECT_EQ(outcome.kind, IntakeResult::BrokenOff);
    EXPECT_EQ(outcome.line, 6);
    EXPECT_TRUE(d.doc.Turns().IsEmpty());
    EXPECT_EQ(d.doc.GetFaction().Number(), 0);
    EXPECT_FALSE(d.doc.IsModified());

    ASSERT_EQ(d.Add(ReadReport("head-standard/3-turn5.rep")), 0);
    d.doc.SetModified(false);
    Snapshot before(d);
    d.user.answer = true;
    EXPECT_EQ(d.Add(text, &outcome), -1);
    EXPECT_EQ(Snapshot(d), before);
}

TEST(AddReportFile, UnreadableAndFaultyFiles) {
    Desk d;
    IntakeOutcome missing = AddReportFile("/nonexistent/dir/report.rep", d.Target());
    EXPECT_EQ(missing.kind, IntakeResult::NotOpened);
    EXPECT_EQ(missing.errorNumber, ENOENT);

    auto dir = std::filesystem::path(testing::TempDir()) / "intake_test";
    std::filesystem::create_directories(dir);
    std::string path = (dir / "garbage.rep").string();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("not a report\n", f);
    std::fclose(f);
    IntakeOutcome garbage = AddReportFile(path.c_str(), d.Target());
    EXPECT_EQ(garbage.result, -1);
    EXPECT_EQ(garbage.kind, IntakeResult::NotAReport);
    EXPECT_TRUE(d.doc.Turns().IsEmpty());
    EXPECT_EQ(ReportDirectory(path.c_str()), Str(dir.string().c_str()));
    EXPECT_EQ(ReportDirectory("report.rep"), Str());
}

// The debug copy goes to the user's cache folder, never the current one.
TEST(AddReport, WritesTheLogicalLinesToTheCacheFolder) {
    namespace fs = std::filesystem;
    auto dir = fs::path(testing::TempDir()) / "intake_debug";
    fs::remove_all(dir);
    std::string savedCache = std::getenv("XDG_CACHE_HOME") ? std::getenv("XDG_CACHE_HOME") : "";
    std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_CACHE_HOME", (dir / "cache").c_str(), 1);
    Desk d;
    IntakeTarget target = d.Target();
    target.debugFile = kLinesDebugFile;
    std::string text = "Atlantis Report For:\nRed Wolves (3) (War 1,\n  Trade 1)\nMay, Year 1\n";
    imwstream in(text.data(), text.size());
    AddReport(in, target); // a header alone breaks off; its lines are written all the same
    std::ifstream f(dir / "cache" / "vexlor" / "lines01.deb");
    std::stringstream s;
    s << f.rdbuf();
    EXPECT_EQ(s.str(), "Atlantis Report For:\nRed Wolves (3) (War 1, Trade 1)\nMay, Year 1\n");
    EXPECT_FALSE(fs::exists(fs::current_path() / "lines01.deb"));

    // Without the variable (or with a relative one) the home folder's .cache is used.
    ::setenv("XDG_CACHE_HOME", "relative/cache", 1);
    ::setenv("HOME", (dir / "home").c_str(), 1);
    EXPECT_EQ(LinesDebugPath(kLinesDebugFile),
              (dir / "home" / ".cache" / "vexlor" / "lines01.deb").string());
    EXPECT_TRUE(fs::is_directory(dir / "home" / ".cache" / "vexlor"));
    EXPECT_EQ(LinesDebugPath("/elsewhere/lines.txt"), "/elsewhere/lines.txt");
    ::unsetenv("HOME");
    ::unsetenv("XDG_CACHE_HOME");
    EXPECT_EQ(LinesDebugPath(kLinesDebugFile), "");
    ::setenv("XDG_CACHE_HOME", savedCache.c_str(), 1);
    ::setenv("HOME", savedHome.c_str(), 1);
}

// A map saved before widths were kept opens without them and learns them from the next
// report; saved again, it keeps them.
TEST(AddReport, AMapWithoutWidthsLearnsThemFromTheNextReport) {
    const std::string typed = [] {
        std::ifstream f(std::string(VEXLOR_TYPED_DIR) + "/levels.rep", std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }();
    Desk first;
    ASSERT_EQ(first.Add(typed), 0);
    first.doc.Extras() = DocExtras(); // as an older program wrote it
    for (TurnNode* t = first.doc.FirstTurn(); t; t = t->Next())
        t->extras = {};
    omwstream old;
    ASSERT_EQ(WriteDocFile(old, first.doc), 0);

    Desk d;
    ASSERT_EQ(ReadDocFile(KeptBytes::Copy(old.Bytes().data(), old.Bytes().size()), d.doc), DocRead);
    EXPECT_TRUE(d.doc.Extras().levelWidths.IsEmpty());
    d.user.answer = true; // replace the turn
    ASSERT_EQ(d.Add(typed), 0);
    EXPECT_EQ(d.doc.Extras().levelWidths.All(), (std::map<int, int>{{0, 32}, {1, 16}, {3, 8}}));
    omwstream saved;
    ASSERT_EQ(WriteDocFile(saved, d.doc), 0);
    VexlorDoc back;
    ASSERT_EQ(ReadDocFile(KeptBytes::Copy(saved.Bytes().data(), saved.Bytes().size()), back),
              DocRead);
    EXPECT_EQ(back.Extras().levelWidths.All(), d.doc.Extras().levelWidths.All());
}
