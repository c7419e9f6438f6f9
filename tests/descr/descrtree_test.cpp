#include "descr/descrtree.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "tests/support/docbuild.h"
#include "tests/support/reportdoc.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <memory>
#include <string>

namespace {

const AtlDate kJuly(6, 1), kAugust(7, 1);
const int kOwn = 3;

class Description : public ::testing::Test {
protected:
    void SetUp() override { doc.SetFaction(kOwn); }

    std::unique_ptr<DescrTVRoot> Build(const AtlCoord& c, AtlDate shown) {
        FormatMap(doc, map, shown);
        return BuildDescrTree(doc, map, c, options);
    }
    std::string Text(const AtlCoord& c, AtlDate shown) {
        auto root = Build(c, shown);
        return root ? TreeText(*root) : "<nothing>";
    }

    VexlorDoc doc;
    AtlMap map;
    DescrOptions options;
};

const DescrTVNode* AsDescr(const TreeViewNode* node) {
    return static_cast<const DescrTVNode*>(node);
}

// The child of the title line with this text.
const DescrTVNode* Line(const DescrTVRoot& root, const char* text) {
    const TreeViewNode* title = root.Child(0);
    for (int i = 0; i < title->ChildCount(); ++i)
        if (title->Child(i)->GetString() == text) return AsDescr(title->Child(i));
    return nullptr;
}

} // namespace

TEST_F(Description, NothingToDescribeLeavesThePaneAsItWas) {
    EXPECT_EQ(Build(AtlCoord(0, 0), kJuly), nullptr); // no turn yet
    AddLoc(doc, kJuly, AtlCoord(2, 2));
    EXPECT_EQ(Build(AtlCoord(4, 2), kJuly), nullptr);         // nothing known there
    EXPECT_EQ(Build(AtlCoord(2, 2), AtlDate(5, 1)), nullptr); // not yet known on that turn
    EXPECT_NE(Build(AtlCoord(2, 2), kJuly), nullptr);
}

TEST_F(Description, EmptyGroundShowsItsCoordinateAlone) {
    AddLoc(doc, kJuly, AtlCoord(2, 2));
    FormatMap(doc, map, kJuly);
    map.SelectHex(AtlCoord(5, 7, 1), true);
    auto root = BuildDescrTree(doc, map, AtlCoord(5, 7, 1), options);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(TreeText(*root), "(5,7,underworld)\n");
    EXPECT_FALSE(root->Child(0)->IsOpen());
}

TEST_F(Description, ARegionSeenFromItsNeighbourShowsWhatItContains) {
    AddPartial(doc, kJuly, AtlCoord(0, 34), TerrainType::Jungle, "Erisort");
    LocationNode& town = AddPartial(doc, kJuly, AtlCoord(1, 33), TerrainType::Swamp, "Tourois");
    town.townName = "Irsa";
    town.townType = "town";
    EXPECT_EQ(Text(AtlCoord(0, 34), kJuly), "jungle (0,34) in Erisort\n  Contains: nothing\n");
    EXPECT_EQ(Text(AtlCoord(1, 33), kJuly), "swamp (1,33) in Tourois\n  Contains: Irsa [town]\n");
    EXPECT_TRUE(Build(AtlCoord(0, 34), kJuly)->Child(0)->IsOpen());
}

TEST_F(Description, HeadingsAreAlwaysThereWithTheirKindsAndOpenStates) {
    LocationNode& loc = AddLoc(doc, kJuly, AtlCoord(23, 5), TerrainType::Mountain, "Marsdel");
    loc.peasants = 332;
    loc.peasantRace = "barbarians";
    loc.silver = 664;
    loc.wages = 12;
    loc.maxWages = 796;
    loc.entertainment = 33;
    options.bForSaleOpen = true;
    options.bOtherUnitsOpen = true;
    auto root = Build(AtlCoord(23, 5), kJuly);
    EXPECT_EQ(TreeText(*root), "mountain (23,5) in Marsdel\n"
                               "  Contains: nothing\n"
                               "  Peasants: 332 barbarians\n"
                               "  Taxes: $664\n"
                               "  Wages: $12 (Max: $796)\n"
                               "  Entertainment: $33\n"
                               "  Last seen: July, Year 1\n"
                               "  Wanted: \n"
                               "  For Sale: \n"
                               "  Products: \n"
                               "  Your units: \n"
                               "  Other units:\n"
                               "  Buildings:\n");
    const char* headings[] = {
        "Wanted: ", "For Sale: ", "Products: ", "Your units: ", "Other units:", "Buildings:"};
    for (uint32_t kind = 1; kind <= 6; ++kind) {
        const DescrTVNode* heading = Line(*root, headings[kind - 1]);
        ASSERT_NE(heading, nullptr);
        EXPECT_EQ(heading->GetAttr(), kind);
        EXPECT_EQ(heading->IsOpen(), kind == BranchForSale || kind == BranchOtherUnits);
    }
    EXPECT_EQ(Line(*root, "Taxes: $664")->GetAttr(), 0u);
    EXPECT_EQ(root->Child(0)->GetString(), "mountain (23,5) in Marsdel");
    EXPECT_EQ(AsDescr(root->Child(0))->GetAttr(), 0u);
    EXPECT_TRUE(root->Child(0)->IsOpen());
}

// The ocean of a real report (no peasants, "  Wages: $0.") is checked whole by the describe
// command's tests; here the forms it does not have.
TEST_F(Description, NumbersNoReportGaveAreLeftOut) {
    LocationNode& loc = AddLoc(doc, kJuly, AtlCoord(13, 1), TerrainType::Ocean, "Wyreth Ocean");
    loc.peasants = 0; // reported as none: shown
    loc.peasantRace = "sea elves";
    loc.wages = -1;
    loc.maxWages = 1786;
    std::string text = Text(AtlCoord(13, 1), kJuly);
    EXPECT_NE(text.find("  Peasants: 0 sea elves\n  Last seen: "), std::string::npos) << text;
}

TEST_F(Description, UnitsUnderTheirHeadingsAndTheirBuilding) {
    for (AtlDate date : {kJuly, kAugust}) {
        LocationNode& loc = AddLoc(doc, date, AtlCoord(0, 32), TerrainType::Jungle, "Erisort");
        doc.RegisterTurn(date)->factions.Register(kOwn, "Red Wolves");
        doc.RegisterTurn(date)->factions.Register(5, "Green Oaks");
        AddBuilding(loc, 3, "Building", "Tower.");
        AddBuilding(loc, 4, "Ship", "Longship");
        AddUnit(loc, 404, "Guards", kOwn, UnitNode::RevealingFaction)
            .items.Add(new ItemNode(4, "swords", "SWOR"));
        AddUnit(loc, 362, "Captain", 5, UnitNode::Avoiding | UnitNode::Behind, 3);
        AddUnit(loc, 358, "Captain", kOwn, UnitNode::Avoiding, 3)
            .items.Add(new ItemNode(-1, "iron", "IRON"));
    }
    auto root = Build(AtlCoord(0, 32), kAugust);
    std::string text = TreeText(*root);
    std::string units = text.substr(text.find("  Your units: "));
    EXPECT_EQ(units, "  Your units: \n"
                     "    Guards (404)[R], faction: Red Wolves(3)\n"
                     "      4 swords\n"
                     "    [3] Captain (358)[A], faction: Red Wolves(3)\n"
                     "      unlimited iron\n"
                     "  Other units:\n"
                     "    [3] Captain (362)[BA], faction: Green Oaks(5)\n"
                     "  Buildings:\n"
                     "    Building [3] : Tower.\n"
                     "      Captain (362)[BA], faction: Green Oaks(5)\n"
                     "      Captain (358)[A], faction: Red Wolves(3)\n"
                     "        unlimited iron\n"
                     "    Ship [4] : Longship\n");
    // A unit is open when it carries something; the building lines start closed.
    const DescrTVNode* mine = Line(*root, "Your units: ");
    EXPECT_TRUE(mine->Child(0)->IsOpen());
    const DescrTVNode* others = Line(*root, "Other units:");
    EXPECT_FALSE(others->Child(0)->IsOpen());
    EXPECT_FALSE(Line(*root, "Buildings:")->Child(0)->IsOpen());

    // "Your units" follow the turn on show: a later report does not hide them while August is
    // on show; with the later turn on show (the hex last seen in August) where the player's
    // units stand is unknown, and under their building they stay. The headings then say when
    // what they list was seen.
    AddLoc(doc, AtlDate(8, 1), AtlCoord(40, 40));
    EXPECT_NE(TreeText(*Build(AtlCoord(0, 32), kAugust)).find("    Guards (404)"),
              std::string::npos);
    text = TreeText(*Build(AtlCoord(0, 32), AtlDate(8, 1)));
    EXPECT_EQ(text.find("    Guards (404)"), std::string::npos);
    EXPECT_NE(text.find("  Your units seen in August, Year 1:\n"
                        "  Other units seen in August, Year 1:\n"
                        "    [3] Captain (362)"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("  Buildings seen in August, Year 1:\n    Building [3]"),
              std::string::npos);
    EXPECT_NE(text.find("      Captain (358)[A]"), std::string::npos);
    // Asked for the newest known places, the player's units are listed there, under the month.
    FormatMap(doc, map, AtlDate(8, 1), OwnUnitPlaces::NewestKnown);
    text = TreeText(*BuildDescrTree(doc, map, AtlCoord(0, 32), options));
    EXPECT_NE(text.find("  Your units seen in August, Year 1:\n    Guards (404)"),
              std::string::npos)
        << text;
}

TEST_F(Description, FactionNamesComeFromTheReportTheUnitsCameFrom) {
    LocationNode& old = AddLoc(doc, kJuly, AtlCoord(2, 2));
    AddUnit(old, 7, "Scouts", 5);
    doc.RegisterTurn(kJuly)->factions.Register(5, "Green Oaks");
    AddLoc(doc, kAugust, AtlCoord(8, 8)); // a later report that does not name faction 5
    std::string text = Text(AtlCoord(2, 2), kAugust);
    EXPECT_NE(text.find("    Scouts (7), faction: Green Oaks(5)\n"), std::string::npos);
}

TEST_F(Description, BuildingZeroHoldsNoUnitsFromOutside) {
    LocationNode& loc = AddLoc(doc, kJuly, AtlCoord(2, 2));
    AddBuilding(loc, 0, "Ruin", "Ruin, closed to player units.");
    AddUnit(loc, 7, "Scouts", 5);
    std::string text = Text(AtlCoord(2, 2), kJuly);
    EXPECT_NE(text.find("    Ruin [0] : Ruin, closed to player units.\n"), std::string::npos);
    EXPECT_EQ(text.find("      Scouts"), std::string::npos);
}

// A crafted document: a thousand buildings share one number. Each unit stands once under a
// building, so the tree grows with units plus buildings, not their product.
TEST_F(Description, AUnitStandsUnderOneBuildingAtMost) {
    LocationNode& loc = AddLoc(doc, kJuly, AtlCoord(2, 2));
    for (int i = 0; i < 1000; ++i)
        AddBuilding(loc, 5, "Tower", "Tower.");
    for (int i = 0; i < 1000; ++i)
        AddUnit(loc, 100 + i, "Guard", 7).building = 5;
    std::string text = Text(AtlCoord(2, 2), kJuly);
    long lines = std::count(text.begin(), text.end(), '\n');
    EXPECT_LT(lines, 3 * 1000 + 20);
    // All under the first tower, once more each among the other units.
    size_t firstTower = text.find("Tower [5]");
    size_t secondTower = text.find("Tower [5]", firstTower + 1);
    EXPECT_NE(text.find("Guard (100)", firstTower), std::string::npos);
    EXPECT_EQ(text.find("Guard (100)", secondTower), std::string::npos);
}

// The weather, gate and exits of a region block and an own unit's details, as the real
// reader keeps them.
TEST(DescriptionOfRealReports, ExitsGateWeatherAndOwnUnitsDetails) {
    VexlorDoc doc;
    ASSERT_EQ(
        AddReports(doc, ReportSeries(std::string(VEXLOR_REPORTS_DIR) + "/head-standard", 3, 6)),
        "");
    AtlMap map;
    FormatMap(doc, map, AtlDate(5, 1));
    DescrOptions options;
    options.bExitsOpen = true;
    auto root = BuildDescrTree(doc, map, AtlCoord(0, 32), options);
    ASSERT_NE(root, nullptr);
    EXPECT_NE(
        Line(*root, "It was monsoon season last month; it will be monsoon season next month."),
        nullptr);
    EXPECT_NE(Line(*root, "Gate 26 of 31"), nullptr);
    const DescrTVNode* exits = Line(*root, "Exits:");
    ASSERT_NE(exits, nullptr);
    EXPECT_EQ(exits->GetBranch(), BranchExits);
    EXPECT_TRUE(exits->IsOpen());
    ASSERT_EQ(exits->ChildCount(), 6);
    EXPECT_EQ(exits->Child(4)->GetString(), "Southwest : jungle (63,33) in Erisort");
    auto* southwest = dynamic_cast<const DescrExitNode*>(exits->Child(4));
    ASSERT_NE(southwest, nullptr);
    EXPECT_EQ(southwest->Target(), AtlCoord(63, 33));

    // The captain in the tower: items, then weight, capacity, skills and what it can study.
    const std::string text = TreeText(*root);
    EXPECT_NE(text.find("    [1] Captain (358)[BAR], faction: Red Wolves(3)\n"
                        "      1 leader\n      2 iron\n      888 silver\n"
                        "      Weight: 20\n      Capacity: 0/0/15/0\n      Skills: \n"
                        "        pattern [PATT] 1 (30)\n"),
              std::string::npos);
    EXPECT_NE(text.find("      Skills: none\n"), std::string::npos); // the guards
    EXPECT_NE(text.find("      Can Study: \n        magical healing [MHEA]\n"), std::string::npos);

    options.bExitsOpen = false;
    EXPECT_FALSE(Line(*BuildDescrTree(doc, map, AtlCoord(0, 32), options), "Exits:")->IsOpen());
}

// Over real reports: every hex whose units were seen in an earlier month than the one on show
// says so in its headings, and only those.
TEST(DescriptionOfRealReports, HeadingsOfUnitsSeenEarlierNameTheMonth) {
    VexlorDoc doc;
    ASSERT_EQ(
        AddReports(doc, ReportSeries(std::string(VEXLOR_REPORTS_DIR) + "/head-standard", 3, 8)),
        "");
    AtlMap map;
    const AtlDate shown = doc.LastTurn()->date;
    FormatMap(doc, map, shown);
    DescrOptions options;
    int earlier = 0;
    map.GetPlain(0)->ForEachHex([&](const AtlCoord& c, const AtlHexData& hex) {
        if (hex.Has(AtlHexData::HexPartial) || hex.Location().units.IsEmpty()) return;
        auto root = BuildDescrTree(doc, map, c, options);
        const std::string month = hex.seenDate.GetString().Get();
        const std::string dated = "Other units seen in " + month + ":";
        bool old = hex.seenDate < shown;
        earlier += old;
        EXPECT_EQ(Line(*root, dated.c_str()) != nullptr, old) << c.GetString().Get();
        EXPECT_EQ(Line(*root, "Other units:") != nullptr, !old) << c.GetString().Get();
    });
    EXPECT_GT(earlier, 0);
}
