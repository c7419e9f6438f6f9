// What changed in a turn: on hand-made sightings for each kind of change, and on the real
// reports of a game against a plain walk over every report's regions.
#include "map/hexdata.h"
#include "map/turnchanges.h"
#include "model/docfile.h"
#include "tests/support/docbuild.h"
#include "tests/support/reportdoc.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const AtlDate kJan(0, 1), kFeb(1, 1), kMar(2, 1), kApr(3, 1);

std::vector<std::string> Lines(const std::vector<TurnChange>& changes) {
    std::vector<std::string> lines;
    for (const TurnChange& c : changes)
        lines.push_back(std::to_string(c.coord.x) + "," + std::to_string(c.coord.y) + "," +
                        std::to_string(c.coord.z) + " " + ChangeKindWord(c.kind) + " " + c.text);
    return lines;
}

using Strings = std::vector<std::string>;

TEST(TurnChanges, EachKindAgainstTheSightingBefore) {
    VexlorDoc doc;
    doc.SetFaction(3);
    LocationNode& was = AddLoc(doc, kJan, AtlCoord(2, 2));
    was.townName = "Jan";
    was.townType = "village";
    was.peasants = 1000;
    AddUnit(was, 10, "Stays", 3);
    AddUnit(was, 11, "Goes", 4);
    AddBuilding(was, 1, "Tower", "Tower");
    AddBuilding(was, 2, "Ship", "Longship");
    LocationNode& is = AddLoc(doc, kFeb, AtlCoord(2, 2));
    is.townName = "Janville";
    is.townType = "town";
    is.peasants = 1200; // a fifth more: told
    AddUnit(is, 10, "Stays renamed", 3);
    AddUnit(is, 12, "Comes", 5);
    AddBuilding(is, 1, "Tower", "Tower");
    AddBuilding(is, 3, "Fort", "Fort");
    EXPECT_EQ(Lines(TurnChanges(doc, kFeb)),
              (Strings{"2,2,0 arrived Comes (12)", "2,2,0 left Goes (11)", "2,2,0 built Fort [3]",
                       "2,2,0 razed Ship [2]", "2,2,0 town Jan [village] -> Janville [town]",
                       "2,2,0 peasants 1000 -> 1200"}));
    // The first month explores the hex and says nothing of what stood in it.
    EXPECT_EQ(Lines(TurnChanges(doc, kJan)), (Strings{"2,2,0 explored plain in Cluen"}));
}

TEST(TurnChanges, SmallPeasantChangesAndTownsComingAndGoing) {
    VexlorDoc doc;
    doc.SetFaction(3);
    const AtlCoord a(0, 0), b(2, 0);
    AddLoc(doc, kJan, a).peasants = 1000;
    LocationNode& old = AddLoc(doc, kJan, b);
    old.townName = "Old";
    old.townType = "village";
    AddLoc(doc, kFeb, a).peasants = 801; // less than a fifth fewer
    AddLoc(doc, kFeb, b);
    LocationNode& c = AddLoc(doc, kMar, a);
    c.peasants = 801;
    c.townName = "New";
    c.townType = "city";
    EXPECT_EQ(Lines(TurnChanges(doc, kFeb)), (Strings{"2,0,0 town Old [village] -> none"}));
    EXPECT_EQ(Lines(TurnChanges(doc, kMar)), (Strings{"0,0,0 town none -> New [city]"}));
}

TEST(TurnChanges, OnlyHexesSeenInTheMonthAndTheirNewestSightingBefore) {
    VexlorDoc doc;
    doc.SetFaction(3);
    const AtlCoord near(4, 4), far(6, 4), partial(8, 4);
    AddUnit(AddLoc(doc, kJan, near), 20, "Patient", 5);
    AddUnit(AddLoc(doc, kJan, far), 21, "Forgotten", 5);
    AddPartial(doc, kJan, partial);
    AddLoc(doc, kFeb, AtlCoord(0, 0));
    // Months later the unit still stands where it stood: it did not arrive.
    AddUnit(AddLoc(doc, kApr, near), 20, "Patient", 5);
    // A hex known only from a neighbour's exits is explored when first seen in full.
    AddLoc(doc, kApr, partial, TerrainType::Forest, "Wood");
    EXPECT_EQ(Lines(TurnChanges(doc, kApr)), (Strings{"8,4,0 explored forest in Wood"}));
    // A month no report saw changes nothing, though the map shows it.
    EXPECT_TRUE(TurnChanges(doc, kMar).empty());
}

TEST(TurnChanges, OrderedByLevelRowColumnKindText) {
    VexlorDoc doc;
    doc.SetFaction(3);
    for (AtlCoord c : {AtlCoord(1, 1, 1), AtlCoord(3, 1), AtlCoord(0, 2), AtlCoord(2, 0)}) {
        AddLoc(doc, kJan, c);
        LocationNode& now = AddLoc(doc, kFeb, c);
        AddUnit(now, 2, "Bee", 3);
        AddUnit(now, 1, "Zed", 3);
    }
    const std::vector<TurnChange> changes = TurnChanges(doc, kFeb);
    EXPECT_EQ(Lines(changes),
              (Strings{"2,0,0 arrived Bee (2)", "2,0,0 arrived Zed (1)", "3,1,0 arrived Bee (2)",
                       "3,1,0 arrived Zed (1)", "0,2,0 arrived Bee (2)", "0,2,0 arrived Zed (1)",
                       "1,1,1 arrived Bee (2)", "1,1,1 arrived Zed (1)"}));
    EXPECT_EQ(ChangedHexes(changes), (std::vector<AtlCoord>{AtlCoord(2, 0), AtlCoord(3, 1),
                                                            AtlCoord(0, 2), AtlCoord(1, 1, 1)}));
}

// What a plain walk over every source's reports says: a hex seen in month changed against
// the newest earlier month any source saw it in full; the units of a month are those of every
// source's sighting of it.
struct Expected {
    std::set<AtlCoord> explored;
    std::set<std::pair<AtlCoord, int>> arrived, left;
};

Expected Walk(const VexlorDoc& doc, AtlDate month) {
    std::vector<const VexlorDoc*> sources{&doc};
    for (const auto& ally : doc.Extras().allies.All())
        sources.push_back(ally->doc.get());
    // hex -> month -> units seen (a month seen in full by no source is not there)
    std::map<AtlCoord, std::map<int, std::set<int>>> seen;
    std::map<std::pair<AtlCoord, int>, std::string> names;
    for (const VexlorDoc* source : sources)
        for (const TurnNode& turn : source->Turns())
            for (const LocationNode& loc : turn.Locations()) {
                if (loc.IsPartial() || turn.date > month) continue;
                std::set<int>& units = seen[loc.coord][turn.date.Value()];
                for (const UnitNode& unit : loc.units)
                    units.insert(unit.number);
            }
    Expected expected;
    for (const auto& [coord, months] : seen) {
        auto now = months.find(month.Value());
        if (now == months.end()) continue;
        if (now == months.begin()) {
            expected.explored.insert(coord);
            continue;
        }
        const std::set<int>& before = std::prev(now)->second;
        for (int unit : now->second)
            if (!before.count(unit)) expected.arrived.insert({coord, unit});
        for (int unit : before)
            if (!now->second.count(unit)) expected.left.insert({coord, unit});
    }
    return expected;
}

// The unit number of a change's text "Name (number)".
int UnitNumber(const std::string& text) {
    return std::stoi(text.substr(text.rfind('(') + 1));
}

void ExpectEveryMonthAsTheReportsSay(const VexlorDoc& doc, int least) {
    int explored = 0, moves = 0;
    for (AtlDate month : doc.KnownMonths()) {
        Expected got;
        for (const TurnChange& c : TurnChanges(doc, month)) {
            if (c.kind == ChangeKind::Explored) got.explored.insert(c.coord);
            if (c.kind == ChangeKind::Arrived) got.arrived.insert({c.coord, UnitNumber(c.text)});
            if (c.kind == ChangeKind::Left) got.left.insert({c.coord, UnitNumber(c.text)});
        }
        const Expected want = Walk(doc, month);
        SCOPED_TRACE(month.GetString().Get());
        EXPECT_EQ(got.explored, want.explored);
        EXPECT_EQ(got.arrived, want.arrived);
        EXPECT_EQ(got.left, want.left);
        explored += static_cast<int>(got.explored.size());
        moves += static_cast<int>(got.arrived.size() + got.left.size());
    }
    // The game's units moved and its factions explored: a walk that found nothing proves
    // nothing.
    EXPECT_GE(explored, least);
    EXPECT_GE(moves, least);
}

const std::string kGame = std::string(VEXLOR_REPORTS_DIR) + "/head-standard";

TEST(TurnChanges, EveryMonthOfARealGameAsItsReportsSay) {
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, ReportSeries(kGame, 3, 8)), "");
    ExpectEveryMonthAsTheReportsSay(doc, 5);

    // February: the ship was built where the shipwrights stand, and the city that the nexus's
    // exits named is seen in full for the first time.
    const Strings feb = Lines(TurnChanges(doc, kFeb));
    EXPECT_NE(std::find(feb.begin(), feb.end(), "16,6,0 built Ship [100]"), feb.end());
    EXPECT_NE(std::find(feb.begin(), feb.end(), "0,32,0 explored jungle in Erisort"), feb.end());
    for (const std::string& line : feb)
        EXPECT_EQ(line.find("Shipwrights (360)"), std::string::npos) << line;
}

TEST(TurnChanges, AlliesSightingsCountWithTheirSource) {
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, ReportSeries(kGame, 3, 8)), "");
    ASSERT_EQ(AddAllyReports(doc, 4, "Blue Herons", ReportSeries(kGame, 4, 8)), "");
    ASSERT_EQ(AddAllyReports(doc, 5, "Green Oaks", ReportSeries(kGame, 5, 8)), "");
    ExpectEveryMonthAsTheReportsSay(doc, 10);
}

// Comparing two months reads the sightings of those months' hexes, never every turn's.
TEST(TurnChanges, AnOpenedMapMakesOnlyTheComparedMonthsLocations) {
    VexlorDoc made;
    made.SetFaction(3);
    for (int t = 0; t < 12; ++t) {
        AddLoc(made, AtlDate(t), AtlCoord(0, 0));
        AddUnit(AddLoc(made, AtlDate(t), AtlCoord(2, 0)), 100 + t % 2, "Walker", 3);
    }
    TempFolder folder("turnchanges");
    const std::string path = (folder.path / "game.atl").string();
    ASSERT_EQ(SaveDocFile(made, path.c_str()), DocSaved);
    VexlorDoc doc;
    ASSERT_EQ(OpenDocFile(doc, path.c_str()), DocRead);
    ASSERT_TRUE(doc.FirstTurn()->IsKept());

    EXPECT_EQ(Lines(TurnChanges(doc, AtlDate(11))),
              (Strings{"2,0,0 arrived Walker (101)", "2,0,0 left Walker (100)"}));
    for (const TurnNode& turn : doc.Turns())
        EXPECT_EQ(turn.IsKept(), turn.date < AtlDate(10)) << turn.date.GetString().Get();
}

} // namespace
