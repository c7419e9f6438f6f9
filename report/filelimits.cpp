#include "report/filelimits.h"

#include "model/extchunks.h"
#include "model/records.h"
#include "model/turn.h"
#include "model/turnchunk.h"
#include "report/linetype.h"
#include "report/reportlines.h"
#include "report/scan.h"
#include "report/sections.h"

#include <cstring>

namespace {

// What a list beyond its field holds, for the message; the lists the region reader counts
// itself stop it before this check, so only the extension area's need words of their own.
const char* ListWords(const CountCheck::Beyond& beyond) {
    if (beyond.element == typeid(ExitRecord)) return "exits of one region";
    if (beyond.element == typeid(SkillRecord)) return "skills of one unit";
    return "entries in one list";
}

bool IsRegionAt(const ReportLine* line, const AtlCoord& coord) {
    const char* p = std::strchr(line->text.Get(), '(');
    AtlCoord at;
    return p && ReadCoords(p, at) == 0 && at == coord;
}

bool IsUnitLine(const ReportLine* line, int32_t number) {
    if (line->type != LineType::OwnUnit && line->type != LineType::OtherUnit) return false;
    const char* p = line->text.Get();
    std::string_view name;
    int at = 0;
    return read_before(p, name, "(") == 0 && ReadParanNumber(p, at) == 0 && at == number;
}

// The line of the unit the list stood in, else of its region, else the first region's.
int LineOf(ReportLine* start, const CountCheck::Beyond& beyond) {
    ReportLine* region = FindLocationInfo(start);
    ReportLine* first = region;
    if (beyond.region)
        while (region && !IsRegionAt(region, *beyond.region))
            region = FindLocationInfo(region);
    if (beyond.unit) {
        ReportLine* end = beyond.region && region ? FindLocationInfo(region) : nullptr;
        for (ReportLine* n = beyond.region && region ? region : start; n && n != end; n = n->Next())
            if (IsUnitLine(n, *beyond.unit)) return n->line;
    }
    if (region) return region->line;
    return first ? first->line : 0;
}

} // namespace

bool KeepsToFileLimits(const TurnNode& turn, ReportLine* start, RegionFault& fault) {
    CountCheck check;
    bool fits = DocRecords::Turn(check, turn);
    if (const TurnExtras* extras = turn.extras.Find())
        for (const ExtChunkKind& kind : ExtChunkKinds())
            if (fits && kind.perTurn) fits = kind.perTurn->fits(check, *extras);
    if (fits) return true;
    fault.kind = RegionFault::ListTooLong;
    fault.list = check.beyond ? ListWords(*check.beyond) : "entries in one list";
    fault.line = check.beyond ? LineOf(start, *check.beyond) : 0;
    return false;
}
