#pragma once

#include "model/atlcoord.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class LocationNode;

// What a map needs of one location to decide which sighting of a hex it shows.
struct LocationSighting {
    AtlCoord coord;
    bool partial = false; // known only from a neighbour's exits
    bool guarded = false; // a unit of it stands on guard

    bool operator==(const LocationSighting&) const = default;
};

LocationSighting SightingOf(const LocationNode& loc);

// A unit a location list holds: the location's place in the list, the unit's number and the
// faction its report named (0 for none).
struct UnitSighting {
    uint32_t location;
    int32_t number;
    int32_t faction;

    bool operator==(const UnitSighting&) const = default;
};

// Walks one location list as the document file holds it (model/records.h), from bytes on,
// without making its objects, and notes each location's sighting and where its bytes end
// (from bytes on), so that one location can be read alone, and, when units is given, the
// units of each location, so that a unit's whereabouts need no walk over the bytes again. Answers
// the list's length in bytes, or 0 when the list is not whole within size bytes or would not be
// written back as the same bytes (a text of 65535 bytes, which is written shorter); the readers
// then read it as they always did.
size_t SkimLocationList(const unsigned char* bytes, size_t size,
                        std::vector<LocationSighting>& sightings, std::vector<uint32_t>& ends,
                        std::vector<UnitSighting>* units = nullptr);
