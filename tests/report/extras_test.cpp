// What a report says beyond the version-1 records, read from the real engine reports: exits,
// gates, weather, own units' details and the turn's paragraphs.
#include "base/wio.h"
#include "model/docfile.h"
#include "model/levelname.h"
#include "model/recordio.h"
#include "report/extrasreader.h"
#include "report/scan.h"
#include "report/textcoords.h"
#include "report_test_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>

namespace fs = std::filesystem;

namespace {

Desk AddTurns(const std::string& folder, int faction, int turns) {
    Desk d;
    for (int t = 1; t <= turns; ++t)
        EXPECT_EQ(d.Add(ReadReport(folder + "/" + std::to_string(faction) + "-turn" +
                                   std::to_string(t) + ".rep")),
                  0);
    return d;
}

const TurnExtras& Extras(const VexlorDoc& doc, AtlDate date) {
    const TurnExtras* kept = KeptExtras(doc, date);
    EXPECT_NE(kept, nullptr) << date.GetString().Get();
    static const TurnExtras none;
    return kept ? *kept : none;
}

const TurnExtras& Extras(const Desk& d, int month) {
    return Extras(d.doc, AtlDate(month, 1));
}

// One exit as the report's physical lines give it, read apart from the report reader.
struct RawExit {
    AtlCoord from;
    std::string direction, terrain;
    AtlCoord to;
};

// The exits of every region block of a report text, with wrapped exit lines joined.
std::vector<RawExit> RawExits(const std::string& text) {
    static const std::regex region(R"(^ *[a-z ]+ \((-?\d+),(-?\d+)(,([a-z ]+))?\) in .*)");
    static const std::regex exit(R"(^  (\w+) : ([a-z ]+) \((-?\d+),(-?\d+)(,([a-z ]+))?\) in .*)");
    auto level = [](const std::string& word) {
        return word.empty() ? 0 : LevelFromWord(word.c_str());
    };
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("    ", 0) == 0 && !lines.empty() && lines.back().rfind("  ", 0) == 0)
            lines.back() += " " + line.substr(4);
        else
            lines.push_back(line);
    std::vector<RawExit> exits;
    AtlCoord current;
    bool inExits = false;
    std::string lastTop; // the last line at column 0: the region line when a rule follows
    for (size_t i = 0; i < lines.size(); ++i) {
        std::smatch m;
        if (lines[i].rfind("---------", 0) == 0 && std::regex_match(lastTop, m, region))
            current = AtlCoord(std::stoi(m[1]), std::stoi(m[2]), level(m[4]));
        if (!lines[i].empty() && lines[i][0] != ' ') lastTop = lines[i];
        if (lines[i] == "Exits:") {
            inExits = true;
        } else if (lines[i].empty() || lines[i].rfind("Orders Template", 0) == 0) {
            inExits = false;
        } else if (inExits && std::regex_match(lines[i], m, exit)) {
            exits.push_back(
                {current, m[1], m[2], AtlCoord(std::stoi(m[3]), std::stoi(m[4]), level(m[6]))});
        }
    }
    return exits;
}

} // namespace

TEST(TurnExtras, EveryExitOfEveryRegionBlockIsKept) {
    for (const char* folder : {"v404-standard", "v410-standard", "head-standard", "head-neworigins",
                               "repo-snapshot-standard", "repo-snapshot-neworigins"}) {
        Desk d;
        int checked = 0;
        for (int t = 1; fs::exists(fs::path(VEXLOR_REPORTS_DIR) / folder /
                                   ("3-turn" + std::to_string(t) + ".rep"));
             ++t) {
            const std::string text =
                ReadReport(std::string(folder) + "/3-turn" + std::to_string(t) + ".rep");
            IntakeOutcome outcome;
            ASSERT_EQ(d.Add(text, &outcome), 0) << folder << " " << t;
            const TurnExtras& extras = Extras(d.doc, outcome.date);
            std::map<AtlCoord, size_t> seen;
            for (const RawExit& raw : RawExits(text)) {
                const RegionExtras* region = extras.FindRegion(raw.from);
                ASSERT_NE(region, nullptr) << folder << " " << t << raw.from.GetString().Get();
                size_t& index = seen[raw.from];
                ASSERT_LT(index, region->exits.size()) << raw.from.GetString().Get();
                const ExitRecord& kept = region->exits[index++];
                EXPECT_EQ(DirectionName(kept.direction), raw.direction);
                EXPECT_EQ(kept.terrain.GetString(), raw.terrain.c_str());
                EXPECT_EQ(kept.target, raw.to) << raw.to.GetString().Get();
                ++checked;
            }
            // Nothing more than the report lists.
            size_t kept = 0;
            for (const auto& [key, region] : extras.Regions())
                kept += region.exits.size();
            size_t listed = 0;
            for (const auto& [key, count] : seen)
                listed += count;
            EXPECT_EQ(kept, listed) << folder << " " << t;
        }
        EXPECT_GT(checked, 20) << folder;
    }
}

TEST(TurnExtras, GateAndWeatherOfChosenRegions) {
    Desk standard = AddTurns("head-standard", 3, 6);
    const TurnExtras& june = Extras(standard, 5);
    const RegionExtras* plain = june.FindRegion(AtlCoord(36, 4));
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->gate, 28);
    EXPECT_EQ(plain->gateCount, 31);
    EXPECT_EQ(GateText(*plain), "Gate 28 of 31");
    EXPECT_EQ(plain->weather, "The weather was clear last month; it will be clear next month.");
    // A wrapped weather line is one sentence.
    const RegionExtras* city = june.FindRegion(AtlCoord(0, 32));
    ASSERT_NE(city, nullptr);
    EXPECT_EQ(city->weather,
              "It was monsoon season last month; it will be monsoon season next month.");
    EXPECT_EQ(city->gate, 26);
    ASSERT_EQ(city->exits.size(), 6u);
    EXPECT_EQ(ExitText(city->exits[2]), "Southeast : swamp (1,33) in Tourois");
    const RegionExtras* ocean = june.FindRegion(AtlCoord(12, 4));
    ASSERT_NE(ocean, nullptr);
    EXPECT_EQ(ocean->gate, 0);
    EXPECT_EQ(GateText(*ocean), "");
    // Neighbours known only from exits have nothing of their own.
    EXPECT_EQ(june.FindRegion(AtlCoord(1, 33)), nullptr);

    // A gate without the number of gates, and a rule set without weather lines.
    Desk neworigins = AddTurns("head-neworigins", 3, 9);
    const RegionExtras* tundra = Extras(neworigins, 8).FindRegion(AtlCoord(12, 4));
    ASSERT_NE(tundra, nullptr);
    EXPECT_EQ(tundra->gate, 889);
    EXPECT_EQ(tundra->gateCount, 0);
    EXPECT_EQ(GateText(*tundra), "Gate 889");
    EXPECT_EQ(tundra->weather, "");

    // A town in an exit line; an earlier engine's weather.
    Desk old = AddTurns("v404-standard", 3, 5);
    const RegionExtras* forest = Extras(old, 4).FindRegion(AtlCoord(8, 22));
    ASSERT_NE(forest, nullptr);
    EXPECT_EQ(forest->weather, "It was winter last month; it will be winter next month.");
    EXPECT_EQ(ExitText(forest->exits[1]),
              "Northeast : forest (9,21) in Vosetosi, contains Inlorin [city]");
}

TEST(TurnExtras, OwnUnitsSkillsWeightCapacityAndWhatTheyCanStudy) {
    Desk neworigins = AddTurns("head-neworigins", 3, 9);
    const TurnExtras& september = Extras(neworigins, 8);
    const UnitExtras* captain = september.FindUnit(593); // in a tower
    ASSERT_NE(captain, nullptr);
    EXPECT_EQ(captain->weight, 110);
    EXPECT_EQ(captain->capacity, "0/140/155/0");
    ASSERT_EQ(captain->skills.size(), 7u);
    EXPECT_EQ(SkillText(captain->skills[0]), "observation [OBSE] 1 (30)");
    EXPECT_EQ(captain->skills[6], (SkillRecord{"combat", "COMB", 3, 210}));
    ASSERT_EQ(captain->canStudy.size(), 13u);
    EXPECT_EQ(SkillText(captain->canStudy[0]), "earthquake [EQUA]");
    EXPECT_EQ(captain->canStudy[12], (SkillRecord{"artifact lore", "ARTI", 0, -1}));
    const UnitExtras* scouts = september.FindUnit(777);
    ASSERT_NE(scouts, nullptr);
    EXPECT_TRUE(scouts->skills.empty()); // "Skills: none."
    EXPECT_EQ(scouts->capacity, "0/210/210/0");
    // Units of other factions have none.
    EXPECT_EQ(september.FindUnit(5), nullptr);

    Desk standard = AddTurns("head-standard", 3, 6);
    const UnitExtras* seer = Extras(standard, 5).FindUnit(359);
    ASSERT_NE(seer, nullptr);
    EXPECT_EQ(seer->weight, 10);
    ASSERT_EQ(seer->skills.size(), 2u);
    EXPECT_EQ(SkillText(seer->skills[0]), "gate lore [GATE] 3 (180)");
    EXPECT_EQ(SkillText(seer->skills[1]), "pattern [PATT] 2 (90)");
    ASSERT_EQ(seer->canStudy.size(), 2u);
    EXPECT_EQ(seer->canStudy[1].name, "mind reading");

    // The 4.0 engine gives skills only.
    Desk old = AddTurns("v404-standard", 3, 5);
    const UnitExtras* oldCaptain = Extras(old, 4).FindUnit(112);
    ASSERT_NE(oldCaptain, nullptr);
    EXPECT_EQ(oldCaptain->weight, -1);
    EXPECT_EQ(oldCaptain->capacity, "");
    ASSERT_EQ(oldCaptain->skills.size(), 1u);
    EXPECT_EQ(oldCaptain->skills[0], (SkillRecord{"combat", "COMB", 1, 30}));
}

TEST(TurnExtras, UnitDetailSentences) {
    int32_t number = 0;
    UnitExtras details;
    ASSERT_EQ(ReadUnitDetails("  * City Mage (12), The Guardsmen (1), behind, leader [LEAD], 50 "
                              "silver [SILV]. Weight: 10. Capacity: 0/0/15/0. Skills: force "
                              "[FORC] 4 (300). Combat spell: fire [FIRE]. Note: a. Can Study: "
                              "force shield [FSHI].",
                              number, details),
              0);
    EXPECT_EQ(number, 12);
    EXPECT_EQ(details.combatSpell, "fire [FIRE]");
    ASSERT_EQ(details.canStudy.size(), 1u);
    EXPECT_EQ(details.canStudy[0].abbr, "FSHI");
    // No sentences, or no own unit: nothing.
    EXPECT_EQ(ReadUnitDetails("* Scouts (2), Red Wolves (3), 2 vikings [VIKI].", number, details),
              -1);
    EXPECT_EQ(ReadUnitDetails("- Scouts (2). Weight: 10.", number, details), -1);
}

TEST(TurnExtras, ErrorsBattlesAndEventsOfATurn) {
    Desk d = AddTurns("head-standard", 3, 6);
    const TurnEvents& june = Extras(d, 5).events;
    ASSERT_EQ(june.errors.size(), 2u);
    EXPECT_EQ(june.errors[1], "Guards (404): Is prevented from guarding by the Guardsmen.");
    ASSERT_FALSE(june.battles.empty());
    EXPECT_EQ(june.battles.front(),
              "Guards (412) attacks Guards (404) in jungle (0,32) in Erisort!");
    EXPECT_EQ(june.battles[1], "");
    EXPECT_EQ(june.battles[2], "Attackers:");
    EXPECT_EQ(june.battles.back(), "Spoils: 2 swords [SWOR], 162 silver [SILV].");
    ASSERT_EQ(june.events.size(), 16u);
    // Wrapped lines are joined.
    EXPECT_EQ(june.events[0],
              "Ship [100] sails from ocean (13,5) in Wyreth Ocean to ocean (12,4) in Wyreth Ocean");
    EXPECT_EQ(june.events.back(), "Outriders (406): Consumes 20 silver [SILV] for maintenance.");
    // A turn without errors or battles has only events.
    const TurnEvents& january = Extras(d, 0).events;
    EXPECT_TRUE(january.battles.empty());
    EXPECT_FALSE(january.events.empty());
}

TEST(TurnExtras, ReplacingATurnReplacesWhatItKept) {
    Desk d = AddTurns("head-standard", 3, 6);
    d.user.answer = true;
    ASSERT_EQ(d.Add(ReadReport("head-standard/3-turn6.rep")), 0);
    const TurnExtras& june = Extras(d, 5);
    EXPECT_EQ(june.events.errors.size(), 2u);
    EXPECT_EQ(june.FindRegion(AtlCoord(36, 4))->exits.size(), 6u);
}

namespace {

std::vector<unsigned char> FileBytes(VexlorDoc& doc) {
    omwstream out;
    EXPECT_EQ(WriteDocFile(out, doc), 0);
    return out.Bytes();
}

DocReadResult ReadFileBytes(const std::vector<unsigned char>& bytes, VexlorDoc& doc) {
    return ReadDocFile(KeptBytes::Copy(bytes.data(), bytes.size()), doc);
}

// The reader of the version-1 document as it has always been: it reads the records it knows
// and never looks at what follows.
bool ReadAsVersion1(const std::vector<unsigned char>& bytes, VexlorDoc& doc) {
    ByteReader in(KeptBytes::Copy(bytes.data(), bytes.size()));
    uint32_t version = 0;
    return in.Skip(kDocSignatureSize) && in.U32(version) && version == 1 && doc.Read(in);
}

} // namespace

TEST(TurnExtras, KeptInTheDocumentFileWhereTheVersion1ReaderNeverLooks) {
    for (const char* folder :
         {"v404-standard", "head-standard", "head-neworigins", "repo-snapshot-neworigins"}) {
        Desk d;
        for (int t = 1; fs::exists(fs::path(VEXLOR_REPORTS_DIR) / folder /
                                   ("3-turn" + std::to_string(t) + ".rep"));
             ++t)
            ASSERT_EQ(
                d.Add(ReadReport(std::string(folder) + "/3-turn" + std::to_string(t) + ".rep")), 0);
        const std::vector<unsigned char> bytes = FileBytes(d.doc);

        VexlorDoc back;
        ASSERT_EQ(ReadFileBytes(bytes, back), DocRead) << folder;
        EXPECT_FALSE(back.Extras().damaged);
        EXPECT_EQ(DocBytes(back), DocBytes(d.doc));
        for (const TurnNode& turn : d.doc.Turns()) {
            EXPECT_FALSE(Extras(d.doc, turn.date).IsEmpty()) << folder;
            EXPECT_TRUE(KeptExtras(back, turn.date)) << folder;
            EXPECT_TRUE(Extras(back, turn.date) == Extras(d.doc, turn.date))
                << folder << " " << turn.date.Value();
        }

        // Today's reader of version 1 reads every record unchanged.
        VexlorDoc old;
        ASSERT_TRUE(ReadAsVersion1(bytes, old)) << folder;
        EXPECT_EQ(DocBytes(old), DocBytes(d.doc));
        for (const TurnNode& turn : old.Turns())
            EXPECT_FALSE(turn.extras.Find());
    }
}

TEST(TurnExtras, ADocumentFromBeforeShowsWhatItHasAndGainsThemOnTheNextReport) {
    Desk d = AddTurns("head-standard", 3, 5);
    d.doc.Extras() = DocExtras();
    for (TurnNode* t = d.doc.FirstTurn(); t; t = t->Next())
        t->extras = {};
    const std::vector<unsigned char> before = FileBytes(d.doc);
    // Nothing kept: the file is the version-1 document alone, as an earlier program wrote it.
    EXPECT_EQ(before.size(), kDocSignatureSize + 4 + DocBytes(d.doc).size());

    Desk reopened;
    ASSERT_EQ(ReadFileBytes(before, reopened.doc), DocRead);
    ASSERT_EQ(reopened.Add(ReadReport("head-standard/3-turn6.rep")), 0);
    VexlorDoc after;
    ASSERT_EQ(ReadFileBytes(FileBytes(reopened.doc), after), DocRead);
    for (const TurnNode& turn : after.Turns())
        EXPECT_EQ(KeptExtras(after, turn.date) == nullptr, turn.date != AtlDate(5, 1))
            << turn.date.Value();
    EXPECT_EQ(Extras(after, AtlDate(5, 1)).FindRegion(AtlCoord(36, 4))->gate, 28);
}

TEST(TurnExtras, ADamagedChunkLeavesTheRecordsAndTheOtherChunks) {
    Desk d = AddTurns("head-standard", 3, 2);
    std::vector<unsigned char> bytes = FileBytes(d.doc);
    // Cut the region chunk short by giving it a length that ends inside its first exit.
    const std::string tag = "RGNX";
    auto at = std::search(bytes.begin(), bytes.end(), tag.begin(), tag.end());
    ASSERT_NE(at, bytes.end());
    const size_t lengthAt = static_cast<size_t>(at - bytes.begin()) + 4;
    uint32_t length = 0;
    for (int i = 0; i < 4; ++i)
        length |= static_cast<uint32_t>(bytes[lengthAt + i]) << (8 * i);
    const uint32_t shorter = 30;
    ASSERT_LT(shorter, length);
    bytes.erase(bytes.begin() + static_cast<long>(lengthAt + 4 + shorter),
                bytes.begin() + static_cast<long>(lengthAt + 4 + length));
    for (int i = 0; i < 4; ++i)
        bytes[lengthAt + i] = static_cast<unsigned char>(shorter >> (8 * i));

    VexlorDoc back;
    ASSERT_EQ(ReadFileBytes(bytes, back), DocRead);
    EXPECT_TRUE(back.Extras().damaged);
    EXPECT_EQ(DocBytes(back), DocBytes(d.doc));
    for (const TurnNode& turn : back.Turns()) {
        EXPECT_TRUE(Extras(back, turn.date).Regions().empty());
        EXPECT_FALSE(Extras(back, turn.date).Units().empty());
        EXPECT_FALSE(Extras(back, turn.date).events.IsEmpty());
    }
}

TEST(TextCoords, HexesNamedInAnEntryAndNotUnitNumbers) {
    const char* text = "Guards (404): Walks from jungle (0,32) to cavern (3,5,underworld).";
    std::vector<TextCoord> found = FindTextCoords(text);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(std::string(text + found[0].from, static_cast<size_t>(found[0].length)), "(0,32)");
    EXPECT_EQ(found[0].coord, AtlCoord(0, 32));
    EXPECT_EQ(std::string(text + found[1].from, static_cast<size_t>(found[1].length)),
              "(3,5,underworld)");
    EXPECT_EQ(found[1].coord, AtlCoord(3, 5, 1));
    EXPECT_TRUE(FindTextCoords("Spoils: none (0,").empty());
}
