#pragma once

#include "report/regions.h"

class ReportLine;
class TurnNode;

// Whether a turn read from a report keeps to the counts the document file can hold: its
// records and every per-turn part of the extension area are walked as the writer would write
// them (CountCheck over model/records.h), so that no list is written with a count its field
// cannot say and then lost at the next opening. False, with fault naming the list and the line
// of the region or unit it stood in (start: the report's lines), at the first that does not.
bool KeepsToFileLimits(const TurnNode& turn, ReportLine* start, RegionFault& fault);
