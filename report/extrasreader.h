#pragma once

#include "model/references.h"
#include "model/turnextras.h"

#include <vector>

class ReportLine;

// Reads into extras what the version-1 records leave out of a report: the paragraphs of
// errors, battles and events and the faction's page before the regions, and the weather, gate and
// own units' details of the first `blocks` region blocks after start (the blocks the region reader
// read; it keeps their exits). A line it cannot read is passed over: these are additions to a turn
// read.
void ReadTurnExtras(ReportLine* start, int blocks, TurnExtras& extras);

// The paragraphs "Errors during turn:", "Battles during turn:" (which runs over several
// paragraphs, up to the next heading) and "Events during turn:" from start up to the first
// region block.
void ReadTurnEvents(ReportLine* start, TurnEvents& events);

// Whether a line that begins a paragraph is a heading of the report's top part (errors,
// battles, events, faction status, skill, item and object reports, attitudes, unclaimed silver,
// the orders template): such a heading ends the paragraphs that run on before it.
bool IsTopPartHeading(const ReportLine* line);

// The paragraphs about the player's faction from start up to the first region block, each line
// as written: the lines under "Faction Status:", the default of "Declared Attitudes (default
// Neutral):" and its lines, and the paragraph of "Unclaimed silver: 5050." (with the bank's
// line that may follow).
void ReadFactionPage(ReportLine* start, FactionPage& page);

// The entries under "Skill reports:", "Item reports:" and "Object reports:" from start up to the
// first region block, each a paragraph of its own, in report order, dated date:
//   pattern [PATT] 1: The Pattern skill is ...     a skill at a level
//   leader [LEAD], weight 10, walking capacity ... an item
//   Longboat: This is a ship. ...                  an object
// An entry of none of these forms is passed over. Objects the report names alike are told apart
// by their level: 0 for the first of the name, 1 for the next.
void ReadReferences(ReportLine* start, AtlDate date, std::vector<Reference>& entries);

// The weather sentence of a region block's first detail line: "It was winter last month; it
// will be winter next month." True when the line is one.
bool ReadWeatherLine(const char* text, Str& weather);

// One exit line: "  Southwest : swamp (31,11) in Asay." 0 on success; kCoordsTooLarge
// (report/scan.h) for coordinates the document cannot hold.
int ReadExitLine(const char* text, ExitRecord& exit);

// "There is a Gate here (Gate 3 of 30)." or "(Gate 889)." (count 0). 0 on success.
int ReadGateLine(const char* text, int32_t& gate, int32_t& count);

// An own unit line ("* " after optional blanks): its number and the sentences after its
// items ("Weight: 10. Capacity: 0/0/15/0. Skills: ... Can Study: ..."). 0 when the line has
// at least one of them; -1 for a line that is no own unit or has none.
int ReadUnitDetails(const char* text, int32_t& number, UnitExtras& details);
