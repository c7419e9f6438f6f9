// The units of a month, on the real report sequences: each last turn's list against the unit
// lines of its report, and the rows as the panel copies and saves them.
#include "base/messagetext.h"
#include "map/factionlist.h"
#include "map/unitlist.h"
#include "model/docfile.h"
#include "model/people.h"
#include "tests/support/docbuild.h"
#include "tests/support/numberedrows.h"
#include "tests/support/reportdoc.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kReports = VEXLOR_REPORTS_DIR;

struct UnitLine {
    bool own;
    int32_t number;
};

// The unit lines of a report as a reader with nothing but the text finds them: "* Name (12)"
// for the player's, "- Name (12)" for the others, indented inside buildings.
std::vector<UnitLine> UnitLinesOf(const std::string& path) {
    std::ifstream in(path);
    const std::regex unit(R"(^ *([-*]) [^(]*\((\d+)\))");
    std::vector<UnitLine> lines;
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (std::regex_search(line, m, unit)) lines.push_back({m[1] == "*", std::stoi(m[2])});
    }
    return lines;
}

struct Sequence {
    const char* folder;
    int faction;
    int last;
};

// Every faction's whole sequence of every game of real reports.
const Sequence kSequences[] = {
    {"v404-standard", 3, 8},           {"v404-standard", 4, 8},
    {"v404-standard", 5, 8},           {"v410-standard", 3, 8},
    {"v410-standard", 4, 8},           {"v410-standard", 5, 8},
    {"head-standard", 3, 8},           {"head-standard", 4, 8},
    {"head-standard", 5, 8},           {"head-neworigins", 3, 9},
    {"head-neworigins", 4, 9},         {"head-neworigins", 5, 9},
    {"repo-snapshot-standard", 3, 14}, {"repo-snapshot-neworigins", 3, 14},
};

// The last turn's list holds the report's unit lines, in the report's order (regions by level,
// y, x; in a region the units outside buildings, then each building's): the own ones alone,
// and with all every one.
TEST(ListUnits, LastTurnOfEachRealSequenceHoldsItsReportsUnitLines) {
    for (const Sequence& s : kSequences) {
        SCOPED_TRACE(std::string(s.folder) + " faction " + std::to_string(s.faction));
        VexlorDoc doc;
        const std::vector<std::string> paths =
            ReportSeries(kReports + "/" + s.folder, s.faction, s.last);
        ASSERT_EQ(AddReports(doc, paths), "");
        std::vector<int32_t> own, every;
        for (const UnitLine& line : UnitLinesOf(paths.back())) {
            if (line.own) own.push_back(line.number);
            every.push_back(line.number);
        }
        ASSERT_FALSE(own.empty());
        const AtlDate last = doc.LastTurn()->date;
        const std::vector<UnitRow> mine = ListUnits(doc, last, false);
        EXPECT_EQ(Numbers(mine), own);
        EXPECT_EQ(Numbers(ListUnits(doc, last, true)), every);
        for (const UnitRow& row : mine) {
            EXPECT_TRUE(row.own && !row.ally && row.faction == s.faction) << row.number;
            EXPECT_GT(row.men, 0) << row.number; // every unit is made of people
            EXPECT_EQ(row.source, s.faction);
        }
        // An earlier month lists that month's units, not the last one's: the same units, in map
        // order, where the report puts the nexus first.
        const std::vector<UnitRow> first = ListUnits(doc, doc.FirstTurn()->date, false);
        std::vector<int32_t> firstOwn;
        for (const UnitLine& line : UnitLinesOf(paths.front()))
            if (line.own) firstOwn.push_back(line.number);
        std::vector<int32_t> listed = Numbers(first);
        std::sort(listed.begin(), listed.end());
        std::sort(firstOwn.begin(), firstOwn.end());
        EXPECT_EQ(listed, firstOwn);
        EXPECT_TRUE(std::is_sorted(first.begin(), first.end(),
                                   [](const auto& a, const auto& b) { return a.coord < b.coord; }));
    }
}

// Chosen units of the head-standard game's last turn of faction 3, each column as its report
// line and details say, as the panel shows it (every column's cell, tab-separated).
TEST(ListUnits, RowsSayWhatTheReportSays) {
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, ReportSeries(kReports + "/head-standard", 3, 8)), "");
    const std::vector<UnitRow> all = ListUnits(doc, doc.LastTurn()->date, true);
    struct Expected {
        int32_t number;
        const char* cells; // number, name, faction, hex, level, men, silver, items, skills,
                           // weight, capacity, flags, building or ship
        int32_t men;
        const char* items;
    };
    const Expected units[] = {
        // "* Shipwrights (360), Red Wolves (3), won't cross water, 2 leaders [LEAD], 9 wood
        // [WOOD], 105 silver [SILV]. Weight: 65. Capacity: 0/0/30/0. Skills: shipbuilding
        // [SHIP] 2 (90), sailing [SAIL] 2 (90)." aboard "+ Ship [100] : Longship" at (13,1).
        {360,
         "360\tShipwrights\tRed Wolves (3)\t13,1,0\tsurface\t2 LEAD\t105\t9 WOOD\tSHIP 2, "
         "SAIL 2\t65\t0/0/30/0\twon't cross water\tShip [100]",
         2, "2 LEAD, 9 WOOD, 105 SILV"},
        // Flags in the report's order, the building, a race only the engine's names tell.
        {358,
         "358\tCaptain\tRed Wolves (3)\t0,32,0\tsurface\t1 LEAD\t876\t2 IRON\tPATT 1, SPIR 1, "
         "GATE 1, COMB 1\t20\t0/0/15/0\tavoiding, behind, revealing faction, won't cross "
         "water\tBuilding [1]",
         1, "1 LEAD, 2 IRON, 876 SILV"},
        // "Skills: none.", outside any building.
        {404,
         "404\tGuards\tRed Wolves (3)\t0,32,0\tsurface\t4 WELF\t374\t4 SWOR\t\t44\t0/0/60/0\t"
         "revealing faction, won't cross water\t",
         4, "4 WELF, 4 SWOR, 374 SILV"},
        // Another faction's unit: no skills, weight or capacity; the faction its report named.
        {47,
         "47\tCity Guard\tThe Guardsmen (1)\t0,32,0\tsurface\t500 LEAD\t0\t500 SWOR, 500 "
         "PARM\t\t\t\ton guard\t",
         500, "500 LEAD, 500 SWOR, 500 PARM"},
    };
    for (const Expected& expected : units) {
        SCOPED_TRACE(expected.number);
        const UnitRow* row = Find(all, expected.number);
        ASSERT_TRUE(row);
        EXPECT_EQ(UnitRowsTabbed({*row}, kUnitColumns, false).View(),
                  std::string(expected.cells) + "\n");
        EXPECT_EQ(row->men, expected.men);
        EXPECT_EQ(row->items, expected.items);
        EXPECT_EQ(row->own, row->faction == 3);
        EXPECT_FALSE(row->ally);
    }
}

// With the other two factions of the game held as allies, their units belong in the list with
// their faction, each with what its owner's report says, and hexes only an ally saw this month
// add theirs.
TEST(ListUnits, AlliedUnitsWithTheirFactionAndTheirOwnReportsDetails) {
    const std::string game = kReports + "/head-standard";
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, ReportSeries(game, 3, 8)), "");
    ASSERT_EQ(AddAllyReports(doc, 4, "Blue Herons", ReportSeries(game, 4, 8)), "");
    ASSERT_EQ(AddAllyReports(doc, 5, "Green Oaks", ReportSeries(game, 5, 8)), "");
    const std::vector<UnitRow> rows = ListUnits(doc, doc.LastTurn()->date, false);

    size_t own = 0, allied = 0;
    for (const UnitRow& row : rows) {
        EXPECT_TRUE(row.own != row.ally) << row.number;
        EXPECT_NE(row.faction, 1) << "no city guard without all";
        own += row.own;
        allied += row.ally;
    }
    EXPECT_EQ(own, 6u);
    std::vector<int32_t> alliedLines;
    for (int faction : {4, 5})
        for (const UnitLine& line :
             UnitLinesOf(game + "/" + std::to_string(faction) + "-turn8.rep"))
            if (line.own) alliedLines.push_back(line.number);
    EXPECT_EQ(allied, alliedLines.size());

    // Captain (362) of Green Oaks stands in Verdorf where faction 3 saw it without details;
    // it is taken from its owner's report, which tells its skills.
    const UnitRow* captain = Find(rows, 362);
    ASSERT_TRUE(captain);
    EXPECT_TRUE(captain->ally);
    EXPECT_EQ(captain->faction, 5);
    EXPECT_EQ(captain->factionName, "Green Oaks");
    EXPECT_EQ(captain->source, 5);
    EXPECT_EQ(captain->coord, AtlCoord(0, 32, 0));
    EXPECT_NE(captain->weight, -1);
    // Each unit once, though two reports saw it.
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                            [](const UnitRow& row) { return row.number == 362; }),
              1);
}

// A document opened from its file keeps its turns as the file's bytes: the lists of a month
// read what that month's turn kept and no other turn's, not even the locations of the hexes
// last seen earlier, which tell nothing of where units are now.
TEST(ListUnits, ReadsOnlyTheMonthsTurnOfADocumentOpenedFromItsFile) {
    TempFolder folder("unitlist");
    const std::string path = (folder.path / "red.atl").string();
    VexlorDoc made;
    ASSERT_EQ(AddReports(made, ReportSeries(kReports + "/head-standard", 3, 8)), "");
    ASSERT_EQ(SaveDocFile(made, path.c_str()), DocSaved);
    VexlorDoc doc;
    ASSERT_EQ(OpenDocFile(doc, path.c_str()), DocRead);
    const TurnNode* june = doc.FirstTurn()->Next()->Next()->Next()->Next()->Next();
    ASSERT_EQ(june->date, AtlDate(5, 1));
    const std::vector<UnitRow> rows = ListUnits(doc, june->date, true);
    ASSERT_FALSE(rows.empty());
    EXPECT_NE(rows.front().weight, -1); // the month's details were read
    // The file keeps what the reports said, the flag words the records cannot say included.
    EXPECT_EQ(UnitRowsTabbed(rows, kUnitColumns, false),
              UnitRowsTabbed(ListUnits(made, june->date, true), kUnitColumns, false));
    EXPECT_FALSE(ListFactions(doc, june->date).empty());
    EXPECT_FALSE(FactionHexes(doc, june->date, 3).empty());
    for (const TurnNode& turn : doc.Turns())
        if (&turn != june) EXPECT_TRUE(turn.IsKept()) << turn.date.GetString().Get();
}

// What is people: the reports' own descriptions first, the engine's names for the rest.
TEST(PeopleItems, DescriptionsDecideAndTheEngineNamesTheRest) {
    References refs;
    refs.Learn({ReferenceKind::Item, "leader", "LEAD", 0, AtlDate(1),
                "leader [LEAD], weight 10, walking capacity 5. This race may study all "
                "skills to level 5."});
    refs.Learn({ReferenceKind::Item, "gnome", "GNOM", 0, AtlDate(1),
                "gnome [GNOM], weight 5. Gnomes are a monster here."});
    refs.Learn({ReferenceKind::Item, "merfolk", "MERF", 0, AtlDate(1),
                "merfolk [MERF], weight 10. This race may study fishing [FISH]."});
    const PeopleItems people(&refs);
    EXPECT_TRUE(people.IsPeople("LEAD"));
    EXPECT_TRUE(people.IsPeople("lead"));
    EXPECT_FALSE(people.IsPeople("GNOM")); // the report says otherwise than the engine
    EXPECT_TRUE(people.IsPeople("MERF"));  // a race the engine list lacks
    EXPECT_TRUE(people.IsPeople("HELF"));  // never described: the engine's
    EXPECT_FALSE(people.IsPeople("SWOR"));
    EXPECT_FALSE(people.IsPeople("SILV"));
    EXPECT_TRUE(PeopleItems().IsPeople("GNOM"));
}

// Every race item the real reports describe is one of the engine's, so that a map without
// those descriptions counts the same men.
TEST(PeopleItems, EngineNamesCoverTheRealReportsRaces) {
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, ReportSeries(kReports + "/head-neworigins", 3, 9)), "");
    ASSERT_EQ(AddReports(doc, ReportSeries(kReports + "/head-standard", 3, 8)), "");
    int races = 0;
    for (const Reference& ref : doc.Extras().references.All())
        if (ref.kind == ReferenceKind::Item) {
            const bool race = ref.text.View().find("This race") != std::string_view::npos;
            EXPECT_EQ(IsEngineRace(ref.abbr.View()), race) << ref.abbr.Get();
            races += race;
        }
    EXPECT_GE(races, 3);
}

std::vector<UnitRow> TypedRows() {
    VexlorDoc doc;
    doc.SetFaction(3);
    const AtlDate month(5);
    doc.RegisterTurn(month)->factions.Register(3, "Red, \"the\" Wolves");
    LocationNode& loc = AddLoc(doc, month, AtlCoord(2, 4, 1));
    UnitNode& scouts = AddUnit(loc, 12, "Scouts, \"fast\"", 3, UnitNode::Behind);
    scouts.items.Add(new ItemNode(2, "leaders", "LEAD"));
    scouts.items.Add(new ItemNode(30, "silver", "SILV"));
    AddUnit(loc, 7, "Ab\tName", 3);
    AddUnit(loc, 9, "plain", 3).items.Add(new ItemNode(1, "horse", "HORS"));
    return ListUnits(doc, month, false);
}

// CSV as RFC 4180 has it and the tab-separated text the clipboard takes.
TEST(UnitRows, CsvQuotesAndTabbedTextKeepsOneLinePerRow) {
    const std::vector<UnitRow> rows = TypedRows();
    ASSERT_EQ(rows.size(), 3u);
    const UnitColumn columns[] = {UnitColumn::Number, UnitColumn::Name,   UnitColumn::Faction,
                                  UnitColumn::Hex,    UnitColumn::Level,  UnitColumn::Men,
                                  UnitColumn::Silver, UnitColumn::Weight, UnitColumn::Flags};
    EXPECT_EQ(UnitRowsCsv(rows, columns, true).View(),
              "Number,Name,Faction,Hex,Level,Men,Silver,Weight,Flags\r\n"
              "12,\"Scouts, \"\"fast\"\"\",\"Red, \"\"the\"\" Wolves (3)\",\"2,4,1\",underworld,2 "
              "LEAD,30,,behind\r\n"
              "7,Ab\tName,\"Red, \"\"the\"\" Wolves (3)\",\"2,4,1\",underworld,,0,,\r\n"
              "9,plain,\"Red, \"\"the\"\" Wolves (3)\",\"2,4,1\",underworld,,0,,\r\n");
    EXPECT_EQ(UnitRowsTabbed(rows, std::span(columns, 3), false).View(),
              "12\tScouts, \"fast\"\tRed, \"the\" Wolves (3)\n"
              "7\tAb Name\tRed, \"the\" Wolves (3)\n"
              "9\tplain\tRed, \"the\" Wolves (3)\n");
}

// Numbers sort as numbers (12 after 9, not as text), texts in dictionary order with case aside
// ("plain" between "Ab" and "Scouts"), rows that tie keep their order, an empty text comes
// first, and descending is the reverse. Each sort starts from the order the one before left.
TEST(UnitRows, SortByAnyColumn) {
    const struct {
        UnitColumn column;
        bool ascending;
        std::vector<int32_t> numbers;
    } sorts[] = {
        {UnitColumn::Number, true, {7, 9, 12}},  {UnitColumn::Number, false, {12, 9, 7}},
        {UnitColumn::Name, true, {7, 9, 12}},    {UnitColumn::Name, false, {12, 9, 7}},
        {UnitColumn::Silver, false, {12, 9, 7}}, {UnitColumn::Silver, true, {9, 7, 12}},
        {UnitColumn::Items, true, {7, 12, 9}},   {UnitColumn::Men, true, {7, 9, 12}},
    };
    std::vector<UnitRow> rows = TypedRows();
    for (const auto& sort : sorts) {
        SortUnitRows(rows, sort.column, sort.ascending);
        EXPECT_EQ(Numbers(rows), sort.numbers)
            << EnglishMessage(UnitColumnHeading(sort.column)) << (sort.ascending ? " up" : " down");
    }
}

} // namespace
