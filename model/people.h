#pragma once

#include "model/references.h"

#include <string>
#include <string_view>
#include <unordered_map>

// Which items are people (the races a unit is made of), the one place that knows: an item the
// reports described is a race when its description says so ("This race may study ..."); one
// they never described, when the game engine makes it a man.
class PeopleItems {
public:
    // refs may be null: then only the engine's names decide.
    explicit PeopleItems(const References* refs = nullptr) : refs_(refs) {}

    // By the item's abbreviation ("LEAD"), case ignored.
    bool IsPeople(std::string_view abbr) const;

private:
    const References* refs_;
    mutable std::unordered_map<std::string, bool> known_; // upper-case abbreviation -> answer
};

// The engine's man items, by abbreviation in upper case.
bool IsEngineRace(std::string_view abbr);
