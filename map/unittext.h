#pragma once

#include "base/str.h"

class StrAssocIndex;
class UnitNode;

// Appends the one-line text of a unit to out: "[2] Scouts (12)[GA], faction: Elves(3)".
// The "[building] " prefix only when withBuilding and the unit stands in one; the flag letters
// only when a flag is set; the faction part only for a known faction, with its name from
// factions (nothing when it is not registered there, or factions is null). An index, as a hex
// may hold units of tens of thousands of factions.
void FormatUnit(const StrAssocIndex* factions, const UnitNode& unit, Str& out, bool withBuilding);
