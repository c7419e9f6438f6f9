// The factions list on the real reports of two games: which factions each report named and when,
// the attitudes the player declared, an ally's factions and units counted, and the hexes of a
// faction's units against the turns' own locations.
#include "base/wstream.h"
#include "map/factionlist.h"
#include "model/docfile.h"
#include "model/location.h"
#include "model/recordio.h"
#include "tests/support/docbuild.h"
#include "tests/support/numberedrows.h"
#include "tests/support/reportdoc.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

const std::string kReports = VEXLOR_REPORTS_DIR;
constexpr int kGuardsmen = 1, kCreatures = 2, kWolves = 3, kHerons = 4, kOaks = 5;
const AtlDate kJanuary(0, 1), kFebruary(1, 1), kApril(3, 1), kAugust(7, 1), kSeptember(8, 1);

// The hexes where the turn's own locations hold a unit of faction: what the report itself says.
std::set<AtlCoord> HexesInTurn(const TurnNode& turn, int faction) {
    std::set<AtlCoord> hexes;
    for (const LocationNode& loc : turn.Locations())
        for (const UnitNode& unit : loc.units)
            if (unit.faction.Number() == faction) hexes.insert(loc.coord);
    return hexes;
}

std::set<AtlCoord> AsSet(const std::vector<AtlCoord>& hexes) {
    return {hexes.begin(), hexes.end()};
}

class NeworiginsGame : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(AddReports(doc, ReportSeries(kReports + "/head-neworigins", kWolves, 9)), "");
    }
    VexlorDoc doc;
};

// Blue Herons' units are seen in the first two reports only; from May on the player names them
// in the declared attitudes, which count as naming them. Green Oaks are seen in the first two.
TEST_F(NeworiginsGame, FactionsWithTheMonthsTheReportsNamedThem) {
    const std::vector<FactionRow> rows = ListFactions(doc, kSeptember);
    EXPECT_EQ(Numbers(rows), (std::vector<int>{kGuardsmen, kCreatures, kWolves, kHerons, kOaks}));
    const FactionRow& herons = *Find(rows, kHerons);
    EXPECT_EQ(herons.name, "Blue Herons");
    EXPECT_EQ(herons.first, kJanuary);
    EXPECT_EQ(herons.last, kSeptember);
    const FactionRow& oaks = *Find(rows, kOaks);
    EXPECT_EQ(oaks.first, kJanuary);
    EXPECT_EQ(oaks.last, kFebruary);
    EXPECT_EQ(Find(rows, kGuardsmen)->name, "The Guardsmen");
    EXPECT_EQ(Find(rows, kCreatures)->name, "Creatures");
    EXPECT_TRUE(Find(rows, kWolves)->own);
    EXPECT_FALSE(Find(rows, kHerons)->own);
    // The months named do not depend on the month asked for.
    EXPECT_EQ(Find(ListFactions(doc, kJanuary), kOaks)->last, kFebruary);
}

// "Unfriendly : Creatures (2), Blue Herons (4)." from May on, the Creatures alone before; the
// default (Neutral) is no declaration, and the list leaves it empty.
TEST_F(NeworiginsGame, AttitudesAsTheMonthsReportDeclaresThem) {
    const std::vector<FactionRow> september = ListFactions(doc, kSeptember);
    EXPECT_EQ(Find(september, kCreatures)->attitude, "Unfriendly");
    EXPECT_EQ(Find(september, kHerons)->attitude, "Unfriendly");
    EXPECT_EQ(Find(september, kOaks)->attitude, "");
    EXPECT_EQ(Find(september, kWolves)->attitude, "");
    const std::vector<FactionRow> april = ListFactions(doc, kApril);
    EXPECT_EQ(Find(april, kCreatures)->attitude, "Unfriendly");
    EXPECT_EQ(Find(april, kHerons)->attitude, "");
    // A month no own report covers declares nothing.
    AtlDate after = kSeptember;
    after += 1;
    for (const FactionRow& row : ListFactions(doc, after))
        EXPECT_EQ(row.attitude, "") << row.number;
}

// September's report: seven own units in six hexes, two of them in one; one city guard.
TEST_F(NeworiginsGame, UnitsAndHexesOfTheMonth) {
    const std::vector<FactionRow> rows = ListFactions(doc, kSeptember);
    EXPECT_EQ(Find(rows, kWolves)->units, 7);
    EXPECT_EQ(Find(rows, kWolves)->hexes, 6);
    EXPECT_EQ(Find(rows, kGuardsmen)->units, 1);
    EXPECT_EQ(Find(rows, kGuardsmen)->hexes, 1);
    EXPECT_EQ(Find(rows, kHerons)->units, 0);
    // January: the Herons' and the Oaks' first units stand beside the player's in the nexus.
    const std::vector<FactionRow> january = ListFactions(doc, kJanuary);
    EXPECT_EQ(Find(january, kHerons)->units, 1);
    EXPECT_EQ(Find(january, kOaks)->hexes, 1);
}

TEST_F(NeworiginsGame, FactionHexesAreWhereTheTurnsUnitsStand) {
    for (const TurnNode& turn : doc.Turns())
        for (int faction : {kGuardsmen, kWolves, kHerons, kOaks})
            EXPECT_EQ(AsSet(FactionHexes(doc, turn.date, faction)), HexesInTurn(turn, faction))
                << turn.date.GetString().Get() << " faction " << faction;
    const std::vector<AtlCoord> hexes = FactionHexes(doc, kSeptember, kWolves);
    EXPECT_TRUE(std::is_sorted(hexes.begin(), hexes.end()));
    EXPECT_EQ(hexes.size(), 6u);
    EXPECT_TRUE(FactionHexes(doc, kSeptember, 999).empty());
}

// Green Oaks' own reports, held as an ally's, name the ally every month and add its units; what
// the ally declared is not the player's attitude.
TEST_F(NeworiginsGame, AnAllysFactionsAndUnitsCountWithTheirSource) {
    ASSERT_EQ(AddAllyReports(doc, kOaks, "Green Oaks",
                             ReportSeries(kReports + "/head-neworigins", kOaks, 9)),
              "");
    const std::vector<FactionRow> rows = ListFactions(doc, kSeptember);
    const FactionRow& oaks = *Find(rows, kOaks);
    EXPECT_TRUE(oaks.ally);
    EXPECT_FALSE(Find(rows, kWolves)->ally);
    EXPECT_EQ(oaks.last, kSeptember);
    EXPECT_EQ(oaks.attitude, "");
    // The ally's report says "Hostile : Red Wolves (3)."; the player's own says nothing of it.
    EXPECT_EQ(Find(rows, kWolves)->attitude, "");

    const TurnNode& allyTurn = *doc.Extras().allies.Find(kOaks)->doc->FindTurn(kSeptember);
    const std::set<AtlCoord> allyHexes = HexesInTurn(allyTurn, kOaks);
    ASSERT_FALSE(allyHexes.empty());
    EXPECT_EQ(oaks.hexes, static_cast<int>(allyHexes.size()));
    EXPECT_EQ(AsSet(FactionHexes(doc, kSeptember, kOaks)), allyHexes);
    int allyUnits = 0;
    for (const LocationNode& loc : allyTurn.Locations())
        for (const UnitNode& unit : loc.units)
            allyUnits += unit.faction.Number() == kOaks;
    EXPECT_EQ(oaks.units, allyUnits);
    // The player's own units are counted once, though the ally may see them too.
    EXPECT_EQ(Find(rows, kWolves)->units, 7);
}

// The standard game's eight reports: faction 3 turns Unfriendly towards the Blue Herons later
// on; the engine 4.0.4 names neither the city guards' faction nor monsters'.
TEST(FactionList, OlderAndNewerEnginesReports) {
    VexlorDoc head;
    ASSERT_EQ(AddReports(head, ReportSeries(kReports + "/head-standard", kWolves, 8)), "");
    const std::vector<FactionRow> rows = ListFactions(head, kAugust);
    EXPECT_EQ(Numbers(rows), (std::vector<int>{kGuardsmen, kCreatures, kWolves, kHerons, kOaks}));
    EXPECT_EQ(Find(rows, kHerons)->attitude, "Unfriendly");
    EXPECT_EQ(Find(rows, kCreatures)->attitude, "Unfriendly");

    VexlorDoc old;
    ASSERT_EQ(AddReports(old, ReportSeries(kReports + "/v404-standard", kWolves, 8)), "");
    EXPECT_EQ(Numbers(ListFactions(old, kAugust)), (std::vector<int>{kWolves, kHerons, kOaks}));
}

// A name or a number the attitudes line could misread: a name with a comma and parentheses of
// its own, and a faction that no unit line named.
TEST(FactionList, AttitudeLinesReadWhole) {
    VexlorDoc doc;
    doc.SetFaction(kWolves);
    LocationNode& loc = AddLoc(doc, kJanuary, AtlCoord(2, 2));
    AddUnit(loc, 10, "Scout", kWolves);
    TurnNode& turn = *doc.FindTurn(kJanuary);
    turn.factions.Register(kWolves, "Red Wolves");
    FactionPage& page = turn.extras.Change().faction;
    page.defaultAttitude = "Neutral";
    page.attitudes = {"Hostile : Wolves, Bears (and more) (12), Creatures (2).",
                      "Unfriendly : none.", "Ally : The (7) Knights (7)."};
    doc.Reindex();
    const std::vector<FactionRow> rows = ListFactions(doc, kJanuary);
    EXPECT_EQ(Numbers(rows), (std::vector<int>{kCreatures, kWolves, 7, 12}));
    EXPECT_EQ(Find(rows, 12)->name, "Wolves, Bears (and more)");
    EXPECT_EQ(Find(rows, 12)->attitude, "Hostile");
    EXPECT_EQ(Find(rows, 7)->name, "The (7) Knights");
    EXPECT_EQ(Find(rows, 7)->attitude, "Ally");
    EXPECT_EQ(Find(rows, kWolves)->units, 1);
}

// A map as a user opens it: every turn still its file's bytes. The list makes the objects of
// the month asked for alone, though earlier months saw hexes that month did not.
TEST(FactionList, LooksAtTheMonthAskedForAlone) {
    VexlorDoc made;
    made.SetFaction(kWolves);
    constexpr int kTurns = 30;
    for (int t = 0; t < kTurns; ++t) {
        const AtlDate date(12 + t);
        AddUnit(AddLoc(made, date, AtlCoord(0, 0)), 1, "Seer", kWolves);
        AddUnit(AddLoc(made, date, AtlCoord(2 * t, 4)), 100 + t, "Guard", kGuardsmen);
        TurnNode& turn = *made.FindTurn(date);
        turn.factions.Register(kWolves, "Red Wolves");
        turn.factions.Register(kGuardsmen, "The Guardsmen");
        turn.extras.Change().faction.attitudes = {"Friendly : Blue Herons (4)."};
    }
    omwstream out;
    ASSERT_EQ(WriteDocFile(out, made), 0);
    const std::vector<unsigned char> bytes = out.Bytes();
    VexlorDoc doc;
    ASSERT_EQ(ReadDocFile(KeptBytes::Copy(bytes.data(), bytes.size()), doc), DocRead);
    ASSERT_TRUE(doc.FirstTurn()->IsKept());

    const AtlDate last(12 + kTurns - 1);
    const std::vector<FactionRow> rows = ListFactions(doc, last);
    EXPECT_EQ(Find(rows, kGuardsmen)->hexes, 1);
    EXPECT_EQ(Find(rows, kHerons)->attitude, "Friendly");
    EXPECT_EQ(Find(rows, kHerons)->first, AtlDate(12));
    EXPECT_EQ(FactionHexes(doc, last, kGuardsmen), (std::vector<AtlCoord>{AtlCoord(58, 4)}));
    for (const TurnNode* turn = doc.FirstTurn(); turn != doc.LastTurn(); turn = turn->Next())
        EXPECT_TRUE(turn->IsKept()) << turn->date.GetString().Get();
}

} // namespace
