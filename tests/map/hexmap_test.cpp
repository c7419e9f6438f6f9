#include "map/atlmap.h"
#include "map/mapviewsink.h"
#include "model/location.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace {

// Records what the map asks its view to redraw.
class RecordingView : public MapViewSink {
public:
    void InvalidateHex(const AtlCoord& c) override { redrawn.push_back(c); }
    std::vector<AtlCoord> redrawn;
};

// A hex showing a sighting of terrain; the sightings last as long as the test program.
AtlHexData Hex(TerrainType terrain = TerrainType::Forest) {
    static std::deque<LocationNode> sightings;
    LocationNode& loc = sightings.emplace_back();
    loc.terrain = terrain;
    return AtlHexData(loc, AtlDate());
}

class HexMap : public ::testing::Test {
protected:
    void SetUp() override { map.Clear(); }
    RecordingView view;
    AtlMap map{&view};
};

} // namespace

TEST(AtlPlain, HoldsAnySixteenBitPositionAndOnlyWhatIsKnown) {
    AtlMap map;
    AtlPlain& plain = map.Plain(1);
    for (AtlCoord c : {AtlCoord(3, 1, 1), AtlCoord(2, 0, 1), AtlCoord(32766, 32766, 1),
                       AtlCoord(-5, -3, 1), AtlCoord(1000, 20000, 1)})
        plain.SetHex(c, Hex());
    EXPECT_EQ(plain.HexCount(), 5u);
    // Every stored hex reads back at its own coordinate and nowhere else.
    EXPECT_NE(plain.GetHex(AtlCoord(32766, 32766, 1)), nullptr);
    EXPECT_NE(plain.GetHex(AtlCoord(-5, -3, 1)), nullptr);
    EXPECT_EQ(plain.GetHex(AtlCoord(1, 1, 1)), nullptr);
    EXPECT_EQ(plain.GetHex(AtlCoord(3, 3, 1)), nullptr);
    EXPECT_EQ(plain.MinX(), -5);
    EXPECT_EQ(plain.XExtent(), 32767);
    EXPECT_EQ(plain.YExtent(), 32767);
    // A selection placeholder widens nothing.
    map.SelectHex(AtlCoord(4, 30000, 0), true);
    EXPECT_EQ(map.GetPlain(0)->YExtent(), 0);
    EXPECT_FALSE(map.GetPlain(0)->HasKnownHexes());
}

TEST(AtlPlain, WrapsAtTheLearnedWidthElse64AndNeverLeavesAHexOut) {
    AtlMap map;
    AtlPlain& plain = map.Plain(0);
    EXPECT_EQ(plain.WrapWidth(), 64);
    plain.SetHex(AtlCoord(31, 1), Hex());
    plain.SetLearnedWidth(32);
    EXPECT_EQ(plain.WrapWidth(), 32);
    plain.SetHex(AtlCoord(40, 0), Hex()); // data the width cannot hold
    EXPECT_EQ(plain.WrapWidth(), 42);
    plain.SetLearnedWidth(0);
    plain.SetHex(AtlCoord(101, 1), Hex());
    EXPECT_EQ(plain.WrapWidth(), 102);
    // Clearing forgets the hexes, not what the reports showed.
    plain.SetLearnedWidth(16);
    plain.Clear();
    EXPECT_EQ(plain.WrapWidth(), 16);
}

TEST(AtlMap, EveryLevelIsKeptAndShownInTheGamesOrder) {
    AtlMap map;
    EXPECT_EQ(map.ShownLevels(), std::vector<int>{0});
    for (int z : {5, 1, 2, 3, 9})
        map.SetHex(AtlCoord(2, 2, z), Hex(TerrainType::Cavern));
    map.SelectHex(AtlCoord(0, 0, 4), true); // empty ground: no level of its own
    EXPECT_EQ(map.GetHex(AtlCoord(2, 2, 9))->Location().terrain, TerrainType(TerrainType::Cavern));
    EXPECT_EQ(map.GetHex(AtlCoord(2, 2, 0)), nullptr);
    EXPECT_EQ(map.ShownLevels(), (std::vector<int>{2, 0, 1, 3, 5, 9}));
    map.Clear();
    EXPECT_EQ(map.ShownLevels(), std::vector<int>{0});
    EXPECT_EQ(map.GetPlain(1), nullptr);
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

TEST_F(HexMap, EachLevelKeepsItsOwnSelection) {
    map.SelectHex(AtlCoord(3, 100), true); // below anything known, as a click there gives
    map.SelectHex(AtlCoord(4, 4, 3), true);
    map.SelectHex(AtlCoord(0, 0, 2), true);
    map.GetPlain(0)->ClearSelection();
    EXPECT_EQ(map.GetSelCount(), 2);
    EXPECT_EQ(map.SelectedHexes(), (std::vector<AtlCoord>{AtlCoord(0, 0, 2), AtlCoord(4, 4, 3)}));
    EXPECT_EQ(map.GetSelectedCoord(), AtlCoord(0, 0, 2)); // the nexus comes first
    EXPECT_EQ(map.GetPlain(3)->GetSelectedCoord(), AtlCoord(4, 4, 3));
}
