#pragma once

// Documents made by the program's own report reader, for the tests of the layers above it.

#include "model/vexlordoc.h"

#include <string>
#include <vector>

// Adds the reports to doc in the order given, answering Yes to every question, as the
// program's Add report does. Returns a line for each report not read cleanly
// (empty when every report went in cleanly).
std::string AddReports(VexlorDoc& doc, const std::vector<std::string>& paths);

// Adds the reports to doc's ally `faction` (made when not held yet, named name), as the
// player's own reports are added: the ally's own turns, in the ally's document.
std::string AddAllyReports(VexlorDoc& doc, int faction, const char* name,
                           const std::vector<std::string>& paths);

// The paths of <faction>-turn1.rep .. <faction>-turn<last>.rep in a folder of real reports.
std::vector<std::string> ReportSeries(const std::string& folder, int faction, int last);
