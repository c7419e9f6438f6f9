#include "report/regions.h"
#include "report_test_util.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const std::string kRule = std::string(60, '-') + "\n";

// A report's region part: a header paragraph and the given blocks.
int ReadBlocks(const std::string& blocks, TurnNode& turn, int* count = nullptr) {
    ReportLines lines;
    SplitText("May, Year 1\n\n" + blocks, lines);
    return ReadLocList(lines.First(), turn, count);
}

} // namespace

TEST(ReadLocationBasicInfo, TownIsOptionalButNeedsItsType) {
    const char* plain = "plain (13,9) in Si'iheim, 2189 peasants";
    TerrainType terrain;
    AtlCoord coord;
    Str region, town("old"), type("old");
    ASSERT_EQ(ReadLocationBasicInfo(plain, terrain, coord, region, town, type), 0);
    EXPECT_EQ(terrain.GetType(), TerrainType::Plain);
    EXPECT_EQ(coord, AtlCoord(13, 9));
    EXPECT_EQ(region, "Si'iheim");
    EXPECT_EQ(town, "old"); // left as it was
    EXPECT_STREQ(plain, ", 2189 peasants");

    const char* city = "plain (13,11) in Si'iheim, contains Scirin [city], 11116 peasants";
    ASSERT_EQ(ReadLocationBasicInfo(city, terrain, coord, region, town, type), 0);
    EXPECT_EQ(town, "Scirin");
    EXPECT_EQ(type, "city");

    const char* lake = "lake (13,13) in Huarlbrook.";
    ASSERT_EQ(ReadLocationBasicInfo(lake, terrain, coord, region, town, type), 0);
    EXPECT_EQ(terrain.GetType(), TerrainType::Other);
    EXPECT_EQ(terrain.GetName(), "lake");

    for (const char* bad : {"plain (13,11) in Si'iheim, contains Scirin, 11116 peasants",
                            "North (1,1) in X.", "plain (1;1) in X.", "plain (1,1) at X."}) {
        const char* cursor = bad;
        EXPECT_EQ(ReadLocationBasicInfo(cursor, terrain, coord, region, town, type), -1) << bad;
        EXPECT_EQ(cursor, bad);
    }
}

TEST(ReadLocationBasicInfo, ADotInsideTheRegionNameDoesNotEndIt) {
    TerrainType terrain;
    AtlCoord coord;
    Str region, town, type;
    int peasants = -1, silver = -1;
    Str race;
    const char* peopled = "plain (1,1) in St. Ives, 100 peasants (humans), $500.";
    ASSERT_EQ(ReadLocationBasicInfo(peopled, terrain, coord, region, town, type), 0);
    EXPECT_EQ(region, Str("St. Ives"));
    ASSERT_EQ(ReadPeasantPart(peopled, peasants, race, silver), 0);
    EXPECT_EQ(peasants, 100);
    EXPECT_EQ(silver, 500);
    // Only a line that ends at the dot has no peasant part.
    const char* empty = "ocean (3,1) in St. Ives Bay.";
    ASSERT_EQ(ReadLocationBasicInfo(empty, terrain, coord, region, town, type), 0);
    EXPECT_EQ(region, Str("St. Ives Bay"));
    EXPECT_EQ(ReadPeasantPart(empty, peasants, race, silver), 0);
    EXPECT_EQ(peasants, 100); // unchanged
    const char* cut = "plain (1,1) in St. Ives. 100 peasants";
    EXPECT_EQ(ReadLocationBasicInfo(cut, terrain, coord, region, town, type), -1);
}

TEST(ReadLocationBasicInfo, DeeperLevelsAreKeptApart) {
    TerrainType terrain;
    AtlCoord a, b;
    Str region, town, type;
    const char* deep = "cavern (4,4,deep underworld) in Dark.";
    const char* deeper = "cavern (4,4,very deep underworld) in Dark.";
    ASSERT_EQ(ReadLocationBasicInfo(deep, terrain, a, region, town, type), 0);
    ASSERT_EQ(ReadLocationBasicInfo(deeper, terrain, b, region, town, type), 0);
    EXPECT_EQ(a.z, 3);
    EXPECT_EQ(b.z, 4);
    TurnNode turn;
    turn.RegisterLoc(a);
    turn.RegisterLoc(b);
    EXPECT_EQ(turn.Locations().LongCountNodes(), 2);
}

TEST(ReadWagesAmounts, WholeDecimalAndMaximumlessForms) {
    struct Case {
        const char* text;
        int wages, maxWages;
    } cases[] = {{"14 (Max: $764).", 14, 764},
                 {"15.1 (Max: $1786).", 15, 1786}, // engine 5: the decimal part is dropped
                 {"0.", 0, -1}};                   // ocean and nexus: no maximum
    for (const Case& c : cases) {
        const char* cursor = c.text;
        int wages = -1, maxWages = -1;
        ASSERT_EQ(ReadWagesAmounts(cursor, wages, maxWages), 0) << c.text;
        EXPECT_EQ(wages, c.wages);
        EXPECT_EQ(maxWages, c.maxWages);
    }
    for (const char* bad : {"14 Max: $764).", "14 (Max: $).", "x.", "14, more."}) {
        const char* cursor = bad;
        int wages = -1, maxWages = -1;
        EXPECT_EQ(ReadWagesAmounts(cursor, wages, maxWages), -1) << bad;
        EXPECT_EQ(wages, -1);
    }
}

TEST(ReadLocList, RegionWithoutPeopleKeepsPeasantsUnreported) {
    TurnNode turn;
    ASSERT_EQ(ReadBlocks("ocean (54,14) in Atlantis Ocean.\n" + kRule +
                             "  Wages: $0.\n"
                             "  Wanted: none.\n"
                             "  For Sale: none.\n"
                             "  Products: 40 fish [FISH].\n"
                             "\n"
                             "Exits:\n"
                             "  North : swamp (54,12) in Kamir.\n"
                             "\n",
                         turn),
              0);
    const LocationNode* ocean = turn.FindLoc(AtlCoord(54, 14));
    ASSERT_NE(ocean, nullptr);
    EXPECT_EQ(ocean->peasants, -1);
    EXPECT_TRUE(ocean->peasantRace.IsEmpty());
    EXPECT_EQ(ocean->silver, -1);
    EXPECT_EQ(ocean->wages, 0);
    EXPECT_EQ(ocean->maxWages, -1);
    EXPECT_EQ(ocean->entertainment, -1); // no entertainment line
    EXPECT_TRUE(ocean->wanted.IsEmpty());
    EXPECT_EQ(ocean->products.LongCountNodes(), 1);
    EXPECT_FALSE(ocean->IsPartial());
}

TEST(ReadLocList, MalformedPeasantPartOrDetailLineStopsTheReading) {
    const std::string tail = "\nExits:\n  North : swamp (54,12) in Kamir.\n\n";
    struct Case {
        std::string block;
    } cases[] = {
        {"plain (1,1) in X, 100 farmers (humans), $5.\n" + kRule},
        {"plain (1,1) in X, 100 peasants (humans), $5.\n" + kRule + "  Wages: $14.\n" +
         "  Wanted: 5 swords.\n"},
        {"plain (1,1) in X, 100 peasants (humans), $5.\n" + kRule + "  Wages: $14 Max.\n"},
        {"plain (1,1) in X, 100 peasants (humans), $5.\n" + kRule +
         "  Entertainment available: lots.\n"},
    };
    for (const Case& c : cases) {
        TurnNode turn;
        EXPECT_EQ(ReadBlocks(c.block + tail, turn), -1) << c.block;
        // The block's registration stays, as everything read before a fault does.
        EXPECT_NE(turn.FindLoc(AtlCoord(1, 1)), nullptr);
    }
}

TEST(ReadLocList, ExitsRegisterPartialNeighboursUntilTheirOwnBlock) {
    TurnNode turn;
    int blocks = 0;
    ASSERT_EQ(ReadBlocks("plain (12,10) in Si'iheim, 2189 peasants (centaurs), $1576.\n" + kRule +
                             "  Wages: $13.6 (Max: $646).\n"
                             "\n"
                             "Exits:\n"
                             "  North : forest (12,8) in Enplentra.\n"
                             "  Southeast : plain (13,11) in Si'iheim, contains Scirin [city].\n"
                             "\n"
                             "\n"
                             "plain (13,11) in Si'iheim, contains Scirin [city], 11116 peasants "
                             "(centaurs), $11338.\n" +
                             kRule +
                             "  Wages: $15.1 (Max: $2267).\n"
                             "\n"
                             "Exits:\n"
                             "  Northwest : plain (12,10) in Si'iheim.\n"
                             "\n",
                         turn, &blocks),
              0);
    EXPECT_EQ(blocks, 2);
    ASSERT_EQ(turn.Locations().LongCountNodes(), 3);
    const LocationNode* forest = turn.FindLoc(AtlCoord(12, 8));
    ASSERT_NE(forest, nullptr);
    EXPECT_TRUE(forest->IsPartial());
    EXPECT_EQ(forest->terrain.GetType(), TerrainType::Forest);
    EXPECT_EQ(forest->regionName, "Enplentra");
    EXPECT_EQ(forest->peasants, -1);
    const LocationNode* city = turn.FindLoc(AtlCoord(13, 11));
    ASSERT_NE(city, nullptr);
    EXPECT_FALSE(city->IsPartial()); // its own block came later and cleared the mark
    EXPECT_EQ(city->townName, "Scirin");
    EXPECT_EQ(city->peasants, 11116);
    // A neighbour already read is not marked partial by a later exit.
    EXPECT_FALSE(turn.FindLoc(AtlCoord(12, 10))->IsPartial());
}

TEST(ReadLocList, ExitsNoneAndBadExits) {
    // The nexus of head-neworigins/3-turn1.rep lists its exits as "none".
    TurnNode nexus;
    ASSERT_EQ(ReadBlocks("nexus (0,0,nexus) in The Void.\n" + kRule +
                             "  \n"
                             "  Atlantis Nexus is a magical place.\n"
                             "  \n"
                             "  Wages: $0.\n"
                             "\n"
                             "Exits:\n"
                             "  none\n"
                             "\n",
                         nexus),
              0);
    ASSERT_EQ(nexus.Locations().LongCountNodes(), 1);
    EXPECT_EQ(nexus.Locations().GetFirst()->coord, AtlCoord(0, 0, 2));
    EXPECT_EQ(nexus.Locations().GetFirst()->terrain.GetName(), "nexus");

    for (const char* exit : {"  Up : swamp (54,12) in Kamir.", "  North : (54,12) in Kamir.",
                             "  North swamp (54,12) in Kamir.", "  nowhere"}) {
        TurnNode turn;
        EXPECT_EQ(
            ReadBlocks("ocean (54,14) in Atlantis Ocean.\n" + kRule + "\nExits:\n" + exit + "\n\n",
                       turn),
            -1)
            << exit;
    }
}

TEST(ReadLocList, BlockWithoutExitsFailsAndDoesNotTakeTheNextBlocks) {
    TurnNode turn;
    int blocks = 0;
    EXPECT_EQ(ReadBlocks("plain (1,1) in First, 10 peasants (humans), $5.\n" + kRule +
                             "  Wages: $14 (Max: $20).\n"
                             "\n"
                             "\n"
                             "plain (3,3) in Second, 10 peasants (humans), $5.\n" +
                             kRule +
                             "  Wages: $14 (Max: $20).\n"
                             "\n"
                             "Exits:\n"
                             "  North : plain (3,1) in Second.\n"
                             "\n"
                             "* Scout (9), Red Wolves (3), leader [LEAD].\n"
                             "\n",
                         turn, &blocks),
              -1);
    EXPECT_EQ(blocks, 0);
    const LocationNode* first = turn.FindLoc(AtlCoord(1, 1));
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->units.IsEmpty()); // the second block's scout is not the first's
    EXPECT_EQ(turn.FindLoc(AtlCoord(3, 1)), nullptr);
}

TEST(ReadLocList, ReportEndingRightAfterTheLastBlockReadsIt) {
    // A report without the empty lines that end its last block looks cut (report/wholeness.h),
    // but the region reader reads every block, and a new turn keeps them.
    const std::string text = ReadReport("head-standard/3-turn1.rep");
    std::string cut = text.substr(0, text.find_last_not_of('\n') + 1) + "\n";
    Desk d;
    IntakeOutcome outcome;
    EXPECT_EQ(d.Add(cut, &outcome), -1);
    EXPECT_EQ(outcome.kind, IntakeResult::BrokenOff);
    EXPECT_EQ(outcome.regions, 3);
    const LocationNode* forest = d.doc.LastTurn()->FindLoc(AtlCoord(16, 6));
    ASSERT_NE(forest, nullptr);
    EXPECT_EQ(forest->units.LongCountNodes(), 2);

    TurnNode turn;
    int blocks = 0;
    EXPECT_EQ(ReadBlocks("ocean (54,14) in Atlantis Ocean.\n" + kRule +
                             "  Wages: $0.\n"
                             "\n"
                             "Exits:\n"
                             "  North : swamp (54,12) in Kamir.",
                         turn, &blocks),
              0);
    EXPECT_EQ(blocks, 1);
    EXPECT_NE(turn.FindLoc(AtlCoord(54, 12)), nullptr);
}

TEST(ReadLocList, ExitsAcrossTheEastWestEdgeTeachEachLevelsWidth) {
    auto block = [](const std::string& region, const std::string& exits) {
        return region + "\n" + kRule + "  Wages: $0.\n\nExits:\n" + exits + "\n\n";
    };
    ReportLines lines;
    SplitText(
        "May, Year 1\n\n" +
            block("plain (0,10) in Asay, 100 peasants (men), $10.",
                  "  North : plain (0,8) in Asay.\n"
                  "  Southwest : swamp (31,11) in Asay.\n") +
            block("cavern (15,3,underworld) in Dark.",
                  "  Northeast : tunnels (0,2,underworld) in Dark.\n") +
            block("cavern (0,2,deep underworld) in Deep.",
                  "  Northwest : cavern (7,1,deep underworld) in Deep.\n") +
            block("cavern (2,2,abyss) in Pit.", "  Southeast : cavern (3,3,abyss) in Pit.\n") +
            block("nexus (0,0,nexus) in Nexus.", "  North : plain (9,9) in Asay.\n"),
        lines);
    TurnNode turn;
    LevelWidths widths;
    ASSERT_EQ(ReadLocList(lines.First(), turn, nullptr, &widths), 0);
    EXPECT_EQ(widths.All(), (std::map<int, int>{{0, 32}, {1, 16}, {3, 8}}));
}
