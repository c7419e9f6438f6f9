#include "map/factionlist.h"

#include "model/vexlordoc.h"

std::vector<FactionRow> ListFactions(const VexlorDoc& doc, AtlDate date) {
    (void)doc;
    (void)date;
    return {};
}

std::vector<AtlCoord> FactionHexes(const VexlorDoc& doc, AtlDate date, int faction) {
    (void)doc;
    (void)date;
    (void)faction;
    return {};
}
