#include "model/locationskim.h"

#include "model/location.h"
#include "model/records.h"
#include "model/unit.h"

LocationSighting SightingOf(const LocationNode& loc) {
    LocationSighting s{loc.coord, loc.IsPartial(), false};
    for (const UnitNode& unit : loc.units)
        if (unit.flags & UnitNode::OnGuard) s.guarded = true;
    return s;
}

size_t SkimLocationList(const unsigned char* bytes, size_t size,
                        std::vector<LocationSighting>& sightings, std::vector<uint32_t>& ends,
                        std::vector<UnitSighting>* units) {
    ByteSkim in(bytes, size, &sightings, &ends, units);
    ListT<LocationNode> none; // the skim makes no locations
    if (!DocRecords::Locations(in, none)) return 0;
    return in.normal ? in.Offset() : 0;
}
