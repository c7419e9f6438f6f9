#pragma once

#include "base/str.h"
#include "model/atlcoord.h"
#include "model/atldate.h"
#include "model/terrain.h"

#include <cstdint>
#include <map>
#include <vector>

// What a report says beyond the version-1 records: the exits, gate and weather of each
// region block, the details of the player's own units, and the turn's events. Held beside
// the turn's records, never inside them, so that their layout and file bytes stay as they
// are.

// One exit line of a region block.
struct ExitRecord {
    AtlDirection::Type direction = AtlDirection::North;
    AtlCoord target; // the hex it leads to, with its level
    TerrainType terrain;
    Str regionName;
    Str townName; // empty when the line names no town
    Str townType;

    bool operator==(const ExitRecord&) const = default;
};

// The direction as the report writes it: "Northeast".
const char* DirectionName(AtlDirection::Type direction);

// "Southwest : swamp (31,11) in Asay", with ", contains Name [type]" when the line had a town.
Str ExitText(const ExitRecord& exit);

struct RegionExtras {
    std::vector<ExitRecord> exits; // in report order
    int32_t gate = 0;              // the gate's number; 0 when the region has none
    int32_t gateCount = 0;         // the number of gates; 0 when the report did not say
    Str weather;                   // the weather sentence; empty when the block had none

    bool operator==(const RegionExtras&) const = default;
};

// "Gate 3 of 30" or "Gate 889"; empty for a region without a gate.
Str GateText(const RegionExtras& region);

// A skill entry: "gate lore [GATE] 3 (180)". The skills a unit can study have no level and
// no days (0 and -1).
struct SkillRecord {
    Str name;
    Str abbr;
    int32_t level = 0;
    int32_t days = -1;

    bool operator==(const SkillRecord&) const = default;
};

// "gate lore [GATE] 3 (180)", "magical healing [MHEA]" when it has no level.
Str SkillText(const SkillRecord& skill);

// The sentences after an own unit's items. Numbers are -1 and texts empty when the report
// did not give them.
struct UnitExtras {
    int32_t weight = -1;
    Str capacity; // "0/0/15/0": flying, riding, walking, swimming
    std::vector<SkillRecord> skills;
    Str combatSpell; // "fire [FIRE]"
    std::vector<SkillRecord> canStudy;

    bool operator==(const UnitExtras&) const = default;
};

// The turn's paragraphs of errors, battles and events, one logical report line per entry
// (a wrapped line joined into one); battles keep empty entries where their paragraphs break.
struct TurnEvents {
    std::vector<Str> errors;
    std::vector<Str> battles;
    std::vector<Str> events;

    bool IsEmpty() const { return errors.empty() && battles.empty() && events.empty(); }
    bool operator==(const TurnEvents&) const = default;
};

// The report's paragraphs about the player's own faction, each line as the report wrote it.
struct FactionPage {
    std::vector<Str> status;    // "Tax Regions: 0 (10)", "Mages: 2 (1)": under "Faction Status:"
    Str defaultAttitude;        // "Neutral" of "Declared Attitudes (default Neutral):"
    std::vector<Str> attitudes; // "Hostile : none.", "Friendly : Red Wolves (3)."
    std::vector<Str> silver;    // "Unclaimed silver: 5050.", and "Silver in the Bank: ..."

    bool IsEmpty() const {
        return status.empty() && defaultAttitude.IsEmpty() && attitudes.empty() && silver.empty();
    }
    bool operator==(const FactionPage&) const = default;
};

// Everything of the above for one turn, held by the turn (TurnNode::extras).
class TurnExtras {
public:
    const RegionExtras* FindRegion(const AtlCoord& c) const;
    // The region's record, made empty when there is none yet.
    RegionExtras& Region(const AtlCoord& c) { return regions_[c]; }
    const UnitExtras* FindUnit(int32_t number) const;
    UnitExtras& Unit(int32_t number) { return units_[number]; }
    // An own unit line's flag words in report order ("revealing faction", "sharing", "won't
    // cross water"), kept where the record's flags cannot say them all. Null for a unit whose
    // words the record's flags say.
    const std::vector<Str>* FindUnitFlags(int32_t number) const;
    std::vector<Str>& UnitFlags(int32_t number) { return unitFlags_[number]; }
    void ForgetUnitFlags(int32_t number) { unitFlags_.erase(number); }
    // The digits after the point of a region's wages as the report gave them ("1" of "$15.1"):
    // the version-1 record holds the whole silver. Null where the report gave none.
    const Str* FindWageDecimals(const AtlCoord& c) const;
    Str& WageDecimals(const AtlCoord& c) { return wageDecimals_[c]; }
    void ForgetWageDecimals(const AtlCoord& c) { wageDecimals_.erase(c); }

    // In coordinate order (level, then y, then x) and unit-number order.
    const std::map<AtlCoord, RegionExtras>& Regions() const { return regions_; }
    const std::map<int32_t, UnitExtras>& Units() const { return units_; }
    const std::map<AtlCoord, Str>& AllWageDecimals() const { return wageDecimals_; }
    const std::map<int32_t, std::vector<Str>>& AllUnitFlags() const { return unitFlags_; }

    TurnEvents events;
    FactionPage faction;

    bool IsEmpty() const {
        return regions_.empty() && units_.empty() && events.IsEmpty() && wageDecimals_.empty() &&
               faction.IsEmpty() && unitFlags_.empty();
    }
    bool operator==(const TurnExtras&) const = default;

private:
    friend struct DocRecords;
    std::map<AtlCoord, RegionExtras> regions_;
    std::map<int32_t, UnitExtras> units_;
    std::map<AtlCoord, Str> wageDecimals_;
    std::map<int32_t, std::vector<Str>> unitFlags_;
};

// A region's wages as the report wrote them: "15.1", or the whole silver "15" where the turn
// kept no decimals for the region (extras may be null). Empty for wages no report gave (-1).
Str WagesText(int32_t wages, const AtlCoord& c, const TurnExtras* extras);

class VexlorDoc;
// What the document kept of the turn of date beyond its records; null when nothing was kept.
const TurnExtras* KeptExtras(const VexlorDoc& doc, AtlDate date);
