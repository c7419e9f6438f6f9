#include "map/atlmap.h"
#include "map/formatmap.h"
#include "map/hexobjects.h"
#include "model/turnextras.h"
#include "tests/support/docbuild.h"
#include "tests/support/reportdoc.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace {

const std::string kReports = VEXLOR_REPORTS_DIR;

// The real games of several engine versions and rule sets, every faction's every turn.
struct Game {
    const char* folder;
    int factions[3];
    int last;
};
constexpr Game kGames[] = {
    {"head-standard", {3, 4, 5}, 8},           {"head-neworigins", {3, 4, 5}, 9},
    {"v404-standard", {3, 4, 5}, 8},           {"v410-standard", {3, 4, 5}, 8},
    {"repo-snapshot-standard", {3, 0, 0}, 14}, {"repo-snapshot-neworigins", {3, 0, 0}, 14},
};

std::string TypeOf(const BuildingNode& object) {
    std::string text(object.text.View());
    return text.substr(0, text.find_first_of(",;."));
}

} // namespace

// Every object the real reports list gets the picture its engine type calls for: the lairs
// named like ships and towers are lairs, a gateway is a way in like a shaft, and a road runs
// towards the side its name gives. An object type the games show that is missing here fails,
// so that a new one is looked at rather than drawn as a plain building unnoticed.
TEST(HexObjects, EveryObjectOfTheRealReportsHasTheKindOfItsType) {
    const std::map<std::string, ObjectKind> expected = {
        {"Shaft", ObjectKind::Shaft},        {"Gateway", ObjectKind::Shaft},
        {"Lair", ObjectKind::Lair},          {"Ruin", ObjectKind::Lair},
        {"Crypt", ObjectKind::Lair},         {"Cave", ObjectKind::Lair},
        {"Cavern", ObjectKind::Lair},        {"Whirlpool", ObjectKind::Lair},
        {"Island", ObjectKind::Lair},        {"Bog", ObjectKind::Lair},
        {"Demon Pit", ObjectKind::Lair},     {"Giant's Castle", ObjectKind::Lair},
        {"Derelict Ship", ObjectKind::Lair}, {"Magician's Tower", ObjectKind::Lair},
        {"Longship", ObjectKind::Ship},      {"Tower", ObjectKind::Tower},
        {"Fort", ObjectKind::Tower},         {"Inn", ObjectKind::Building},
        {"Road N", ObjectKind::Road},        {"Road NE", ObjectKind::Road},
        {"Road S", ObjectKind::Road},        {"Road SW", ObjectKind::Road},
    };
    const std::map<std::string, AtlDirection::Type> roads = {{"Road N", AtlDirection::North},
                                                             {"Road NE", AtlDirection::Northeast},
                                                             {"Road S", AtlDirection::South},
                                                             {"Road SW", AtlDirection::Southwest}};
    std::map<ObjectKind, int> counts;
    for (const Game& game : kGames)
        for (int faction : game.factions) {
            if (!faction) continue;
            VexlorDoc doc;
            ASSERT_EQ(
                AddReports(doc, ReportSeries(kReports + "/" + game.folder, faction, game.last)),
                "");
            for (const TurnNode& turn : doc.Turns())
                for (const LocationNode& loc : turn.Locations())
                    for (const BuildingNode& object : loc.buildings) {
                        std::string type = TypeOf(object);
                        auto kind = expected.find(type);
                        ASSERT_NE(kind, expected.end())
                            << "an object type not looked at: " << object.text.View();
                        EXPECT_EQ(KindOfObject(object), kind->second) << object.text.View();
                        auto road = roads.find(type);
                        EXPECT_EQ(RoadDirection(object),
                                  road == roads.end()
                                      ? std::nullopt
                                      : std::optional<AtlDirection::Type>(road->second))
                            << object.text.View();
                        ++counts[kind->second];
                    }
        }
    // Every kind but the gate (a sentence, not an object) occurs in the real games.
    for (ObjectKind kind : {ObjectKind::Shaft, ObjectKind::Lair, ObjectKind::Ship,
                            ObjectKind::Tower, ObjectKind::Building, ObjectKind::Road})
        EXPECT_GT(counts[kind], 0) << ObjectKindName(kind);
}

// The map marks a gate exactly where the block of the sighting on show said so, in every
// turn of a real game; a hex known only from exits shows no objects even where a sighting of
// it lists some.
TEST(HexObjects, TheMapMarksTheGatesTheRegionBlocksName) {
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, ReportSeries(kReports + "/head-standard", 3, 8)), "");
    int gates = 0;
    for (const TurnNode& turn : doc.Turns()) {
        AtlMap map;
        FormatMap(doc, map, turn.date);
        const AtlPlain& plain = *map.GetPlain(0);
        plain.ForEachHex([&](const AtlCoord& c, const AtlHexData& hex) {
            const TurnExtras* extras = KeptExtras(doc, hex.seenDate);
            const RegionExtras* region = extras ? extras->FindRegion(c) : nullptr;
            bool gate = region && region->gate != 0 && !hex.Has(AtlHexData::HexPartial);
            EXPECT_EQ(hex.Has(AtlHexData::HexGate), gate) << c.GetString().Get();
            EXPECT_EQ(ObjectsOf(hex).Has(ObjectKind::Gate), gate);
            gates += gate;
        });
    }
    EXPECT_GT(gates, 0);

    VexlorDoc typed;
    LocationNode& loc = AddLoc(typed, AtlDate(0, 1), AtlCoord(2, 2));
    AddBuilding(loc, 1, "Building", "Road NE, needs 15.");
    AddBuilding(loc, 2, "Building", "Road S.");
    AddBuilding(loc, 3, "Ship", "Longship; 0% damaged; Load: 0/100; Sailors: 4/4;");
    AtlHexData seen(loc, AtlDate(0, 1));
    HexObjects objects = ObjectsOf(seen);
    EXPECT_EQ(objects.roads, (1u << AtlDirection::Northeast) | (1u << AtlDirection::South));
    EXPECT_TRUE(objects.Has(ObjectKind::Road) && objects.Has(ObjectKind::Ship));
    EXPECT_FALSE(objects.Has(ObjectKind::Building) || objects.Has(ObjectKind::Gate));
    AtlHexData partial(loc, AtlDate(0, 1), AtlHexData::HexPartial | AtlHexData::HexGate);
    EXPECT_TRUE(ObjectsOf(partial).IsEmpty());
}
