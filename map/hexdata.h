#pragma once

#include "model/atldate.h"

#include <cstdint>
#include <span>
#include <vector>

class LocationNode;
class UnitNode;

// One source's sighting of a hex: what the report of faction `source` saw there.
struct HexSighting {
    const LocationNode* loc;
    int source;
};

// What the map shows of one hex for the turn on show: the newest usable sighting of its
// location, referred to rather than copied, with the date of its turn, the faction whose report
// it is from and the marks; and, where allies saw the hex in the same month, their sightings
// beside it, whose units are added to its own.
// The sightings are the document's turns' locations, so the map is rebuilt (FormatMap)
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
        HexAlliedUnits = 128, // units of factions held as allies were seen here
    };

    // Nothing known (a selection placeholder).
    AtlHexData() = default;
    // Shows loc, seen in the turn of date seen by the report of faction source (0: unknown).
    AtlHexData(const LocationNode& loc, AtlDate seen, uint32_t flags = 0, int source = 0)
        : seenDate(seen), hexFlags(flags), source(source), loc_(&loc) {}

    bool Has(uint32_t flag) const { return (hexFlags & flag) != 0; }
    // The sighting on show; an empty location (default terrain, -1 numbers, no lists) when
    // nothing is known.
    const LocationNode& Location() const;
    // The other sources' sightings of the hex in the month of seenDate; the list is kept by
    // the map (AtlMap::KeepSightings) and lives as long as its hexes.
    std::span<const HexSighting> SameMonth() const {
        return sameMonth_ ? std::span<const HexSighting>(*sameMonth_)
                          : std::span<const HexSighting>();
    }
    void SetSameMonth(const std::vector<HexSighting>* sightings) { sameMonth_ = sightings; }

    AtlDate seenDate; // date of the turn of the sighting
    uint32_t hexFlags = 0;
    int source = 0; // the faction whose report the sighting is from

private:
    const LocationNode* loc_ = nullptr;
    const std::vector<HexSighting>* sameMonth_ = nullptr;
};

// Where the own-unit marker stands: where the player's units are in the month on show (hexes
// seen in that month's report), or each unit's newest known place (a hex seen earlier too).
enum class OwnUnitPlaces : uint8_t { ThisMonth, NewestKnown };

// Whose units the markers tell apart: the player's faction (0: none known) and the factions
// held as allies, ascending.
struct UnitOwners {
    UnitOwners(int own = 0, std::vector<int> allies = {}) : own(own), allies(std::move(allies)) {}
    bool IsOwn(int faction) const { return own != 0 && faction == own; }
    bool IsAlly(int faction) const;

    int own;
    std::vector<int> allies;
};

// One unit of a hex as the map shows it: the unit and the faction whose report it is from.
struct HexUnit {
    const UnitNode* unit;
    int source;
};

// The units of the hex's sighting, then those that only the same month's other sightings saw,
// each once (by unit number). A unit that several reports saw is taken from its owner's report
// where that is one of them (the report that tells its weight, skills and studies), else from
// the first that names its faction, else from the first.
std::vector<HexUnit> HexUnits(const AtlHexData& hex);

// Sets HexOwnUnits, HexAlliedUnits and HexOtherUnits from the units of hex's sightings (each
// as HexUnits takes it), and
// HexEarlier for a sighting older than shown: own units are marked only when the hex was seen in
// the turn on show (FormatMap marks the newest known places beside them when asked to).
void MarkUnits(AtlHexData& hex, const UnitOwners& owners, AtlDate shown);
