#pragma once

#include "base/assoc.h"
#include "base/list.h"
#include "base/str.h"
#include "model/atldate.h"
#include "model/location.h"

#include <cstdint>
#include <unordered_map>

// The locations of one report, in the order they were first registered, and the factions
// it named.
class TurnNode : public Node {
public:
    explicit TurnNode(AtlDate date = AtlDate()) : date(date), stamp_(NewStamp()) {}
    TurnNode(const TurnNode&) = delete;
    TurnNode& operator=(const TurnNode&) = delete;

    TurnNode* Next() const { return static_cast<TurnNode*>(GetNext()); }
    TurnNode* Prev() const { return static_cast<TurnNode*>(GetPrev()); }

    const ListT<LocationNode>& Locations() const { return locations_; }
    LocationNode* FindLoc(const AtlCoord& coord) const;
    // How many locations the turn holds.
    size_t LocationCount() const { return index_.size(); }
    // The location for coord, made empty and appended when there is none yet.
    LocationNode* RegisterLoc(const AtlCoord& coord, bool* isNew = nullptr);
    void Clear();
    // Changes whenever the turn is cleared, read or given a new location; unique among all
    // turns ever made, so that an index built from the turns can tell it is out of date.
    uint64_t Stamp() const { return stamp_; }
    // Takes other's locations, factions and text in place of its own; other is left empty.
    void TakeContents(TurnNode& other);

    int write(owstream& os) const override;
    int read(iwstream& is, unsigned long version) override;
    static Node* builder(iwstream& is, unsigned long version);

    AtlDate date;
    Str text;
    StrAssocList factions;

private:
    static uint64_t Key(const AtlCoord& c) {
        return (static_cast<uint64_t>(static_cast<uint16_t>(c.x)) << 24) |
               (static_cast<uint64_t>(static_cast<uint16_t>(c.y)) << 8) | c.z;
    }
    void RebuildIndex();
    static uint64_t NewStamp();

    ListT<LocationNode> locations_;
    // Beside the list so that registering stays linear in the size of a report.
    std::unordered_map<uint64_t, LocationNode*> index_;
    uint64_t stamp_;
};
