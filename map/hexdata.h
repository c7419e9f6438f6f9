#pragma once

#include "model/atldate.h"

#include <cstdint>

class LocationNode;

// What the map shows of one hex for the turn on show: the newest usable sighting of its
// location, referred to rather than copied, with the date of its turn and the marks.
// The sighting is one of the document's turns' locations, so the map is rebuilt (FormatMap)
// whenever the document's turns change; a turn's locations, once made, stay until then.
class AtlHexData {
public:
    enum Flags : uint32_t {
        HexPartial = 1, // only sightings from a neighbour's exit list are known
        HexSelected = 2,
        HexGuarded = 4, // a unit on guard was seen here
        // Made by the selection on empty ground; removed again when deselected.
        HexPlaceholder = 8,
        // The player's own units stand here in the turn on show (the hex was seen in it).
        HexOwnUnits = 16,
        HexOtherUnits = 32, // units of other factions were seen here
        // The sighting on show is from a month before the map's: what it places here was
        // seen then, and its markers are drawn hollow.
        HexEarlier = 64,
        // The region's block says it has a gate (its turn's extras); a bit apart from the
        // marks above, which other marks may follow.
        HexGate = 1u << 12,
    };

    // Nothing known (a selection placeholder).
    AtlHexData() = default;
    // Shows loc, seen in the turn of date seen.
    AtlHexData(const LocationNode& loc, AtlDate seen, uint32_t flags = 0)
        : seenDate(seen), hexFlags(flags), loc_(&loc) {}

    bool Has(uint32_t flag) const { return (hexFlags & flag) != 0; }
    // The sighting on show; an empty location (default terrain, -1 numbers, no lists) when
    // nothing is known.
    const LocationNode& Location() const;

    AtlDate seenDate; // date of the turn of the sighting
    uint32_t hexFlags = 0;

private:
    const LocationNode* loc_ = nullptr;
};

// Where the own-unit marker stands: where the player's units are in the month on show (hexes
// seen in that month's report), or each unit's newest known place (a hex seen earlier too).
enum class OwnUnitPlaces : uint8_t { ThisMonth, NewestKnown };

// Sets HexOwnUnits and HexOtherUnits from hex's units, and HexEarlier for a sighting older than
// shown: own are faction `own` (0: none known), marked only when the hex was seen in the turn on
// show (FormatMap marks the newest known places beside them when asked to).
void MarkUnits(AtlHexData& hex, int own, AtlDate shown);
