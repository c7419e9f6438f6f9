// The units of a month, on the real report sequences: each last turn's list against the unit
// lines of its report, and the rows as the panel copies and saves them.
#include "map/unitlist.h"
#include "model/docfile.h"
#include "model/people.h"
#include "tests/support/docbuild.h"
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

std::vector<int32_t> Numbers(const std::vector<UnitRow>& rows) {
    std::vector<int32_t> numbers;
    for (const UnitRow& row : rows)
        numbers.push_back(row.number);
    return numbers;
}

const UnitRow* Find(const std::vector<UnitRow>& rows, int32_t number) {
    for (const UnitRow& row : rows)
        if (row.number == number) return &row;
    return nullptr;
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
// line and details say.
TEST(ListUnits, RowsSayWhatTheReportSays) {
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, ReportSeries(kReports + "/head-standard", 3, 8)), "");
    const std::vector<UnitRow> all = ListUnits(doc, doc.LastTurn()->date, true);

    // "* Shipwrights (360), Red Wolves (3), won't cross water, 2 leaders [LEAD], 9 wood [WOOD],
    // 105 silver [SILV]. Weight: 65. Capacity: 0/0/30/0. Skills: shipbuilding [SHIP] 2 (90),
    // sailing [SAIL] 2 (90)." aboard "+ Ship [100] : Longship" in the ocean (13,1).
    const UnitRow* shipwrights = Find(all, 360);
    ASSERT_TRUE(shipwrights);
    EXPECT_EQ(shipwrights->coord, AtlCoord(13, 1, 0));
    EXPECT_EQ(shipwrights->level, "surface");
    EXPECT_EQ(shipwrights->name, "Shipwrights");
    EXPECT_EQ(shipwrights->faction, 3);
    EXPECT_EQ(shipwrights->factionName, "Red Wolves");
    EXPECT_EQ(shipwrights->men, 2);
    EXPECT_EQ(shipwrights->menText, "2 LEAD");
    EXPECT_EQ(shipwrights->silver, 105);
    EXPECT_EQ(shipwrights->otherItems, "9 WOOD");
    EXPECT_EQ(shipwrights->items, "2 LEAD, 9 WOOD, 105 SILV");
    EXPECT_EQ(shipwrights->skills, "SHIP 2, SAIL 2");
    EXPECT_EQ(shipwrights->weight, 65);
    EXPECT_EQ(shipwrights->capacity, "0/0/30/0");
    EXPECT_EQ(shipwrights->flags, "");
    EXPECT_EQ(shipwrights->structure, "Ship [100]");

    // Flags in the report's order, the building, a race only the engine's names tell.
    const UnitRow* captain = Find(all, 358);
    ASSERT_TRUE(captain);
    EXPECT_EQ(captain->flags, "avoiding, behind, revealing faction");
    EXPECT_EQ(captain->structure, "Building [1]");
    EXPECT_EQ(captain->menText, "1 LEAD");
    EXPECT_EQ(captain->otherItems, "2 IRON");
    EXPECT_EQ(captain->skills, "PATT 1, SPIR 1, GATE 1, COMB 1");
    const UnitRow* guards = Find(all, 404);
    ASSERT_TRUE(guards);
    EXPECT_EQ(guards->menText, "4 WELF");
    EXPECT_EQ(guards->otherItems, "4 SWOR");
    EXPECT_EQ(guards->skills, ""); // "Skills: none."
    EXPECT_EQ(guards->structure, "");

    // Another faction's units: no skills, weight or capacity; a faction the report named.
    const UnitRow* cityGuard = Find(all, 47);
    ASSERT_TRUE(cityGuard);
    EXPECT_FALSE(cityGuard->own || cityGuard->ally);
    EXPECT_EQ(cityGuard->factionName, "The Guardsmen");
    EXPECT_EQ(cityGuard->flags, "on guard");
    EXPECT_EQ(cityGuard->men, 500);
    EXPECT_EQ(cityGuard->otherItems, "500 SWOR, 500 PARM");
    EXPECT_EQ(cityGuard->skills, "");
    EXPECT_EQ(cityGuard->weight, -1);
    EXPECT_EQ(cityGuard->capacity, "");
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

// A document opened from its file keeps its turns as the file's bytes: the list of a month
// reads what that month's turn kept of its units and no other turn's, and a later month's
// locations not at all.
TEST(ListUnits, ReadsOnlyTheMonthsTurnOfADocumentOpenedFromItsFile) {
    TempFolder folder("unitlist");
    const std::string path = (folder.path / "red.atl").string();
    {
        VexlorDoc made;
        ASSERT_EQ(AddReports(made, ReportSeries(kReports + "/head-standard", 3, 8)), "");
        ASSERT_EQ(SaveDocFile(made, path.c_str()), DocSaved);
    }
    VexlorDoc doc;
    ASSERT_EQ(OpenDocFile(doc, path.c_str()), DocRead);
    const TurnNode* june = doc.FirstTurn()->Next()->Next()->Next()->Next()->Next();
    ASSERT_EQ(june->date, AtlDate(5, 1));
    const std::vector<UnitRow> rows = ListUnits(doc, june->date, false);
    ASSERT_FALSE(rows.empty());
    EXPECT_NE(rows.front().weight, -1); // the month's details were read
    for (const TurnNode& turn : doc.Turns()) {
        if (&turn == june) continue;
        EXPECT_TRUE(turn.extras.IsKept()) << turn.date.GetString().Get();
        if (turn.date > june->date) EXPECT_TRUE(turn.IsKept()) << turn.date.GetString().Get();
    }
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
    AddUnit(loc, 7, "Tab\tName", 3);
    AddUnit(loc, 9, "Plain", 3).items.Add(new ItemNode(1, "horse", "HORS"));
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
              "7,Tab\tName,\"Red, \"\"the\"\" Wolves (3)\",\"2,4,1\",underworld,,0,,\r\n"
              "9,Plain,\"Red, \"\"the\"\" Wolves (3)\",\"2,4,1\",underworld,,0,,\r\n");
    EXPECT_EQ(UnitRowsTabbed(rows, std::span(columns, 3), false).View(),
              "12\tScouts, \"fast\"\tRed, \"the\" Wolves (3)\n"
              "7\tTab Name\tRed, \"the\" Wolves (3)\n"
              "9\tPlain\tRed, \"the\" Wolves (3)\n");
}

// Numbers sort as numbers, texts in dictionary order, ties keep their order, and descending
// is the reverse.
TEST(UnitRows, SortByAnyColumn) {
    std::vector<UnitRow> rows = TypedRows();
    SortUnitRows(rows, UnitColumn::Number, true);
    EXPECT_EQ(Numbers(rows), (std::vector<int32_t>{7, 9, 12})); // 12 after 9, not as text
    SortUnitRows(rows, UnitColumn::Number, false);
    EXPECT_EQ(Numbers(rows), (std::vector<int32_t>{12, 9, 7}));
    SortUnitRows(rows, UnitColumn::Name, true);
    EXPECT_EQ(Numbers(rows), (std::vector<int32_t>{9, 12, 7}));
    SortUnitRows(rows, UnitColumn::Silver, false);
    EXPECT_EQ(Numbers(rows), (std::vector<int32_t>{12, 9, 7})); // 9 and 7 tie: kept
    SortUnitRows(rows, UnitColumn::Items, true);
    EXPECT_EQ(Numbers(rows), (std::vector<int32_t>{12, 7, 9})); // empty first
}

} // namespace
