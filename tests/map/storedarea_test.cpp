#include "map/atlmap.h"
#include "map/storedarea.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

AtlPlain& PlainWith(AtlMap& map, std::initializer_list<AtlCoord> hexes) {
    map.Clear();
    for (const AtlCoord& c : hexes)
        map.SetHex(c, AtlHexData());
    return *map.GetPlain(0);
}

} // namespace

TEST(StoredArea, AnEmptyPlainIsOneHex) {
    AtlMap map;
    HexArea area = StoredArea(PlainWith(map, {}), 64);
    EXPECT_EQ(area.columns, 1);
    EXPECT_EQ(area.rows, 1);
    EXPECT_EQ(area.PixelWidth(), 50);
    EXPECT_EQ(area.PixelHeight(), 42);
}

TEST(StoredArea, CoversTheStoredHexesAndNoMore) {
    AtlMap map;
    HexArea area =
        StoredArea(PlainWith(map, {AtlCoord(4, 6), AtlCoord(9, 13), AtlCoord(6, 8)}), 64);
    EXPECT_EQ(area.column, 4);
    EXPECT_EQ(area.row, 6);
    EXPECT_EQ(area.columns, 6);
    EXPECT_EQ(area.rows, 8);
    EXPECT_EQ(area.wrapWidth, 64);
    EXPECT_EQ(area.PixelWidth(), 5 * 37 + 50);
    EXPECT_EQ(area.PixelHeight(), 7 * 21 + 42);
}

TEST(StoredArea, LandAcrossTheWrapShowsInOnePiece) {
    AtlMap map;
    HexArea area = StoredArea(PlainWith(map, {AtlCoord(62, 0), AtlCoord(63, 1), AtlCoord(0, 0),
                                              AtlCoord(1, 1), AtlCoord(20, 2)}),
                              64);
    EXPECT_EQ(area.column, 62);
    EXPECT_EQ(area.columns, 64 - 62 + 21);
    // With empty stretches of the same width the world is shown from its start.
    area = StoredArea(PlainWith(map, {AtlCoord(0, 0), AtlCoord(32, 0)}), 64);
    EXPECT_EQ(area.column, 0);
    EXPECT_EQ(area.columns, 33);
    // The two ends of the world side by side.
    area = StoredArea(PlainWith(map, {AtlCoord(0, 0), AtlCoord(63, 1)}), 64);
    EXPECT_EQ(area.column, 63);
    EXPECT_EQ(area.columns, 2);
    // A whole world.
    PlainWith(map, {});
    for (int x = 0; x < 64; ++x)
        map.SetHex(AtlCoord(x, x % 2), AtlHexData());
    area = StoredArea(*map.GetPlain(0), 64);
    EXPECT_EQ(area.column, 0);
    EXPECT_EQ(area.columns, 64);
}

TEST(StoredArea, HexesBeyondTheWrapAreShownWithoutIt) {
    AtlMap map;
    HexArea area = StoredArea(PlainWith(map, {AtlCoord(2, 0), AtlCoord(70, 0)}), 64);
    EXPECT_EQ(area.wrapWidth, 0);
    EXPECT_EQ(area.column, 2);
    EXPECT_EQ(area.columns, 69);
    // However far: no hex is left out.
    map.SetHex(AtlCoord(3000, 3000), AtlHexData());
    area = StoredArea(*map.GetPlain(0), 64);
    EXPECT_EQ(area.columns, 2999);
    EXPECT_EQ(area.rows, 3001);
}
