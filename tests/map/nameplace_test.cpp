#include "map/atlmap.h"
#include "map/formatmap.h"
#include "map/hexgeometry.h"
#include "map/nameplace.h"
#include "model/location.h"
#include "tests/support/reportdoc.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <vector>

namespace {

// Names 6 pixels a letter and 12 tall; an own-units marker at the top left, another
// faction's at the bottom, as the painter places them at actual size.
class FakePictures : public HexPictures {
public:
    PixelPoint NameSize(const AtlHexData& hex) const override {
        int letters = static_cast<int>(hex.Location().townName.View().size());
        return letters ? PixelPoint{letters * 6, 12} : PixelPoint{};
    }
    void MarkerBoxes(const AtlHexData& hex, std::vector<PixelRect>& boxes) const override {
        if (hex.Has(AtlHexData::HexOwnUnits)) boxes.push_back({12, 4, 24, 16});
        if (hex.Has(AtlHexData::HexOtherUnits)) boxes.push_back({21, 33, 29, 41});
    }
    int NameReach() const override { return 64; }
};

AtlHexData Hex(const char* town = "", uint32_t flags = 0) {
    static std::deque<LocationNode> sightings;
    LocationNode& loc = sightings.emplace_back();
    loc.terrain = TerrainType(TerrainType::Plain);
    loc.townName = town;
    return AtlHexData(loc, AtlDate(), flags);
}

PixelRect Moved(PixelRect r, PixelPoint by) {
    return {r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y};
}

} // namespace

TEST(TownNames, StayOffMarkersAndOffEachOther) {
    HexGeometry geometry(64);
    FakePictures pictures;
    AtlMap map;
    // Alone: centred on the hex, its top at the middle.
    map.SetHex(AtlCoord(10, 10), Hex("Verdorf"));
    EXPECT_EQ(PlaceTownName(map, geometry, AtlCoord(10, 10), pictures),
              (PixelRect{25 - 21, 20, 25 - 21 + 42, 32}));
    EXPECT_EQ(PlaceTownName(map, geometry, AtlCoord(12, 10), pictures), std::nullopt);

    // Units to the southeast stand where a long name would run: it moves up, off them.
    map.SetHex(AtlCoord(10, 10), Hex("Brimsordon"));
    map.SetHex(AtlCoord(11, 11), Hex("", AtlHexData::HexOwnUnits));
    std::optional<PixelRect> moved = PlaceTownName(map, geometry, AtlCoord(10, 10), pictures);
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->top, 20 - 12);
    // With markers of its own above and below as well: left out, the markers stay readable.
    map.SetHex(AtlCoord(10, 10),
               Hex("Brimsordon", AtlHexData::HexOwnUnits | AtlHexData::HexOtherUnits));
    EXPECT_EQ(PlaceTownName(map, geometry, AtlCoord(10, 10), pictures), std::nullopt);

    // Two long names side by side, also across the world's wrap: the western one is
    // written, the other left out.
    for (auto [west, east] : {std::pair{AtlCoord(20, 20), AtlCoord(22, 20)},
                              std::pair{AtlCoord(63, 31), AtlCoord(1, 31)}}) {
        map.SetHex(west, Hex("Mun-a-karak-by-the-Sea"));
        map.SetHex(east, Hex("Brimsordon"));
        EXPECT_TRUE(PlaceTownName(map, geometry, west, pictures)) << west.x;
        EXPECT_FALSE(PlaceTownName(map, geometry, east, pictures)) << east.x;
    }
    // Short names two columns apart both fit.
    map.SetHex(AtlCoord(30, 30), Hex("Oyo"));
    map.SetHex(AtlCoord(32, 30), Hex("Ai"));
    EXPECT_TRUE(PlaceTownName(map, geometry, AtlCoord(30, 30), pictures));
    EXPECT_TRUE(PlaceTownName(map, geometry, AtlCoord(32, 30), pictures));
}

// On the towns and units of real reports, at every zoom of the hexes (the names as wide as
// the fake's): no name written covers a marker or another name written.
TEST(TownNames, NoWrittenNameCoversAMarkerOrANameInRealReports) {
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, ReportSeries(VEXLOR_REPORTS_DIR "/head-standard", 3, 8)), "");
    AtlMap map;
    FormatMap(doc, map, doc.LastTurn()->date);
    FakePictures pictures;
    for (int step : {2, HexGeometry::kActualSize}) {
        HexGeometry geometry(map.GetPlain(0)->WrapWidth());
        geometry.SetZoomStep(step);
        const HexMetrics& m = geometry.Metrics();
        // Every name and marker in pixels of an unwrapped map.
        std::vector<PixelRect> names, markers;
        int towns = 0;
        map.GetPlain(0)->ForEachHex([&](const AtlCoord& c, const AtlHexData& hex) {
            PixelPoint corner{c.x * m.ColumnStep(), c.y * m.RowStep()};
            std::vector<PixelRect> boxes;
            pictures.MarkerBoxes(hex, boxes);
            for (const PixelRect& b : boxes)
                markers.push_back(Moved(b, corner));
            if (hex.Location().townName.IsEmpty()) return;
            ++towns;
            if (auto name = PlaceTownName(map, geometry, c, pictures))
                names.push_back(Moved(*name, corner));
        });
        ASSERT_GT(towns, 3);
        EXPECT_GT(names.size(), 0u);
        for (size_t i = 0; i < names.size(); ++i) {
            for (const PixelRect& marker : markers)
                EXPECT_FALSE(names[i].Intersects(marker)) << "step " << step;
            for (size_t j = i + 1; j < names.size(); ++j)
                EXPECT_FALSE(names[i].Intersects(names[j])) << "step " << step;
        }
    }
}
