#pragma once

#include "base/assoc.h"

#include <cstdint>

// The factions a report names, registered into a turn's faction list with a hash index
// beside it: a report naming tens of thousands of factions would otherwise search the list
// from the start for every unit.
class FactionNames {
public:
    // Indexes what the list holds already; the list must not change but through Register
    // while this lives.
    explicit FactionNames(StrAssocList& list);
    FactionNames(const FactionNames&) = delete;
    FactionNames& operator=(const FactionNames&) = delete;

    // As StrAssocList::Register: a number keeps the first name registered for it.
    void Register(int32_t number, const char* name);
    StrAssocList& List() { return list_; }

private:
    StrAssocList& list_;
    StrAssocIndex index_;
};
