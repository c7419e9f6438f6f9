#include "report/extrasreader.h"

#include "report/linetype.h"
#include "report/regions.h"
#include "report/reportlines.h"
#include "report/scan.h"
#include "report/sections.h"
#include "report/unitlines.h"

#include <cstring>

bool ReadWeatherLine(const char* text, Str& weather) {
    const char* p = text;
    skipspaces(p);
    if (GetLineType(text) != LineType::Ordinary || *p == 0) return false;
    if (!std::strstr(p, "last month") && !std::strstr(p, "next month")) return false;
    weather = Str(p);
    return true;
}

int ReadExitLine(const char* text, ExitRecord& exit) {
    const char* p = text;
    std::string_view word;
    AtlDirection::Type direction;
    if (read_before(p, word, ":") != 0 || GetDirectionType(word, direction) != 0) return -1;
    ++p;
    ExitRecord e;
    e.direction = direction;
    if (int read =
            ReadLocationBasicInfo(p, e.terrain, e.target, e.regionName, e.townName, e.townType))
        return read;
    exit = std::move(e);
    return 0;
}

int ReadGateLine(const char* text, int32_t& gate, int32_t& count) {
    const char* p = text;
    int number, total = 0;
    if (skiptempl(p, "There is a Gate here (Gate ") != 0 || ReadNumber(p, number) != 0) return -1;
    if (skiptempl(p, " of ") == 0 && ReadNumber(p, total) != 0) return -1;
    if (*p != ')') return -1;
    gate = number;
    count = total;
    return 0;
}

namespace {

// The decimals of a wages line ("  Wages: $15.1 (Max: $1786)."), kept under the region; a line
// without them keeps nothing.
void ReadWagesDecimals(const char* text, const AtlCoord& coord, TurnExtras& extras) {
    const char* p = text;
    int wages = -1, maxWages = -1;
    Str decimals;
    if (skiptempl(p, "  Wages: $") != 0 || ReadWagesAmounts(p, wages, maxWages, &decimals) != 0)
        return;
    if (decimals.IsEmpty())
        extras.ForgetWageDecimals(coord);
    else
        extras.WageDecimals(coord) = std::move(decimals);
}

bool IsOwnUnitLine(const char* text) {
    const char* p = text;
    skipspaces(p);
    return p[0] == '*' && p[1] == ' ';
}

// One region block, from its region line up to (not including) end: its weather, gate and
// own units. The region reader kept its exits already.
void ReadBlockExtras(ReportLine* region, ReportLine* end, TurnExtras& extras) {
    // The terrain word before the coordinates holds no parenthesis.
    const char* p = std::strchr(region->text.Get(), '(');
    AtlCoord coord;
    if (!p || ReadCoords(p, coord) != 0) return;
    RegionExtras& here = extras.Region(coord);
    here.gate = here.gateCount = 0;
    here.weather = Str();

    ReportLine* rule = FindRuleLine(region);
    if (rule && rule->Next()) ReadWeatherLine(rule->Next()->text.Get(), here.weather);

    bool inExits = false;
    for (ReportLine* n = rule ? rule->Next() : region->Next(); n && n != end; n = n->Next()) {
        const char* text = n->text.Get();
        if (n->text.IsEmpty()) {
            inExits = false;
            continue;
        }
        if (inExits) continue;
        int type = n->type;
        if (type == LineType::OrdersTemplate) break;
        if (type == LineType::Exits) {
            inExits = true;
        } else if (type == LineType::Gate) {
            ReadGateLine(text, here.gate, here.gateCount);
        } else if (type == LineType::Wages) {
            ReadWagesDecimals(text, coord, extras);
        } else if (IsOwnUnitLine(text)) {
            int32_t number;
            UnitExtras details;
            if (ReadUnitDetails(text, number, details) == 0)
                extras.Unit(number) = std::move(details);
            std::vector<Str> words;
            if (ReadUnitFlagWords(text, number, words) == 0) {
                if (FlagsSayAll(words))
                    extras.ForgetUnitFlags(number);
                else
                    extras.UnitFlags(number) = std::move(words);
            }
        }
    }
}

} // namespace

void ReadTurnExtras(ReportLine* start, int blocks, TurnExtras& extras) {
    ReadTurnEvents(start, extras.events);
    ReadFactionPage(start, extras.faction);
    ReportLine* region = FindLocationInfo(start);
    for (int i = 0; i < blocks && region; ++i) {
        ReportLine* next = FindLocationInfo(region);
        ReadBlockExtras(region, next, extras);
        region = next;
    }
}
