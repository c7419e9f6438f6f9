#include "model/turnextras.h"

#include "model/vexlordoc.h"

namespace {
// In the order of AtlDirection.
const char* const kDirectionNames[6] = {"North", "Northeast", "Northwest",
                                        "South", "Southeast", "Southwest"};
} // namespace

const char* DirectionName(AtlDirection::Type direction) {
    int d = static_cast<int>(direction);
    return d >= 0 && d < 6 ? kDirectionNames[d] : "";
}

Str ExitText(const ExitRecord& exit) {
    Str text(DirectionName(exit.direction));
    text += " : ";
    text += exit.terrain.GetString();
    text += " ";
    text += exit.target.GetString();
    text += " in ";
    text += exit.regionName;
    if (!exit.townName.IsEmpty()) {
        text += ", contains ";
        text += exit.townName;
        text += " [";
        text += exit.townType;
        text += "]";
    }
    return text;
}

Str GateText(const RegionExtras& region) {
    Str text;
    if (region.gate == 0) return text;
    text += "Gate ";
    text.AppendNumber(region.gate);
    if (region.gateCount != 0) {
        text += " of ";
        text.AppendNumber(region.gateCount);
    }
    return text;
}

Str SkillText(const SkillRecord& skill) {
    Str text(skill.name);
    text += " [";
    text += skill.abbr;
    text += "]";
    if (skill.level > 0 || skill.days >= 0) {
        text += " ";
        text.AppendNumber(skill.level);
    }
    if (skill.days >= 0) {
        text += " (";
        text.AppendNumber(skill.days);
        text += ")";
    }
    return text;
}

const RegionExtras* TurnExtras::FindRegion(const AtlCoord& c) const {
    auto it = regions_.find(c);
    return it == regions_.end() ? nullptr : &it->second;
}

const UnitExtras* TurnExtras::FindUnit(int32_t number) const {
    auto it = units_.find(number);
    return it == units_.end() ? nullptr : &it->second;
}

const std::vector<Str>* TurnExtras::FindUnitFlags(int32_t number) const {
    auto it = unitFlags_.find(number);
    return it == unitFlags_.end() ? nullptr : &it->second;
}

const Str* TurnExtras::FindWageDecimals(const AtlCoord& c) const {
    auto it = wageDecimals_.find(c);
    return it == wageDecimals_.end() ? nullptr : &it->second;
}

Str WagesText(int32_t wages, const AtlCoord& c, const TurnExtras* extras) {
    if (wages == -1) return Str();
    Str text;
    text.AppendNumber(wages);
    if (const Str* decimals = extras ? extras->FindWageDecimals(c) : nullptr) {
        text += ".";
        text += *decimals;
    }
    return text;
}

const TurnExtras* KeptExtras(const VexlorDoc& doc, AtlDate date) {
    const TurnNode* turn = doc.FindTurn(date);
    return turn ? turn->extras.Find() : nullptr;
}
