#include "model/unit.h"
#include "model/vexlordoc.h"

#include <gtest/gtest.h>

#include <vector>

TEST(UnitNode, CopyIsDeepAndIndependent) {
    auto* unit = new UnitNode();
    unit->name = "Seer";
    unit->number = 359;
    unit->faction = 3;
    unit->building = 2;
    unit->flags = UnitNode::OnGuard | UnitNode::Holding;
    for (int i = 1; i <= 3; ++i)
        unit->items.Add(new ItemNode(i, "leaders", "LEAD"));
    auto* copy = new UnitNode(*unit);
    delete unit;
    EXPECT_EQ(copy->name, "Seer");
    EXPECT_EQ(copy->faction.Number(), 3);
    EXPECT_EQ(copy->flags, 5u);
    EXPECT_EQ(copy->building, 2);
    ASSERT_EQ(copy->items.LongCountNodes(), 3);
    EXPECT_EQ(copy->items.GetLast()->count, 3);
    delete copy;
}

TEST(TurnNode, RegisterLocFindsByCoordinateAndLevel) {
    TurnNode turn(AtlDate(4, 1));
    bool isNew = false;
    LocationNode* a = turn.RegisterLoc(AtlCoord(3, 4), &isNew);
    EXPECT_TRUE(isNew);
    EXPECT_EQ(turn.RegisterLoc(AtlCoord(3, 4), &isNew), a);
    EXPECT_FALSE(isNew);
    LocationNode* under = turn.RegisterLoc(AtlCoord(3, 4, 1), &isNew);
    EXPECT_TRUE(isNew);
    EXPECT_NE(under, a);
    EXPECT_EQ(turn.FindLoc(AtlCoord(3, 4, 1)), under);
    EXPECT_EQ(turn.FindLoc(AtlCoord(4, 3)), nullptr);
    turn.RegisterLoc(AtlCoord(-1, 6), nullptr);
    EXPECT_EQ(turn.Locations().LongCountNodes(), 3);
    EXPECT_EQ(turn.Locations().GetLast()->coord, AtlCoord(-1, 6));
    // A new location reports nothing yet.
    EXPECT_EQ(a->peasants, -1);
    EXPECT_EQ(a->silver, -1);
    EXPECT_EQ(a->maxWages, -1);
    EXPECT_TRUE(a->terrain.IsDefault());
}

TEST(TurnNode, ClearEmptiesAllButTheDate) {
    TurnNode turn(AtlDate(7));
    turn.text = "note";
    turn.RegisterLoc(AtlCoord(1, 1));
    turn.factions.Register(3, "Red Wolves");
    turn.Clear();
    EXPECT_EQ(turn.date, AtlDate(7));
    EXPECT_TRUE(turn.text.IsEmpty());
    EXPECT_TRUE(turn.Locations().IsEmpty());
    EXPECT_TRUE(turn.factions.IsEmpty());
    EXPECT_EQ(turn.FindLoc(AtlCoord(1, 1)), nullptr);
    bool isNew = false;
    turn.RegisterLoc(AtlCoord(1, 1), &isNew);
    EXPECT_TRUE(isNew);
}

TEST(VexlorDoc, TurnsStayInDateOrder) {
    VexlorDoc doc;
    bool isNew = false;
    doc.RegisterTurn(AtlDate(2, 1), &isNew); // March
    EXPECT_TRUE(isNew);
    doc.RegisterTurn(AtlDate(0, 1));
    doc.RegisterTurn(AtlDate(1, 1));
    TurnNode* march = doc.RegisterTurn(AtlDate(2, 1), &isNew);
    EXPECT_FALSE(isNew);
    EXPECT_EQ(march, doc.LastTurn());
    std::vector<int> months;
    for (const TurnNode& t : doc.Turns())
        months.push_back(t.date.Value() % 12);
    EXPECT_EQ(months, (std::vector<int>{0, 1, 2}));
}

TEST(VexlorDoc, FactionIsFixedByTheFirstReportOnly) {
    VexlorDoc doc;
    doc.SetFaction(3);
    EXPECT_EQ(doc.GetFaction().Number(), 3);
    doc.SetFaction(4); // already has one
    EXPECT_EQ(doc.GetFaction().Number(), 3);
    doc.Clear();
    doc.RegisterTurn(AtlDate(1));
    doc.SetFaction(5); // already holds a turn
    EXPECT_EQ(doc.GetFaction().Number(), 0);
    doc.SetFileName("x.atl");
    doc.SetModified(true);
    doc.Clear();
    EXPECT_TRUE(doc.Turns().IsEmpty());
    EXPECT_TRUE(doc.GetFileName().IsEmpty());
    EXPECT_FALSE(doc.IsModified());
}
