#include "model/atlcoord.h"
#include "model/atldate.h"
#include "model/items.h"
#include "model/terrain.h"

#include <gtest/gtest.h>

TEST(AtlDate, MonthsAndYearsStepByOne) {
    EXPECT_EQ(AtlDate(0, 0).GetString(), "January, Year 0");
    AtlDate december(11, 1);
    EXPECT_EQ(december.Value(), 23);
    EXPECT_EQ(december.GetString(), "December, Year 1");
    EXPECT_EQ(AtlDate(0, 2).Value() - december.Value(), 1);
    EXPECT_GT(AtlDate(0, 2), december);
    EXPECT_EQ(AtlDate(12 * 5 + 2).GetString(), "March, Year 5");
    EXPECT_EQ(AtlDate().Value(), 0);
}

TEST(AtlDate, NegativeRemainderHasNoMonthName) {
    EXPECT_EQ(AtlDate(-1).GetString(), ", Year 0");
    EXPECT_EQ(AtlDate(-13).GetString(), ", Year -1");
}

TEST(TerrainType, NamesOfKnownAndUnknownKinds) {
    EXPECT_EQ(TerrainType("volcano").GetString(), "volcano");
    EXPECT_EQ(TerrainType("volcano").GetType(), TerrainType::Other);
    EXPECT_EQ(TerrainType(TerrainType::Tunnels).GetString(), "tunnels");
    EXPECT_EQ(TerrainType(TerrainType::Underforest).GetString(), "underforest");
    TerrainType odd;
    odd.Set(12, nullptr);
    EXPECT_EQ(odd.GetString(), "");
    EXPECT_TRUE(TerrainType().IsDefault());
    EXPECT_FALSE(TerrainType(TerrainType::Ocean).IsDefault());
}

TEST(AtlCoord, MovesFollowTheDoubledRowScheme) {
    AtlCoord c(5, 7);
    AtlCoord r = c.Move(AtlDirection::North);
    EXPECT_EQ(c, AtlCoord(5, 5, 0));
    EXPECT_EQ(r, c);
    EXPECT_EQ(AtlCoord(5, 7).Move(AtlDirection::Southwest), AtlCoord(4, 8));
    // Every direction and its opposite cancel out.
    const AtlDirection::Type opposite[] = {AtlDirection::South,     AtlDirection::Southwest,
                                           AtlDirection::Southeast, AtlDirection::North,
                                           AtlDirection::Northwest, AtlDirection::Northeast};
    for (int d = 0; d < 6; ++d) {
        AtlCoord p(10, 10, 1);
        p.Move(static_cast<AtlDirection::Type>(d));
        EXPECT_NE(p, AtlCoord(10, 10, 1));
        EXPECT_EQ((p.x + p.y) % 2, 0) << "a move keeps x + y even";
        p.Move(opposite[d]);
        EXPECT_EQ(p, AtlCoord(10, 10, 1)) << d;
    }
    AtlCoord same(1, 1);
    same.Move(static_cast<AtlDirection::Type>(6));
    EXPECT_EQ(same, AtlCoord(1, 1));
}

TEST(AtlCoord, IdentityIncludesThePlainAndTextNamesIt) {
    EXPECT_FALSE(AtlCoord(1, 2, 1) == AtlCoord(1, 2, 0));
    EXPECT_EQ(AtlCoord(10, 12).GetString(), "(10,12)");
    EXPECT_EQ(AtlCoord(3, -4, 1).GetString(), "(3,-4,underworld)");
    EXPECT_EQ(AtlCoord(0, 0, 2).GetString(), "(0,0,nexus)");
    EXPECT_EQ(AtlCoord(3, 5, 3).GetString(), "(3,5,deep underworld)");
    EXPECT_EQ(AtlCoord(0, 0, 7).GetString(), "(0,0,abyss)");
    EXPECT_EQ(AtlCoord(0, 0, 8).GetString(), "(0,0,<unknown>)");
}

TEST(Items, DefaultsAndCopies) {
    ItemNode item;
    EXPECT_EQ(item.count, -1);
    ItemPriceNode priced(5, "swords", "SWOR", 150);
    ItemPriceNode copy(priced);
    EXPECT_EQ(copy.count, 5);
    EXPECT_EQ(copy.name, "swords");
    EXPECT_EQ(copy.abbr, "SWOR");
    EXPECT_EQ(copy.price, 150);
    EXPECT_EQ(ItemPriceNode().price, -1);
}
