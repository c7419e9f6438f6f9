#include "report/unitlines.h"
#include "report_test_util.h"

#include <gtest/gtest.h>

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
