#pragma once

#include "base/assoc.h"
#include "base/list.h"
#include "base/str.h"
#include "model/building.h"
#include "model/unit.h"
#include "report/factionnames.h"

#include <cstdint>
#include <vector>

class ReportLine;

// The faction part of a unit line, ", Red Wolves (3)": the first "(" after the cursor when
// it encloses digits, and the name after the last "," before it. 0 and the cursor past the
// ")" when found; -1 and nothing changes otherwise.
int ReadFactionNameNum(const char*& cursor, Str& name, int& number);

// One unit line ("* " own or "- " other, after optional blanks): name, number, on guard,
// faction (registered in factions), the flags and the items. 0 on success.
int ReadUnitInfo(const char*& cursor, UnitNode& unit, FactionNames& factions);

// The flag words of a unit line in report order: "on guard" before its faction part, then
// the words between the faction part and the items ("avoiding", "won't cross water"), with its
// number. 0 on success; -1 for a line that is no unit line.
int ReadUnitFlagWords(const char* text, int32_t& number, std::vector<Str>& words);
// Whether the record's flags (UnitNode::flags) say every one of words.
bool FlagsSayAll(const std::vector<Str>& words);

// One building or ship line: "+ " name "[" number "]" " : " text.
int ReadBuildingInfo(const char*& cursor, BuildingNode& building);

// Every line from node up to the next empty line as a unit in the given building (0: none),
// appended to units; node is left on the empty line, or on the last unit line when the list
// ends first. -1 on a line that is no unit.
int ReadUnitList(ReportLine*& node, ListT<UnitNode>& units, FactionNames& factions, int building);

// Building lines from node on, each with the unit lines that follow it; units go into the
// one unit list with their building's number. node is left where the last unit list ended.
int ReadBuildingList(ReportLine*& node, ListT<UnitNode>& units, FactionNames& factions,
                     ListT<BuildingNode>& buildings);
