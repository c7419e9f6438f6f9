#include "map/atlmap.h"
#include "map/mapviewsink.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Records what the map asks its view to redraw.
class RecordingView : public MapViewSink {
public:
    void InvalidateHex(const AtlCoord& c) override { redrawn.push_back(c); }
    std::vector<AtlCoord> redrawn;
};

std::unique_ptr<AtlHexData> Hex(TerrainType terrain = TerrainType::Forest) {
    auto hex = std::make_unique<AtlHexData>();
    hex->terrain = terrain;
    return hex;
}

class HexMap : public ::testing::Test {
protected:
    void SetUp() override { map.Clear(); }
    RecordingView view;
    AtlMap map{&view};
};

} // namespace

TEST(AtlPlain, CellsHoldOneParityPerRow) {
    AtlMap map;
    AtlPlain& plain = *map.GetPlain(0);
    plain.Clear();
    EXPECT_EQ(plain.CellIndex(AtlCoord(3, 1)), 1 + 1 * 100);
    EXPECT_EQ(plain.CellIndex(AtlCoord(2, 0)), 1);
    EXPECT_EQ(plain.CellCoord(101), AtlCoord(3, 1, 0));
    EXPECT_EQ(plain.CellCoord(1), AtlCoord(2, 0, 0));
    // Every stored hex reads back at its own coordinate and nowhere else.
    plain.SetHex(AtlCoord(3, 1), Hex(TerrainType::Ocean));
    plain.SetHex(AtlCoord(2, 0), Hex(TerrainType::Desert));
    EXPECT_EQ(plain.GetHex(AtlCoord(3, 1))->terrain, TerrainType(TerrainType::Ocean));
    EXPECT_EQ(plain.GetHex(AtlCoord(2, 0))->terrain, TerrainType(TerrainType::Desert));
    EXPECT_EQ(plain.GetHex(AtlCoord(2, 2)), nullptr);
}

TEST(AtlPlain, PositionsWithoutACellAreNotStoredButWidenTheExtent) {
    AtlMap map;
    AtlPlain& plain = *map.GetPlain(1);
    plain.Clear();
    plain.SetHex(AtlCoord(198, 98, 1), Hex());
    EXPECT_NE(plain.GetHex(AtlCoord(198, 98, 1)), nullptr);
    EXPECT_EQ(plain.UsedColumns(), 100);
    EXPECT_EQ(plain.UsedRows(), 99);

    plain.SetHex(AtlCoord(200, 100, 1), Hex()); // beyond the grid
    EXPECT_EQ(plain.XExtent(), 201);
    EXPECT_EQ(plain.YExtent(), 101);
    EXPECT_EQ(plain.UsedColumns(), 100);
    EXPECT_EQ(plain.UsedRows(), 99);

    // A negative x or an odd x + y would otherwise land on the cell of (1,1) or (3,1).
    plain.SetHex(AtlCoord(-1, 1, 1), Hex());
    plain.SetHex(AtlCoord(2, 1, 1), Hex());
    EXPECT_EQ(plain.GetHex(AtlCoord(1, 1, 1)), nullptr);
    EXPECT_EQ(plain.GetHex(AtlCoord(3, 1, 1)), nullptr);
    EXPECT_EQ(plain.GetHex(AtlCoord(-1, 1, 1)), nullptr);
    EXPECT_EQ(plain.GetHex(AtlCoord(2, 1, 1)), nullptr);
}

TEST(AtlMap, OnlyTheSurfaceAndTheUnderworldAreKept) {
    AtlMap map;
    map.SetHex(AtlCoord(0, 0), Hex()); // no grid before the first Clear: released
    EXPECT_EQ(map.GetHex(AtlCoord(0, 0)), nullptr);
    map.Clear();
    map.SetHex(AtlCoord(2, 2, 0), Hex(TerrainType::Plain));
    map.SetHex(AtlCoord(2, 2, 1), Hex(TerrainType::Cavern));
    map.SetHex(AtlCoord(2, 2, 2), Hex(TerrainType::Ocean));
    EXPECT_EQ(map.GetHex(AtlCoord(2, 2, 0))->terrain, TerrainType(TerrainType::Plain));
    EXPECT_EQ(map.GetHex(AtlCoord(2, 2, 1))->terrain, TerrainType(TerrainType::Cavern));
    EXPECT_EQ(map.GetHex(AtlCoord(2, 2, 2)), nullptr);
    EXPECT_EQ(map.GetHex(AtlCoord(2, 2, 3)), nullptr);
}

TEST_F(HexMap, SelectingEmptyGroundLeavesNothingBehind) {
    map.SelectHex(AtlCoord(4, 6), true);
    ASSERT_NE(map.GetHex(AtlCoord(4, 6)), nullptr);
    EXPECT_EQ(map.GetSelCount(), 1);
    EXPECT_EQ(map.GetSelectedCoord(), AtlCoord(4, 6, 0));
    map.ClearSelection();
    EXPECT_EQ(map.GetHex(AtlCoord(4, 6)), nullptr);
    EXPECT_EQ(map.GetSelCount(), 0);
    EXPECT_EQ(view.redrawn, (std::vector<AtlCoord>{AtlCoord(4, 6), AtlCoord(4, 6)}));
}

TEST_F(HexMap, SelectingAKnownHexKeepsItsRecord) {
    map.SetHex(AtlCoord(5, 3, 1), Hex());
    AtlHexData* known = map.GetHex(AtlCoord(5, 3, 1));
    map.SelectHex(AtlCoord(5, 3, 1), true);
    map.SelectHex(AtlCoord(5, 3, 1), true); // already selected: no second redraw
    EXPECT_EQ(view.redrawn.size(), 1u);
    EXPECT_EQ(map.GetSelectedCoord(), AtlCoord(5, 3, 1));
    map.ClearSelection();
    EXPECT_EQ(map.GetHex(AtlCoord(5, 3, 1)), known);
    EXPECT_FALSE(known->Has(AtlHexData::HexSelected));
    EXPECT_EQ(view.redrawn.size(), 2u);
    map.SelectHex(AtlCoord(5, 3, 1), false); // not selected: nothing to redraw
    map.SelectHex(AtlCoord(7, 3, 1), false); // nothing there
    EXPECT_EQ(view.redrawn.size(), 2u);
}

TEST_F(HexMap, AKnownHexWithoutTerrainIsNotMistakenForAPlaceholder) {
    map.SetHex(AtlCoord(1, 1), Hex(TerrainType()));
    map.GetHex(AtlCoord(1, 1))->hexFlags |= AtlHexData::HexGuarded;
    map.SelectHex(AtlCoord(1, 1), true);
    map.ClearSelection();
    ASSERT_NE(map.GetHex(AtlCoord(1, 1)), nullptr);
    EXPECT_TRUE(map.GetHex(AtlCoord(1, 1))->Has(AtlHexData::HexGuarded));
}

TEST_F(HexMap, SelectionSpansBothPlainsInRowOrder) {
    EXPECT_EQ(map.GetSelectedCoord(), AtlCoord(-1, -1, 1));
    map.SelectHex(AtlCoord(9, 9, 1), true);
    EXPECT_EQ(map.GetSelectedCoord(), AtlCoord(9, 9, 1));
    map.SelectHex(AtlCoord(6, 4, 0), true);
    map.SelectHex(AtlCoord(2, 4, 0), true);
    map.SelectHex(AtlCoord(11, 3, 0), true);
    EXPECT_EQ(map.GetSelCount(), 4);
    EXPECT_EQ(map.GetSelectedCoord(), AtlCoord(11, 3, 0));
    map.SelectHex(AtlCoord(11, 3, 0), false);
    EXPECT_EQ(map.GetSelectedCoord(), AtlCoord(2, 4, 0));
    view.redrawn.clear();
    map.ClearSelection();
    EXPECT_EQ(map.GetSelCount(), 0);
    EXPECT_EQ(view.redrawn,
              (std::vector<AtlCoord>{AtlCoord(2, 4, 0), AtlCoord(6, 4, 0), AtlCoord(9, 9, 1)}));
}

TEST_F(HexMap, APositionWithoutACellCannotBeSelected) {
    map.SelectHex(AtlCoord(3, 100), true); // below the grid, as a click under the map gives
    map.SelectHex(AtlCoord(4, 1), true);   // odd x + y
    map.SelectHex(AtlCoord(4, 4, 2), true);
    EXPECT_EQ(map.GetSelCount(), 0);
    EXPECT_TRUE(view.redrawn.empty());
}
