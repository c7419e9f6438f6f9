#pragma once

#include "base/list.h"

#include <cstdint>
#include <vector>

class TurnNode;

// One source of sightings: a faction's turns, in ascending date order.
struct TurnSource {
    int faction;
    const ListT<TurnNode>* turns;
};

// The stamps of the sources' turns when an index was built from them, so that the index can
// tell whether it is still current: the same turns of the same factions, none cleared or given
// new locations since.
class TurnStamps {
public:
    void Take(const std::vector<TurnSource>& sources);
    bool Match(const std::vector<TurnSource>& sources) const;
    void Clear();

private:
    std::vector<uint64_t> stamps_; // source after source, in list order
    std::vector<int> sourceTurns_; // per source: its faction, then its number of turns
};
