#include "model/locationskim.h"

#include "model/byteskim.h"
#include "model/location.h"
#include "model/unit.h"

#include <cstdint>

LocationSighting SightingOf(const LocationNode& loc) {
    LocationSighting s{loc.coord, loc.IsPartial(), false};
    for (const UnitNode& unit : loc.units)
        if (unit.flags & UnitNode::OnGuard) s.guarded = true;
    return s;
}

namespace {

// The walks below follow the readers of the location, item, unit and building records field
// by field; each answers false once the bytes run out. writable turns false at a text that
// would not be written back as the same bytes.

bool SkimItems(ByteSkim& in, bool priced, bool& writable) {
    uint16_t n = 0;
    if (!in.U16(n)) return false;
    for (; n > 0; --n) {
        // count, name, abbreviation, and the price of a priced item
        if (!in.Skip(4) || !in.Text(writable) || !in.Text(writable) || (priced && !in.Skip(4)))
            return false;
    }
    return true;
}

bool SkimUnits(ByteSkim& in, bool& writable, bool& guarded) {
    uint16_t n = 0;
    if (!in.U16(n)) return false;
    for (; n > 0; --n) {
        uint32_t flags = 0;
        // items, faction, name, number, flags, building
        if (!SkimItems(in, false, writable) || !in.Skip(4) || !in.Text(writable) || !in.Skip(4) ||
            !in.U32(flags) || !in.Skip(2))
            return false;
        if (flags & UnitNode::OnGuard) guarded = true;
    }
    return true;
}

bool SkimBuildings(ByteSkim& in, bool& writable) {
    uint16_t n = 0;
    if (!in.U16(n)) return false;
    // name, number, description
    for (; n > 0; --n)
        if (!in.Text(writable) || !in.Skip(2) || !in.Text(writable)) return false;
    return true;
}

bool SkimLocation(ByteSkim& in, bool& writable, LocationSighting& s) {
    uint32_t flags = 0;
    // terrain kind and name, coordinate, region, town and its kind, peasants and their race,
    // silver, wages, maximum wages, entertainment, wanted, for sale, products, units,
    // buildings, flags
    if (!in.Skip(1) || !in.Text(writable) || !in.I16(s.coord.x) || !in.I16(s.coord.y) ||
        !in.U8(s.coord.z) || !in.Text(writable) || !in.Text(writable) || !in.Text(writable) ||
        !in.Skip(4) || !in.Text(writable) || !in.Skip(16) || !SkimItems(in, true, writable) ||
        !SkimItems(in, true, writable) || !SkimItems(in, false, writable) ||
        !SkimUnits(in, writable, s.guarded) || !SkimBuildings(in, writable) || !in.U32(flags))
        return false;
    s.partial = (flags & LocationNode::LocPartial) != 0;
    return true;
}

} // namespace

size_t SkimLocationList(const unsigned char* bytes, size_t size,
                        std::vector<LocationSighting>& sightings) {
    ByteSkim in(bytes, size);
    uint16_t count = 0;
    if (!in.U16(count)) return 0;
    sightings.reserve(sightings.size() + count);
    bool writable = true;
    for (; count > 0; --count) {
        LocationSighting s;
        if (!SkimLocation(in, writable, s)) return 0;
        sightings.push_back(s);
    }
    return writable ? in.Offset() : 0;
}
