#pragma once

#include "base/str.h"

#include <memory>
#include <string>
#include <vector>

class VexlorDoc;

// One ally's map held with the player's: the ally's own turns, as a document of the ally's
// faction (its reports, or its own map's turns, never what a third faction shared with it).
struct AllyMap {
    AllyMap();
    ~AllyMap();
    Str name;                       // the faction's name as its report writes it: "Blue Herons"
    std::string file;               // the ally's map it was last taken from; empty for reports only
    std::unique_ptr<VexlorDoc> doc; // never null; its faction is the ally's
};

// The allies' maps of a document, ordered by faction number. Stored where a reader of version
// 1 never looks (the extension area), so that the player's own turns and their bytes stay as
// they are whatever allies come and go.
class AllyMaps {
public:
    AllyMaps();
    ~AllyMaps();
    AllyMaps(AllyMaps&&) noexcept;
    AllyMaps& operator=(AllyMaps&&) noexcept;

    const std::vector<std::unique_ptr<AllyMap>>& All() const { return allies_; }
    bool IsEmpty() const { return allies_.empty(); }
    AllyMap* Find(int faction) const;
    // The ally's map, made empty (with the faction set) when it is not held yet.
    AllyMap& Take(int faction);
    // Drops the ally and all its data; false when it was not held.
    bool Remove(int faction);
    void Clear() { allies_.clear(); }

private:
    std::vector<std::unique_ptr<AllyMap>> allies_;
};
