#pragma once

#include "base/str.h"
#include "model/atldate.h"

#include <cstdint>
#include <string_view>
#include <vector>

// What the reports taught the player: the descriptions under "Skill reports:", "Item reports:"
// and "Object reports:". Kept with the whole map (the extension area's chunk "REFS"), the newest
// text of each, so that a skill learned in the first month can be read again in the tenth.

enum class ReferenceKind : uint8_t { Skill, Item, Object };

// One description as the report wrote it.
struct Reference {
    ReferenceKind kind = ReferenceKind::Skill;
    Str name;          // "gate lore", "leader", "Longboat"
    Str abbr;          // "GATE", "LEAD"; empty for an object, which the report names only
    int32_t level = 0; // a skill's level; 0 for items; an object's place among the report's
                       // objects of its name (two kinds of lair), from 0
    AtlDate date;      // the turn of the report it came from
    Str text;          // the whole entry, its wrapped lines joined: "gate lore [GATE] 1: ..."

    // The same thing described: kind, abbreviation (the name where there is none) and level.
    bool SameAs(const Reference& other) const;
    bool operator==(const Reference&) const = default;
};

// The kind as scripts read it: "skill", "item", "object".
const char* ReferenceKindName(ReferenceKind kind);

// "gate lore [GATE] 3", "leader [LEAD]", "Longboat": how the entry is named in a list.
Str ReferenceTitle(const Reference& entry);

class References {
public:
    // Keeps entry in place of the same thing's text unless that came from a later turn: the
    // newest report wins, and of one turn the one learned last (a report read again).
    void Learn(Reference entry);

    // By kind, then name, then level.
    const std::vector<Reference>& All() const { return entries_; }
    bool IsEmpty() const { return entries_.empty(); }
    // The entries whose name or abbreviation holds text, case ignored; every entry for "".
    std::vector<const Reference*> Matching(std::string_view text) const;
    // The skill or item of that abbreviation (case ignored), a skill at its lowest level kept;
    // null when none is kept.
    const Reference* Find(ReferenceKind kind, std::string_view abbr) const;

private:
    friend struct DocRecords;
    std::vector<Reference> entries_;
};
