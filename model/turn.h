#pragma once

#include "base/assoc.h"
#include "base/list.h"
#include "base/str.h"
#include "model/atldate.h"
#include "model/keptbytes.h"
#include "model/keptturns.h"
#include "model/location.h"
#include "model/locationskim.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class ByteReader;
class ByteWriter;
class CountCheck;

// The locations of one report, in the order they were first registered, the factions it
// named, and what else it said (its extras).
//
// A turn read from a file held in memory keeps its location list as the file's bytes, with
// a note of each location's sighting, and makes the objects only when something asks for
// the locations themselves: a long game opens without making the objects of every turn.
class TurnNode : public Node {
public:
    explicit TurnNode(AtlDate date = AtlDate()) : date(date), stamp_(NewStamp()) {}
    TurnNode(const TurnNode&) = delete;
    TurnNode& operator=(const TurnNode&) = delete;
    ~TurnNode() override;

    TurnNode* Next() const { return static_cast<TurnNode*>(GetNext()); }
    TurnNode* Prev() const { return static_cast<TurnNode*>(GetPrev()); }

    const ListT<LocationNode>& Locations() const;
    // The locations for one look: a turn that has not made their objects reads them into
    // scratch and stays as it was, so that a walk over every turn of a long game (a dump)
    // holds the objects of one turn at a time. Otherwise Locations().
    const ListT<LocationNode>& LocationsOnce(ListT<LocationNode>& scratch) const;
    LocationNode* FindLoc(const AtlCoord& coord) const;
    // How many locations the turn holds.
    size_t LocationCount() const;
    // The location for coord, made empty and appended when there is none yet.
    LocationNode* RegisterLoc(const AtlCoord& coord, bool* isNew = nullptr);
    // The location at a place in the list (0 is the first); null past the end.
    const LocationNode* LocationAt(size_t ordinal) const;
    // The same for one look: a turn that has not made its locations' objects reads that one
    // location alone into scratch and stays as it was, so that looking at one hex in every
    // turn of a long game makes no turn's objects. Otherwise LocationAt.
    const LocationNode* LocationAtOnce(size_t ordinal, LocationNode& scratch) const;
    // Calls visit(const LocationSighting&) for every location in list order, without making
    // the objects of a turn that has not made them yet.
    template <class Visit> void ForEachSighting(Visit&& visit) const;
    // Calls visit(const UnitSighting&, const AtlCoord&) for the units of every location in list
    // order, with the location's coordinate, without making the objects of a turn that has not
    // made them yet: a kept turn noted its units when it was kept.
    template <class Visit> void ForEachUnitSighting(Visit&& visit) const;
    void Clear();
    // Changes whenever the turn is cleared, read or given a new location; unique among all
    // turns ever made, so that an index built from the turns can tell it is out of date.
    // Making the objects of a kept list changes nothing it holds, so not the stamp either.
    uint64_t Stamp() const { return stamp_; }
    // Takes other's locations, factions, text and extras in place of its own; other is left
    // empty.
    void TakeContents(TurnNode& other);

    // True while the turn is still the file's bytes: neither its locations nor its extras made
    // into objects yet.
    bool IsKept() const { return kept_ != nullptr && extras.IsKept(); }

    // The turn's location list in its record (model/records.h): written as the bytes it was
    // read from while it has not made its objects; read by keeping the bytes when they read
    // back as the same bytes, else into objects.
    bool WalkLocations(ByteWriter& w) const;
    bool WalkLocations(ByteReader& r);
    bool WalkLocations(CountCheck& c) const;
    static Node* builder(iwstream& is, unsigned long version);

    AtlDate date;
    Str text;
    StrAssocList factions;
    KeptTurnExtras extras;

private:
    // The location list as the file holds it, and what each location shows on the map.
    struct Kept {
        KeptBytes bytes; // a view of the file's image
        std::vector<LocationSighting> sightings;
        std::vector<uint32_t> ends; // where each location's bytes end in bytes
        std::vector<UnitSighting> units;
    };

    // Keeps the list at the reader's position when it reads back as the same bytes; false
    // (the reader untouched) otherwise.
    bool Keep(ByteReader& r);
    // Makes the objects of a kept list.
    void Unpack() const {
        if (kept_) UnpackKept();
    }
    void UnpackKept() const;
    void RebuildIndex() const;
    static uint64_t NewStamp();

    mutable ListT<LocationNode> locations_;
    // Beside the list so that registering stays linear in the size of a report.
    mutable std::unordered_map<AtlCoord, LocationNode*> index_;
    mutable std::vector<LocationNode*> ordered_; // the list, by place
    mutable std::unique_ptr<Kept> kept_;
    mutable uint64_t stamp_;
};

template <class Visit> void TurnNode::ForEachSighting(Visit&& visit) const {
    if (kept_) {
        for (const LocationSighting& sighting : kept_->sightings)
            visit(sighting);
        return;
    }
    for (const LocationNode& loc : locations_)
        visit(SightingOf(loc));
}

template <class Visit> void TurnNode::ForEachUnitSighting(Visit&& visit) const {
    if (kept_) {
        for (const UnitSighting& unit : kept_->units)
            visit(unit, kept_->sightings[unit.location].coord);
        return;
    }
    uint32_t place = 0;
    for (const LocationNode& loc : locations_) {
        for (const UnitNode& unit : loc.units)
            visit(UnitSighting{place, unit.number, unit.faction.Number()}, loc.coord);
        ++place;
    }
}
