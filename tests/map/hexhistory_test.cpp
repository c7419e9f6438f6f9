// A hex's history against what the real reports say of it, month by month, with the allies'
// sightings, and read from a file without making any turn's objects.
#include "base/wstream.h"
#include "map/hexhistory.h"
#include "model/docfile.h"
#include "model/turn.h"
#include "tests/support/docbuild.h"
#include "tests/support/reportdoc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kReports = VEXLOR_REPORTS_DIR;

// Scirin, a city whose peasants shrink and whose grain price rises, seen by faction 3 from
// March, Year 1 on.
const AtlCoord kScirin(13, 11, 0);

void ReadBack(VexlorDoc& doc, VexlorDoc& read) {
    omwstream out;
    ASSERT_EQ(WriteDocFile(out, doc), 0);
    const auto& bytes = out.Bytes();
    ASSERT_EQ(ReadDocFile(KeptBytes::Copy(bytes.data(), bytes.size()), read), DocRead);
}

const HexFieldChange* FindChange(const HexSightingRecord& row, HexField field,
                                 const char* name = "") {
    for (const HexFieldChange& change : row.changes)
        if (change.field == field && change.name == name) return &change;
    return nullptr;
}

std::vector<std::string> Lines(const std::vector<HexSightingRecord>& rows) {
    std::vector<std::string> lines;
    for (const HexSightingRecord& row : rows) {
        std::string line = row.date.GetString().Get() + std::string(" ") +
                           std::to_string(row.source) + " " + row.terrain.Get() + " " +
                           row.town.Get() + " " + std::to_string(row.peasants) + " " +
                           std::to_string(row.taxes) + " " + row.wages.Get();
        for (const HexFieldChange& c : row.changes)
            line += std::string(" | ") + c.name.Get() + ":" + c.before.Get() + ">" + c.after.Get();
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(HexHistory, TownOverTheMonthsAsTheReportsSay) {
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, ReportSeries(kReports + "/head-neworigins", 3, 9)), "");
    std::vector<HexSightingRecord> rows = HexHistory(doc, kScirin);
    ASSERT_EQ(rows.size(), 7u);
    const int peasants[] = {11122, 11119, 11116, 11113, 11110, 11107, 11104};
    const int taxes[] = {11344, 11341, 11338, 11335, 11332, 11329, 11326};
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].date, AtlDate(2 + static_cast<int>(i), 1)); // March, Year 1 on
        EXPECT_EQ(rows[i].source, 3);
        EXPECT_EQ(rows[i].terrain, "plain");
        EXPECT_EQ(rows[i].town, "Scirin");
        EXPECT_EQ(rows[i].townType, "city");
        EXPECT_EQ(rows[i].peasants, peasants[i]);
        EXPECT_EQ(rows[i].taxes, taxes[i]);
        EXPECT_EQ(rows[i].wages, "15.1"); // the decimals from the turn's extras
    }
    EXPECT_TRUE(rows[0].changes.empty());
    const HexFieldChange* fewer = FindChange(rows[1], HexField::Peasants);
    ASSERT_TRUE(fewer);
    EXPECT_EQ(fewer->before, "11122");
    EXPECT_EQ(fewer->after, "11119");
    ASSERT_TRUE(FindChange(rows[1], HexField::Taxes));
    EXPECT_FALSE(FindChange(rows[1], HexField::Wages));
    EXPECT_FALSE(FindChange(rows[1], HexField::Town));
    // "Wanted: 154 grain [GRAI] at $20" in March, "$21" in April.
    const HexFieldChange* grain = FindChange(rows[1], HexField::Wanted, "grain");
    ASSERT_TRUE(grain);
    EXPECT_EQ(grain->before, "154 grain at $20");
    EXPECT_EQ(grain->after, "154 grain at $21");
    bool tradesGrain = false;
    for (const MarketPrice& p : rows[1].wanted)
        tradesGrain |= p.item == "grain" && p.price == 21;
    EXPECT_TRUE(tradesGrain);
}

TEST(HexHistory, UnitsByFactionAndBuildingsChangeAndExitsAreNoSightings) {
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, ReportSeries(kReports + "/head-standard", 3, 8)), "");
    // January saw Verdorf only from a neighbour's exits.
    std::vector<HexSightingRecord> rows = HexHistory(doc, AtlCoord(0, 32, 0));
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].date, AtlDate(1, 1));
    EXPECT_EQ(rows[0].units, 4);
    EXPECT_EQ(rows[0].buildings, 0);

    // March: four more units of each player faction came, and a tower was built.
    const HexSightingRecord& march = rows[1];
    EXPECT_EQ(march.units, 12);
    EXPECT_EQ(march.buildings, 1);
    const HexFieldChange* tower = FindChange(march, HexField::Building, "Building [1]");
    ASSERT_TRUE(tower);
    EXPECT_EQ(tower->before, "");
    EXPECT_EQ(tower->after, "Tower."); // the text after the " : "
    for (const char* faction : {"3", "5"}) {
        const HexFieldChange* units = FindChange(march, HexField::Units, faction);
        ASSERT_TRUE(units) << faction;
        EXPECT_EQ(units->before, "1");
        EXPECT_EQ(units->after, "5");
    }
    EXPECT_FALSE(FindChange(march, HexField::Units, "1")); // the city's guards stayed
    // April: three of each left again.
    const HexFieldChange* left = FindChange(rows[2], HexField::Units, "3");
    ASSERT_TRUE(left);
    EXPECT_EQ(left->after, "2");

    EXPECT_TRUE(HexHistory(doc, AtlCoord(0, 34, 0)).empty()); // only ever seen from the exits
    EXPECT_TRUE(HexHistory(doc, AtlCoord(2, 2, 0)).empty());  // never seen at all
}

TEST(HexHistory, AnAllysSightingsCountWithTheirSource) {
    VexlorDoc doc;
    const std::string game = kReports + "/head-standard";
    ASSERT_EQ(AddReports(doc, ReportSeries(game, 3, 8)), "");
    ASSERT_EQ(AddAllyReports(doc, 5, "Green Oaks", ReportSeries(game, 5, 8)), "");
    std::vector<HexSightingRecord> rows = HexHistory(doc, AtlCoord(0, 32, 0));
    // Both saw Verdorf from February to August: each month the own sighting first.
    ASSERT_EQ(rows.size(), 14u);
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].date, AtlDate(1 + static_cast<int>(i / 2), 1));
        EXPECT_EQ(rows[i].source, i % 2 ? 5 : 3);
    }
    // Green Oaks saw the same four units in February as Red Wolves did.
    EXPECT_EQ(rows[1].units, 4);
    EXPECT_FALSE(FindChange(rows[1], HexField::Units, "3"));
}

TEST(HexHistory, ReadFromAFileNoTurnMakesItsObjects) {
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, ReportSeries(kReports + "/head-neworigins", 3, 9)), "");
    VexlorDoc read;
    ReadBack(doc, read);
    for (const TurnNode& turn : read.Turns())
        ASSERT_TRUE(turn.IsKept());

    for (const AtlCoord& c : {kScirin, AtlCoord(12, 4, 0), AtlCoord(56, 18, 0)}) {
        const std::vector<std::string> made = Lines(HexHistory(doc, c));
        EXPECT_EQ(Lines(HexHistory(read, c)), made);
    }
    // A history that made whole turns, or read their extras, would leave them unkept.
    for (const TurnNode& turn : read.Turns())
        EXPECT_TRUE(turn.IsKept()) << turn.date.GetString().Get();

    // One location read alone is the one the turn holds at that place.
    const TurnNode& last = *read.LastTurn();
    LocationNode scratch;
    const LocationNode* alone = last.LocationAtOnce(1, scratch);
    ASSERT_EQ(alone, &scratch);
    EXPECT_EQ(alone->coord, doc.LastTurn()->LocationAt(1)->coord);
    EXPECT_EQ(last.LocationAtOnce(last.LocationCount(), scratch), nullptr);
}

TEST(HexHistory, DiffNamesWhatAppearedVanishedAndChanged) {
    VexlorDoc doc;
    LocationNode& before = AddLoc(doc, AtlDate(1, 1), AtlCoord(2, 2, 0));
    LocationNode& after = AddLoc(doc, AtlDate(2, 1), AtlCoord(2, 2, 0));
    before.townName = "Verdorf";
    before.townType = "town";
    after.townName = "Verdorf";
    after.townType = "city";
    before.products.Add(new ItemNode(40, "livestock", "LIVE"));
    after.products.Add(new ItemNode(20, "horses", "HORS"));
    after.forSale.Add(new ItemPriceNode(-1, "iron", "IRON", 75));
    AddBuilding(before, 1, "Tower", "Tower");
    AddBuilding(after, 2, "Ship", "Longship");
    AddUnit(before, 10, "Scout", 3);
    AddUnit(after, 10, "Scout", 3);
    AddUnit(after, 11, "Stranger", 7);

    std::vector<HexFieldChange> changes = DiffSightings(before, "15", after, "15.1");
    const std::vector<HexFieldChange> expected = {
        {HexField::Town, "", "Verdorf [town]", "Verdorf [city]"},
        {HexField::Wages, "", "15", "15.1"},
        {HexField::Product, "livestock", "40 livestock", ""},
        {HexField::Product, "horses", "", "20 horses"},
        {HexField::ForSale, "iron", "", "unlimited iron at $75"},
        {HexField::Building, "Tower [1]", "Tower", ""},
        {HexField::Building, "Ship [2]", "", "Longship"},
        {HexField::Units, "7", "", "1"},
    };
    EXPECT_EQ(changes, expected);
    EXPECT_TRUE(DiffSightings(after, "15.1", after, "15.1").empty());
}
