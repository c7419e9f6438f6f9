// The faction's own page and what the reports taught, read from the real engine reports of
// every form (4.0 and 5.x, standard and neworigins, the game master's whole world) and
// checked against their text read here apart from the report reader.
#include "model/docfile.h"
#include "model/recordio.h"
#include "model/turnextras.h"
#include "report_test_util.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// The report's physical lines, a line indented under another joined to it by one blank.
std::vector<std::string> JoinedLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(' ', 0) == 0 && line.find_first_not_of(' ') != std::string::npos &&
            !lines.empty() && !lines.back().empty())
            lines.back() += " " + line.substr(line.find_first_not_of(' '));
        else
            lines.push_back(line);
    }
    return lines;
}

// The lines of the paragraph whose first line begins with heading; with the heading when
// withHeading.
std::vector<std::string> Paragraph(const std::vector<std::string>& lines,
                                   const std::string& heading, bool withHeading) {
    std::vector<std::string> found;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind(heading, 0) != 0 || (i > 0 && !lines[i - 1].empty())) continue;
        for (size_t j = withHeading ? i : i + 1; j < lines.size() && !lines[j].empty(); ++j)
            found.push_back(lines[j]);
        break;
    }
    return found;
}

std::vector<std::string> Texts(const std::vector<Str>& lines) {
    std::vector<std::string> texts;
    for (const Str& line : lines)
        texts.emplace_back(line.View());
    return texts;
}

// Every faction's report sequence of every folder: folder, faction and the number of turns.
struct Sequence {
    std::string folder;
    int faction;
    int turns;
    std::string Report(int turn) const {
        return folder + "/" + std::to_string(faction) + "-turn" + std::to_string(turn) + ".rep";
    }
};

std::vector<Sequence> Sequences() {
    std::vector<Sequence> found;
    for (const char* folder : {"v404-standard", "v410-standard", "head-standard", "head-neworigins",
                               "repo-snapshot-standard", "repo-snapshot-neworigins"})
        for (int faction = 3; faction <= 5; ++faction) {
            Sequence s{folder, faction, 0};
            while (fs::exists(fs::path(VEXLOR_REPORTS_DIR) / s.Report(s.turns + 1)))
                ++s.turns;
            if (s.turns > 0) found.push_back(s);
        }
    return found;
}

Desk AddSequence(const Sequence& s) {
    Desk d;
    for (int t = 1; t <= s.turns; ++t)
        EXPECT_EQ(d.Add(ReadReport(s.Report(t))), 0) << s.Report(t);
    return d;
}

// The entries under a heading of the reports' top part, by their first words, read apart.
std::vector<std::string> RawEntries(const std::vector<std::string>& lines, const char* heading) {
    std::vector<std::string> entries;
    bool within = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty() || (i > 0 && !lines[i - 1].empty())) continue;
        if (line.find(" reports:") != std::string::npos || line.rfind("Declared ", 0) == 0 ||
            line.rfind("Unclaimed ", 0) == 0 || line.find(") in ") != std::string::npos)
            within = line == heading;
        else if (within)
            entries.push_back(line);
    }
    return entries;
}

std::vector<unsigned char> FileBytes(VexlorDoc& doc) {
    omwstream out;
    EXPECT_EQ(WriteDocFile(out, doc), 0);
    return out.Bytes();
}

} // namespace

TEST(FactionPage, EveryReportsStatusAttitudesAndSilverAsWritten) {
    int pages = 0, friendly = 0;
    for (const Sequence& s : Sequences()) {
        Desk d = AddSequence(s);
        for (int t = 1; t <= s.turns; ++t) {
            const std::vector<std::string> lines = JoinedLines(ReadReport(s.Report(t)));
            const TurnExtras* extras = KeptExtras(d.doc, AtlDate(t - 1, 1));
            ASSERT_TRUE(extras) << s.Report(t);
            const FactionPage& page = extras->faction;
            EXPECT_EQ(Texts(page.status), Paragraph(lines, "Faction Status:", false));
            std::vector<std::string> attitudes = Paragraph(lines, "Declared Attitudes", true);
            ASSERT_FALSE(attitudes.empty());
            EXPECT_EQ("Declared Attitudes (default " + std::string(page.defaultAttitude.View()) +
                          "):",
                      attitudes[0]);
            attitudes.erase(attitudes.begin());
            EXPECT_EQ(Texts(page.attitudes), attitudes) << s.Report(t);
            EXPECT_EQ(Texts(page.silver), Paragraph(lines, "Unclaimed silver:", true));
            EXPECT_GE(page.status.size(), 3u);
            EXPECT_EQ(page.attitudes.size(), 5u);
            ++pages;
            friendly += page.attitudes[3] == "Friendly : Red Wolves (3).";
        }
    }
    EXPECT_GT(pages, 120);
    EXPECT_GT(friendly, 0);
}

TEST(FactionPage, OldAndNewFormsByTheirWords) {
    Desk old = AddSequence({"v404-standard", 3, 1});
    const FactionPage& first = KeptExtras(old.doc, AtlDate(0, 1))->faction;
    EXPECT_EQ(
        Texts(first.status),
        (std::vector<std::string>{"Tax Regions: 0 (10)", "Trade Regions: 0 (10)", "Mages: 0 (1)"}));
    EXPECT_EQ(first.defaultAttitude, "Neutral");
    EXPECT_EQ(first.attitudes.front(), "Hostile : none.");
    EXPECT_EQ(Texts(first.silver), std::vector<std::string>{"Unclaimed silver: 5050."});

    // The neworigins rule set counts regions, quartermasters and apprentices.
    Desk neworigins = AddSequence({"head-neworigins", 3, 1});
    EXPECT_EQ(Texts(KeptExtras(neworigins.doc, AtlDate(0, 1))->faction.status),
              (std::vector<std::string>{"Regions: 0 (10)", "Quartermasters: 0 (2)", "Mages: 2 (2)",
                                        "Apprentices: 0 (3)"}));

    Desk herons = AddSequence({"head-standard", 4, 6});
    const FactionPage& june = KeptExtras(herons.doc, AtlDate(5, 1))->faction;
    EXPECT_EQ(june.defaultAttitude, "Unfriendly");
    EXPECT_EQ(june.attitudes[1], "Unfriendly : Creatures (2).");
}

TEST(References, EverySkillItemAndObjectReportKeptOnceByItsNewestTurn) {
    // The game master's whole world and the players' reports of every form.
    std::vector<std::pair<std::string, std::vector<std::string>>> docs;
    for (const Sequence& s : Sequences()) {
        Desk d = AddSequence(s);
        // Each entry's kept text and turn are the last report's that gave one of that name.
        std::map<std::string, std::pair<std::string, AtlDate>> expected;
        for (int t = 1; t <= s.turns; ++t) {
            const std::vector<std::string> lines = JoinedLines(ReadReport(s.Report(t)));
            for (const char* heading : {"Skill reports:", "Item reports:", "Object reports:"})
                for (const std::string& entry : RawEntries(lines, heading))
                    expected[heading + entry.substr(0, entry.find_first_of(":,."))] = {
                        entry, AtlDate(t - 1, 1)};
        }
        const References& refs = d.doc.Extras().references;
        ASSERT_EQ(refs.All().size(), expected.size()) << s.folder << " " << s.faction;
        for (const Reference& entry : refs.All()) {
            const char* heading = entry.kind == ReferenceKind::Skill  ? "Skill reports:"
                                  : entry.kind == ReferenceKind::Item ? "Item reports:"
                                                                      : "Object reports:";
            std::string title(ReferenceTitle(entry).View());
            auto it = expected.find(heading + title);
            ASSERT_NE(it, expected.end()) << title;
            EXPECT_EQ(std::string(entry.text.View()), it->second.first);
            EXPECT_EQ(entry.date, it->second.second) << title;
        }
    }
}

TEST(References, TheGameMastersWorldsAndTheirNames) {
    for (const char* world : {"large/head-standard-world.rep", "large/v410-standard-world.rep"}) {
        Desk d;
        ASSERT_EQ(d.Add(ReadReport(world)), 0);
        const References& refs = d.doc.Extras().references;
        const std::vector<std::string> lines = JoinedLines(ReadReport(world));
        size_t raw = 0;
        for (const char* heading : {"Skill reports:", "Item reports:", "Object reports:"})
            raw += RawEntries(lines, heading).size();
        EXPECT_EQ(refs.All().size(), raw) << world;

        const Reference* gate = refs.Find(ReferenceKind::Skill, "gate");
        ASSERT_TRUE(gate);
        EXPECT_EQ(ReferenceTitle(*gate), "gate lore [GATE] 1");
        const Reference* leader = refs.Find(ReferenceKind::Item, "LEAD");
        ASSERT_TRUE(leader);
        EXPECT_EQ(leader->text.View().substr(0, 25), "leader [LEAD], weight 10,");
        // Five levels of each skill, listed together.
        std::vector<const Reference*> gates = refs.Matching("GATE");
        ASSERT_GE(gates.size(), 5u);
        for (int level = 1; level <= 5; ++level)
            EXPECT_EQ(gates[static_cast<size_t>(level - 1)]->level, level);
    }

    // The newer engine names two kinds of object alike: both are kept.
    Desk d;
    ASSERT_EQ(d.Add(ReadReport("large/head-standard-world.rep")), 0);
    std::vector<const Reference*> lairs = d.doc.Extras().references.Matching("lAIR");
    ASSERT_EQ(lairs.size(), 2u);
    EXPECT_EQ(lairs[0]->text.View().substr(0, 36), "Lair: This is a building. Trents can");
    EXPECT_EQ(ReferenceTitle(*lairs[1]), "Lair");
    EXPECT_EQ(lairs[1]->kind, ReferenceKind::Object);
}

TEST(References, AnOlderReportAddedLaterLeavesTheNewerText) {
    Desk forward = AddSequence({"head-standard", 3, 8});
    Desk backward;
    for (int t = 8; t >= 1; --t)
        ASSERT_EQ(backward.Add(ReadReport("head-standard/3-turn" + std::to_string(t) + ".rep")), 0);
    EXPECT_EQ(backward.doc.Extras().references.All(), forward.doc.Extras().references.All());

    // A report read again for its turn gives that turn's text once more.
    backward.user.answer = true;
    ASSERT_EQ(backward.Add(ReadReport("head-standard/3-turn1.rep")), 0);
    EXPECT_EQ(backward.doc.Extras().references.All(), forward.doc.Extras().references.All());

    // Of two texts the later turn's wins; of one turn the one learned last.
    References refs;
    Reference newer{ReferenceKind::Skill,  "combat", "COMB", 1, AtlDate(5, 1),
                    "combat [COMB] 1: new"};
    Reference older = newer;
    older.date = AtlDate(2, 1);
    older.text = "combat [COMB] 1: old";
    refs.Learn(newer);
    refs.Learn(older);
    ASSERT_EQ(refs.All().size(), 1u);
    EXPECT_EQ(refs.All()[0].text, "combat [COMB] 1: new");
    older.date = newer.date;
    refs.Learn(older);
    EXPECT_EQ(refs.All()[0].text, "combat [COMB] 1: old");
}

TEST(References, SavedAndOpenedWithThePagesWhereTheVersion1ReaderNeverLooks) {
    Desk d = AddSequence({"head-standard", 3, 8});
    const std::vector<unsigned char> bytes = FileBytes(d.doc);

    VexlorDoc back;
    ASSERT_EQ(ReadDocFile(KeptBytes::Copy(bytes.data(), bytes.size()), back), DocRead);
    EXPECT_FALSE(back.Extras().damaged);
    EXPECT_EQ(back.Extras().references.All(), d.doc.Extras().references.All());
    for (const TurnNode& turn : d.doc.Turns())
        EXPECT_EQ(KeptExtras(back, turn.date)->faction, KeptExtras(d.doc, turn.date)->faction);
    EXPECT_EQ(FileBytes(back), bytes);

    // The version-1 part is the same bytes as the document's without them.
    d.doc.Extras().references = References();
    for (TurnNode* t = d.doc.FirstTurn(); t; t = t->Next())
        t->extras.Change().faction = FactionPage();
    const std::vector<unsigned char> without = FileBytes(d.doc);
    const size_t version1 = kDocSignatureSize + 4 + DocBytes(d.doc).size();
    ASSERT_LT(version1, without.size());
    EXPECT_TRUE(
        std::equal(bytes.begin(), bytes.begin() + static_cast<long>(version1), without.begin()));
    EXPECT_LT(without.size(), bytes.size());
}
