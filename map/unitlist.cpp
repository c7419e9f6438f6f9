#include "map/unitlist.h"

#include "model/vexlordoc.h"

std::vector<UnitRow> ListUnits(const VexlorDoc& doc, AtlDate date, bool all) {
    (void)doc;
    (void)date;
    (void)all;
    return {};
}
