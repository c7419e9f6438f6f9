#pragma once

#include "model/atlcoord.h"

#include <vector>

class iwstream;

// What the sighting index needs of one location record, noted without making its objects.
struct LocationSighting {
    AtlCoord coord;
    bool partial = false; // known only from a neighbour's exits
    bool guarded = false; // a unit of it stands on guard
};

// Copies one location list as the document file holds it (a 16-bit count, then the records
// LocationNode writes) from is to the end of bytes, without making its objects, and notes
// each record's sighting. Follows the readers of the location, item, unit and building
// records field by field. False when the stream ended or failed first; bytes then end with
// what was copied.
bool CopyLocationList(iwstream& is, std::vector<unsigned char>& bytes,
                      std::vector<LocationSighting>& sightings);
