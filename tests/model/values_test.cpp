#include "model/atlcoord.h"
#include "model/atldate.h"
#include "model/items.h"
#include "model/terrain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <unordered_set>
#include <vector>

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

// As a key: every coordinate a file can hold orders by level, then y, then x (negative before
// positive, the 16-bit extremes included), and distinct ones never share a hash.
TEST(AtlCoord, OrdersByLevelThenRowThenColumnAndHashesApart) {
    const int16_t values[] = {-32768, -1, 0, 1, 32767};
    std::vector<AtlCoord> expected;
    for (int z : {0, 1, 2, 255})
        for (int16_t y : values)
            for (int16_t x : values)
                expected.push_back(AtlCoord(x, y, z));
    std::vector<AtlCoord> sorted(expected.rbegin(), expected.rend());
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, expected);
    std::unordered_set<size_t> hashes;
    for (const AtlCoord& c : expected)
        hashes.insert(std::hash<AtlCoord>()(c));
    EXPECT_EQ(hashes.size(), expected.size());
    EXPECT_EQ(std::hash<AtlCoord>()(AtlCoord(-3, 4, 1)), std::hash<AtlCoord>()(AtlCoord(-3, 4, 1)));
    EXPECT_TRUE(AtlCoord(5, 0, 1) > AtlCoord(0, 9, 0));
    EXPECT_TRUE(AtlCoord(0, -2) < AtlCoord(-4, -1));
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
