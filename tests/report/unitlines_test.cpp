#include "report/unitlines.h"
#include "report_test_util.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ReadUnitInfo, OtherFactionWithGuardFlagsAndItems) {
    const char* text = "- Scouts (12), on guard, Other (3), avoiding, behind, 5 swords [SWOR], "
                       "unlimited silver [SILV].";
    const char* cursor = text;
    UnitNode unit;
    StrAssocList list;
    FactionNames factions(list);
    ASSERT_EQ(ReadUnitInfo(cursor, unit, factions), 0);
    EXPECT_EQ(unit.name, "Scouts");
    EXPECT_EQ(unit.number, 12);
    EXPECT_EQ(unit.faction.Number(), 3);
    ASSERT_NE(list.Find(3), nullptr);
    EXPECT_EQ(list.Find(3)->name, "Other");
    EXPECT_EQ(unit.flags, UnitNode::OnGuard | UnitNode::Avoiding | UnitNode::Behind);
    ASSERT_EQ(unit.items.LongCountNodes(), 2);
    EXPECT_EQ(unit.items.GetFirst()->count, 5);
    EXPECT_EQ(unit.items.GetLast()->count, -1);

    const char* wolves =
        "- Wolves (40), Creatures (2), holding, revealing faction, 3 wolves [WOLF].";
    UnitNode w;
    ASSERT_EQ(ReadUnitInfo(wolves, w, factions), 0);
    EXPECT_EQ(w.flags, UnitNode::Holding | UnitNode::RevealingFaction);
    EXPECT_EQ(list.Find(2)->name, "Creatures");
}

TEST(ReadUnitInfo, Failures) {
    StrAssocList list;
    FactionNames factions(list);
    for (const char* bad : {"Scouts (12), 5 swords [SWOR].", "- Scouts, 5 swords [SWOR].",
                            "- Scouts (x), 5 swords [SWOR].", "- Scouts (12) 5 swords [SWOR].",
                            "- Scouts (12), 5 swords [SWOR] and more"}) {
        UnitNode unit;
        const char* cursor = bad;
        EXPECT_EQ(ReadUnitInfo(cursor, unit, factions), -1) << bad;
        EXPECT_EQ(cursor, bad);
    }
}

// Every word in the line's order, the five the record's flags say and those it cannot; none
// from the items or a description, nor where no faction part stands before the items.
TEST(ReadUnitFlagWords, TheWordsBetweenTheFactionAndTheItems) {
    struct Case {
        const char* line;
        int32_t number;
        std::vector<std::string> words;
        bool flagsSayAll;
    } cases[] = {
        {"* Ranchers (155), on guard, Test (3), revealing faction, sharing, won't cross water, "
         "weightless battle spoils, 2 men [MAN]; A tall, behind, dark man. Weight: 20.",
         155,
         {"on guard", "revealing faction", "sharing", "won't cross water",
          "weightless battle spoils"},
         false},
        {"  * Captain (358), Red Wolves (3), avoiding, behind, revealing faction, leader [LEAD].",
         358,
         {"avoiding", "behind", "revealing faction"},
         true},
        {"* Shipwrights (360), Red, Wolves (3), 2 leaders [LEAD], 9 wood [WOOD].", 360, {}, true},
        {"- City Guard (47), on guard, 500 leaders [LEAD], 500 swords [SWOR].",
         47,
         {"on guard"},
         true},
        {"- Wolves (40), Creatures (2), holding, taxing.", 40, {"holding", "taxing"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        int32_t number = 0;
        std::vector<Str> words{Str("stale")};
        ASSERT_EQ(ReadUnitFlagWords(c.line, number, words), 0);
        EXPECT_EQ(number, c.number);
        std::vector<std::string> read;
        for (const Str& word : words)
            read.emplace_back(word.View());
        EXPECT_EQ(read, c.words);
        EXPECT_EQ(FlagsSayAll(words), c.flagsSayAll);
    }
    // The record's flags come from the same words.
    UnitNode unit;
    StrAssocList list;
    FactionNames factions(list);
    const char* cursor = cases[0].line;
    ASSERT_EQ(ReadUnitInfo(cursor, unit, factions), 0);
    EXPECT_EQ(unit.flags, UnitNode::OnGuard | UnitNode::RevealingFaction);

    int32_t number = 7;
    std::vector<Str> words;
    EXPECT_EQ(ReadUnitFlagWords("Scouts (12), Other (3), sharing, 5 swords [SWOR].", number, words),
              -1);
    EXPECT_EQ(number, 7);
}

TEST(ReadBuildingInfo, KeepsTheWholeTextAfterTheColon) {
    const char* text = "+ Ship [100] : Longship; 0% damaged; Load: 65/150; Sailors: 4/4; "
                       "MaxSpeed: 4.";
    BuildingNode b;
    ASSERT_EQ(ReadBuildingInfo(text, b), 0);
    EXPECT_EQ(b.name, "Ship");
    EXPECT_EQ(b.number, 100);
    EXPECT_EQ(b.text, "Longship; 0% damaged; Load: 65/150; Sailors: 4/4; MaxSpeed: 4.");
    for (const char* bad : {"+ Ship 100 : Longship", "+ Ship [100]: Longship", "Ship [1] : x"}) {
        BuildingNode other;
        EXPECT_EQ(ReadBuildingInfo(bad, other), -1) << bad;
    }
}

TEST(ReadBuildingList, UnitsGoIntoTheOneListWithTheirBuildingNumbers) {
    ReportLines lines;
    SplitText("--------------\n"
              "\n"
              "+ Dummy [1] : Island, closed to player units.\n"
              "\n"
              "+ Building [2] : Tower.\n"
              "  * Captain (593), Red Wolves (3), leader [LEAD].\n"
              "  - Monk (7), leader [LEAD].\n"
              "\n"
              "\n"
              "plain (1,1) in Next.\n"
              "--------------\n"
              "\n"
              "+ Other [3] : Tower.\n"
              "\n",
              lines);
    ListT<UnitNode> units;
    ListT<BuildingNode> buildings;
    StrAssocList list;
    FactionNames factions(list);
    ReportLine* node = lines.First()->Next()->Next();
    ASSERT_EQ(ReadBuildingList(node, units, factions, buildings), 0);
    // The first building stands alone; the next block's building is not taken.
    ASSERT_EQ(buildings.LongCountNodes(), 2);
    EXPECT_EQ(buildings.GetFirst()->number, 1);
    ASSERT_EQ(units.LongCountNodes(), 2);
    EXPECT_EQ(units.GetFirst()->building, 2);
    EXPECT_EQ(units.GetLast()->building, 2);
    EXPECT_EQ(units.GetLast()->faction.Number(), 0);
    // Left on the empty line after the monk's.
    EXPECT_TRUE(node->text.IsEmpty());
    EXPECT_EQ(node->line, 8);
}

TEST(ReadUnitList, ABadLineFailsAndTheEndOfTheLinesEndsTheList) {
    ReportLines lines;
    SplitText("* A (1), Red Wolves (3), leader [LEAD].\n"
              "not a unit\n"
              "\n",
              lines);
    ListT<UnitNode> units;
    StrAssocList list;
    FactionNames factions(list);
    ReportLine* node = lines.First();
    EXPECT_EQ(ReadUnitList(node, units, factions, 0), -1);
    EXPECT_EQ(units.LongCountNodes(), 1); // the unit read before the fault stays

    ReportLines unended;
    SplitText("* A (1), Red Wolves (3), leader [LEAD].\n", unended);
    ListT<UnitNode> more;
    node = unended.First();
    EXPECT_EQ(ReadUnitList(node, more, factions, 0), 0);
    EXPECT_EQ(more.LongCountNodes(), 1);
    EXPECT_EQ(node, unended.First());
}
