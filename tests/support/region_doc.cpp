// Writes a document with the regions of real reports, one turn per report, for the map
// pictures, the render tests and the benchmarks, until vexlor-cli add can make one: each
// region line ("plain (58,4) in Sayqua, contains Mun-a-karak [village], ...") becomes a full
// sighting with its terrain, region and town, a unit line with "on guard" marks a guard, and
// each exit line a partial sighting of the region it names. Everything else is left out.
#include "base/strlist.h"
#include "base/wstream.h"
#include "model/docfile.h"
#include "model/vexlordoc.h"
#include "report/lines.h"
#include "report/linetype.h"
#include "report/scan.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// "terrain (x,y[,level]) in Region[, contains Town [kind]]...": what a region line and an
// exit's target say. Returns false for any other line.
bool ReadRegion(const std::string& text, LocationNode& loc) {
    size_t space = text.find(" (");
    if (space == std::string::npos || space == 0) return false;
    std::string word = text.substr(0, space);
    if (word.find_first_not_of("abcdefghijklmnopqrstuvwxyz ") != std::string::npos) return false;
    const char* cursor = text.c_str() + space;
    AtlCoord coord;
    if (ReadCoords(cursor, coord) != 0 || std::string(cursor).compare(0, 4, " in ") != 0)
        return false;
    if (GetTerrainType(word.c_str(), loc.terrain) != 0) return false;
    std::string rest(cursor + 4);
    size_t end = rest.find_first_of(",.");
    loc.coord = coord;
    loc.regionName = rest.substr(0, end).c_str();
    const std::string contains = ", contains ";
    if (end != std::string::npos && rest.compare(end, contains.size(), contains) == 0) {
        size_t town = end + contains.size();
        size_t open = rest.find(" [", town);
        size_t close = rest.find(']', town);
        if (open != std::string::npos && close != std::string::npos && open < close) {
            loc.townName = rest.substr(town, open - town).c_str();
            loc.townType = rest.substr(open + 2, close - open - 2).c_str();
        }
    }
    return true;
}

std::string TrimLeft(const char* text) {
    while (*text == ' ')
        ++text;
    return text;
}

bool ReadDate(const StrList& lines, AtlDate& date) {
    for (StrNode* n = lines.GetFirst(); n; n = n->Next()) {
        std::string text = n->text.Get();
        size_t year = text.find(", Year ");
        int month = year == std::string::npos ? -1 : GetMonthNum(text.substr(0, year).c_str());
        if (month >= 0) {
            date = AtlDate(month, std::atoi(text.c_str() + year + 7));
            return true;
        }
    }
    return false;
}

bool AddReport(VexlorDoc& doc, const char* path) {
    ifwstream in(path, 64 * 1024);
    StrList lines;
    AtlDate date;
    if (!in.good() || SplitLines(in, lines, nullptr) != 0 || !ReadDate(lines, date)) return false;
    TurnNode* turn = doc.RegisterTurn(date);
    LocationNode* region = nullptr;
    bool inExits = false;
    for (StrNode* n = lines.GetFirst(); n; n = n->Next()) {
        const char* text = n->text.Get();
        LocationNode probe;
        if (text[0] != ' ' && ReadRegion(text, probe)) {
            bool isNew = false;
            region = turn->RegisterLoc(probe.coord, &isNew);
            region->flags &= ~LocationNode::LocPartial;
            region->terrain = probe.terrain;
            region->regionName = probe.regionName;
            region->townName = probe.townName;
            region->townType = probe.townType;
            inExits = false;
        } else if (!std::string(text).compare(0, 6, "Exits:")) {
            inExits = region != nullptr;
        } else if (inExits && text[0] == ' ') {
            std::string exit = TrimLeft(text);
            size_t colon = exit.find(" : ");
            if (colon == std::string::npos || !ReadRegion(exit.substr(colon + 3), probe)) continue;
            bool isNew = false;
            LocationNode* seen = turn->RegisterLoc(probe.coord, &isNew);
            if (!isNew) continue;
            seen->flags |= LocationNode::LocPartial;
            seen->terrain = probe.terrain;
            seen->regionName = probe.regionName;
            seen->townName = probe.townName;
            seen->townType = probe.townType;
        } else if (region && (TrimLeft(text).compare(0, 2, "* ") == 0 ||
                              TrimLeft(text).compare(0, 2, "- ") == 0)) {
            inExits = false;
            auto* unit = new UnitNode();
            unit->name = "unit";
            if (std::string(text).find(", on guard") != std::string::npos)
                unit->flags |= UnitNode::OnGuard;
            region->units.Add(unit);
        } else if (text[0] != ' ') {
            inExits = false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: region_doc OUT.atl REPORT...\n");
        return 2;
    }
    VexlorDoc doc;
    for (int i = 2; i < argc; ++i) {
        if (!AddReport(doc, argv[i])) {
            std::fprintf(stderr, "region_doc: cannot read %s\n", argv[i]);
            return 1;
        }
    }
    if (SaveDocFile(doc, argv[1]) != DocSaved) {
        std::fprintf(stderr, "region_doc: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
