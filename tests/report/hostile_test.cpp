// Reports under hostile input: a failed report never replaces or damages a loaded turn, the
// file's 16-bit fields and list limits are checked while reading, text forms, and file kinds.
#include "model/docfile.h"
#include "model/keptbytes.h"
#include "report/intake.h"
#include "report/regions.h"
#include "report_test_util.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kHeader = "Atlantis Report For:\nRed Wolves (3)\nMay, Year 1\n\n";
const std::string kRule = std::string(60, '-') + "\n";

std::string Block(const std::string& regionLine, const std::string& units = "") {
    return regionLine + "\n" + kRule + "  Wages: $14.\n  Wanted: none.\n  For Sale: none.\n" +
           "  Products: none.\n\nExits:\n  none\n\n" + units + "\n";
}

// A loaded turn and the bytes of the document holding it.
struct Loaded {
    Loaded() {
        EXPECT_EQ(d.Add(ReadReport("head-standard/3-turn1.rep")), 0);
        d.user.answer = true; // the player agrees to every replace
        bytes = DocBytes(d.doc);
    }
    Desk d;
    std::vector<unsigned char> bytes;
};

} // namespace

TEST(FailedReplace, AReportThatFailsLeavesTheLoadedTurnAsItWas) {
    const std::string real = ReadReport("head-standard/3-turn1.rep");
    std::string farAway = real;
    farAway.replace(farAway.find("\nplain (36,4)"), 13, "\nplain (65559,4)");
    const std::string cuts[] = {
        real.substr(0, real.rfind("\nExits:")), // cut inside its last region
        farAway,                                // a fault in a region
    };
    for (const std::string& cut : cuts) {
        Loaded l;
        IntakeOutcome outcome;
        EXPECT_EQ(l.d.Add(cut, &outcome), -1);
        EXPECT_TRUE(l.d.user.questions.empty()); // refused before any question
        EXPECT_FALSE(outcome.replaced);
        EXPECT_EQ(DocBytes(l.d.doc), l.bytes);
    }
    Loaded l;
    EXPECT_EQ(l.d.Add(real), 0); // the whole report does replace it
    EXPECT_EQ(DocBytes(l.d.doc), l.bytes);
    EXPECT_TRUE(l.d.doc.IsModified());
}

TEST(CoordinatesAndLimits, CoordinatesBeyond16BitsAreAFaultNeverAWrap) {
    Desk d;
    IntakeOutcome outcome;
    EXPECT_EQ(d.Add(kHeader + Block("plain (23,5) in Home, 10 peasants (humans), $5.") +
                        Block("plain (65559,5) in Far, 10 peasants (humans), $5."),
                    &outcome),
              -1);
    EXPECT_EQ(outcome.fault, IntakeFault::CoordinateTooLarge);
    EXPECT_EQ(outcome.line, 16);
    EXPECT_EQ(outcome.regions, 1);
    const LocationNode* home = d.doc.LastTurn()->FindLoc(AtlCoord(23, 5));
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(home->regionName, "Home");
    EXPECT_EQ(d.doc.LastTurn()->LocationCount(), 1u);

    // In an exit, and a building number, alike.
    Desk e;
    EXPECT_EQ(e.Add(kHeader + "plain (1,1) in A, 1 peasants (humans), $5.\n" + kRule +
                        "  Wages: $1.\n\nExits:\n  North : ocean (1,70001) in Sea.\n\n",
                    &outcome),
              -1);
    EXPECT_EQ(outcome.fault, IntakeFault::CoordinateTooLarge);
    EXPECT_EQ(outcome.line, 10);
    Desk b;
    EXPECT_EQ(b.Add(kHeader + Block("plain (1,1) in A, 1 peasants (humans), $5.",
                                    "+ Tower [70000] : Tower.\n"),
                    &outcome),
              -1);
    EXPECT_EQ(outcome.fault, IntakeFault::Malformed);
    // The fault is in the first region: nothing was added.
    EXPECT_TRUE(b.doc.Turns().IsEmpty());
}

TEST(CoordinatesAndLimits, AReportBeyondAListLimitIsRefusedWholeAndNamesIt) {
    std::string units;
    for (long i = 0; i <= kMaxListEntries; ++i)
        units += "- U (" + std::to_string(i + 1) + "), leader [LEAD].\n";
    const std::string report = kHeader + Block("plain (2,2) in A, 1 peasants (humans), $5.") +
                               Block("plain (1,1) in Crowd, 1 peasants (humans), $5.", units);
    for (bool loaded : {false, true}) {
        Desk d;
        if (loaded) {
            ASSERT_EQ(d.Add(ReadReport("head-standard/3-turn1.rep")), 0);
        }
        d.doc.SetModified(false);
        std::vector<unsigned char> before = DocBytes(d.doc);
        IntakeOutcome outcome;
        EXPECT_EQ(d.Add(report, &outcome), -1);
        EXPECT_EQ(outcome.fault, IntakeFault::ListTooLong);
        EXPECT_STREQ(outcome.list, "units in one region");
        EXPECT_EQ(outcome.line, 16);
        EXPECT_EQ(DocBytes(d.doc), before);
        EXPECT_FALSE(d.doc.IsModified());
    }
    // One fewer fits.
    Desk d;
    EXPECT_EQ(d.Add(report.substr(0, report.rfind("- U"))), 0);
}

// The lists only the extension area keeps, made too long in a real report: a region with
// 65,536 exits, a unit with 65,536 skills. Refused whole before anything changes, naming the
// line; one fewer is added and reads back whole from the saved file.
TEST(CoordinatesAndLimits, ExtensionAreaListsBeyondTheirCountsAreRefusedWithTheirLine) {
    const std::string real = ReadReport("head-standard/3-turn1.rep");
    struct Case {
        std::string (*make)(const std::string& real, long total);
        const char* list;
        int line;
    };
    // The nexus (line 89) lists 6 exits; unit 358 (line 114) has 3 skills.
    auto withExits = [](const std::string& report, long total) {
        std::string more;
        for (long i = 6; i < total; ++i)
            more += "  North : jungle (0,32) in Erisort, contains Verdorf [city].\n";
        std::string text = report;
        text.insert(text.find("Exits:\n") + 7, more);
        return text;
    };
    auto withSkills = [](const std::string& report, long total) {
        std::string more;
        for (long i = 3; i < total; ++i)
            more += "lore [LORE] 1 (30), ";
        std::string text = report;
        text.insert(text.find("Skills: pattern") + 8, more);
        return text;
    };
    const Case cases[] = {{+withExits, "exits of one region", 89},
                          {+withSkills, "skills of one unit", 114}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        for (bool loaded : {false, true}) {
            Desk d;
            if (loaded) ASSERT_EQ(d.Add(real), 0);
            d.user.answer = true;
            d.doc.SetModified(false);
            const std::vector<unsigned char> before = DocBytes(d.doc);
            IntakeOutcome outcome;
            EXPECT_EQ(d.Add(c.make(real, kMaxListEntries + 1), &outcome), -1);
            EXPECT_EQ(outcome.fault, IntakeFault::ListTooLong);
            EXPECT_STREQ(outcome.list, c.list);
            EXPECT_EQ(outcome.line, c.line);
            EXPECT_EQ(DocBytes(d.doc), before);
            EXPECT_FALSE(d.doc.IsModified());
        }
        Desk d;
        ASSERT_EQ(d.Add(c.make(real, kMaxListEntries)), 0);
        omwstream out;
        ASSERT_EQ(WriteDocFile(out, d.doc), 0);
        VexlorDoc back;
        ASSERT_EQ(ReadDocFile(KeptBytes::Copy(out.Bytes().data(), out.Bytes().size()), back),
                  DocRead);
        EXPECT_FALSE(back.Extras().damaged);
        const TurnExtras* extras = KeptExtras(back, back.LastTurn()->date);
        ASSERT_NE(extras, nullptr);
        EXPECT_TRUE(*extras == *KeptExtras(d.doc, d.doc.LastTurn()->date));
    }
}

TEST(TextForms, AByteOrderMarkIsSkippedAndANulByteNamesItsLine) {
    const std::string real = ReadReport("head-standard/3-turn2.rep");
    Desk plain, marked;
    ASSERT_EQ(plain.Add(real), 0);
    ASSERT_EQ(marked.Add("\xEF\xBB\xBF" + real), 0);
    EXPECT_EQ(DocBytes(marked.doc), DocBytes(plain.doc));

    std::string withNul = real;
    withNul[real.find("Exits:")] = '\0';
    Desk d;
    IntakeOutcome outcome;
    EXPECT_EQ(d.Add(withNul, &outcome), -1);
    EXPECT_EQ(outcome.fault, IntakeFault::NulByte);
    EXPECT_EQ(outcome.line, 1 + std::count(real.begin(), real.begin() + real.find("Exits:"), '\n'));
    EXPECT_TRUE(d.doc.Turns().IsEmpty());
}

TEST(FileKindsAndSizes, OnlyRegularFilesWithinTheLimitAreReadAndNoneBlocks) {
    fs::path dir = fs::path(testing::TempDir()) / ("vexlor-kinds-" + std::to_string(getpid()));
    fs::create_directories(dir);
    ASSERT_EQ(::mkfifo((dir / "pipe.rep").c_str(), 0600), 0);
    // Larger than any report, made without writing its bytes.
    fs::path huge = dir / "huge.rep";
    std::ofstream(huge).put('A');
    fs::resize_file(huge, kMaxReportBytes + 1);
    struct Case {
        fs::path path;
        IntakeFault fault;
    } cases[] = {
        {dir / "pipe.rep", IntakeFault::NotAFile},
        {"/dev/zero", IntakeFault::NotAFile},
        {huge, IntakeFault::TooLarge},
    };
    for (const Case& c : cases) {
        Desk d;
        IntakeOutcome outcome = AddReportFile(c.path.c_str(), d.Target());
        EXPECT_EQ(outcome.kind, IntakeResult::NotOpened);
        EXPECT_EQ(outcome.fault, c.fault);
        EXPECT_TRUE(d.doc.Turns().IsEmpty());
    }
    fs::remove_all(dir);
}
