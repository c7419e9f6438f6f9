#pragma once

#include "base/str.h"
#include "model/atlcoord.h"
#include "model/atldate.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class VexlorDoc;

// One unit of a month as the units list shows it and vexlor-cli units prints it. Texts are
// empty and numbers -1 where no report of the month told them.
struct UnitRow {
    AtlCoord coord;
    Str level; // the level's name: "surface"
    int32_t number = 0;
    Str name;
    int faction = 0;   // 0 where unknown
    Str factionName;   // empty where unknown
    int source = 0;    // the faction whose report the unit is taken from
    bool own = false;  // one of the player's own units
    bool ally = false; // a unit of a faction held as an ally
    int32_t men = 0;   // how many of its items are people
    Str menText;       // the people by race: "2 HELF, 1 LEAD"
    int32_t silver = 0;
    Str otherItems; // the items beside people and silver, short: "2 HORS, 1 SWOR"
    Str items;      // every item in report order, "COUNT ABBR" joined by ", "
    Str skills;     // "ABBR LEVEL" joined by ", "; empty for units not the player's or an ally's
    int32_t weight = -1;
    Str capacity;  // "0/0/15/0"
    Str flags;     // the report's words joined by ", ": "on guard, behind"
    Str structure; // the building or ship it is in: "Fort [1]"; empty outside
};

// The units of the month on show (the hexes seen in it by any source; each unit once, taken
// as the map takes it): the player's own and allied ones, or with all every unit seen. Ordered
// by level, y, x, then report order.
std::vector<UnitRow> ListUnits(const VexlorDoc& doc, AtlDate date, bool all);

// The columns of the units list, in the order it shows them.
enum class UnitColumn : uint8_t {
    Number,
    Name,
    Faction,
    Hex,
    Level,
    Men,
    Silver,
    Items,
    Skills,
    Weight,
    Capacity,
    Flags,
    Structure,
};
inline constexpr std::array<UnitColumn, 13> kUnitColumns = {
    UnitColumn::Number,   UnitColumn::Name,   UnitColumn::Faction,  UnitColumn::Hex,
    UnitColumn::Level,    UnitColumn::Men,    UnitColumn::Silver,   UnitColumn::Items,
    UnitColumn::Skills,   UnitColumn::Weight, UnitColumn::Capacity, UnitColumn::Flags,
    UnitColumn::Structure};

// The column's heading: its text in base/messagetable.h.
int UnitColumnHeading(UnitColumn column);
// A cell as the list shows it: the hex "X,Y,Z", the faction "Red Wolves (3)", the men by race,
// the other items in short; numbers unknown (-1) empty.
Str UnitCell(const UnitRow& row, UnitColumn column);

// How the column orders, for the units panel and SortUnitRows alike: number, men, silver and
// weight by their numbers (unknown, -1, first), the hex in map order (level, y, x), the level
// by its number. The other columns have no number: they order by their cells (UnitCell) in
// dictionary order (base/collate.h, Str's <), case aside.
std::optional<int64_t> UnitSortNumber(const UnitRow& row, UnitColumn column);

// Sorts by the column as UnitSortNumber says, keeping the order of rows that tie.
void SortUnitRows(std::vector<UnitRow>& rows, UnitColumn column, bool ascending);

// The rows as CSV (RFC 4180: a field with a comma, a quote or a line break quoted, its quotes
// doubled; lines end in CR LF), or as tab-separated lines for the clipboard (tabs and line
// breaks in a field made blanks), with the columns' headings first when header.
Str UnitRowsCsv(const std::vector<UnitRow>& rows, std::span<const UnitColumn> columns, bool header);
Str UnitRowsTabbed(const std::vector<UnitRow>& rows, std::span<const UnitColumn> columns,
                   bool header);
