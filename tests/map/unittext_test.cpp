#include "base/assoc.h"
#include "map/unittext.h"
#include "model/unit.h"

#include <gtest/gtest.h>

namespace {
Str Text(const StrAssocList* factions, const UnitNode& unit, bool withBuilding) {
    Str out;
    if (!factions) {
        FormatUnit(nullptr, unit, out, withBuilding);
        return out;
    }
    StrAssocIndex index(*factions);
    FormatUnit(&index, unit, out, withBuilding);
    return out;
}
} // namespace

TEST(FormatUnit, BuildingNameNumberFlagsAndFaction) {
    StrAssocList factions;
    factions.Register(3, "Elves");
    UnitNode unit;
    unit.name = "Scouts";
    unit.number = 12;
    unit.faction = 3;
    unit.building = 2;
    unit.flags = UnitNode::OnGuard | UnitNode::Avoiding;
    EXPECT_EQ(Text(&factions, unit, true), "[2] Scouts (12)[GA], faction: Elves(3)");
    EXPECT_EQ(Text(&factions, unit, false), "Scouts (12)[GA], faction: Elves(3)");

    unit.flags = 31;
    EXPECT_EQ(Text(&factions, unit, false), "Scouts (12)[GBHAR], faction: Elves(3)");
    unit.faction = 7; // not registered
    EXPECT_EQ(Text(&factions, unit, false), "Scouts (12)[GBHAR], faction: (7)");
    EXPECT_EQ(Text(nullptr, unit, false), "Scouts (12)[GBHAR], faction: (7)");

    unit.flags = 0;
    unit.faction = 0;
    unit.building = 0;
    EXPECT_EQ(Text(&factions, unit, true), "Scouts (12)");
}

TEST(FormatUnit, AppendsToWhatIsThere) {
    UnitNode unit;
    unit.name = "Seer";
    unit.number = 359;
    unit.building = 40000; // shown as the building line shows it, never negative
    Str out("* ");
    FormatUnit(nullptr, unit, out, true);
    EXPECT_EQ(out, "* [40000] Seer (359)");
}
