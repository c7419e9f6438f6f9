#include "map/unittext.h"

#include "base/assoc.h"
#include "model/unit.h"

void FormatUnit(const StrAssocIndex* factions, const UnitNode& unit, Str& out, bool withBuilding) {
    if (unit.building != 0 && withBuilding) {
        out += "[";
        out.AppendNumber(unit.building);
        out += "] ";
    }
    out += unit.name;
    out += " (";
    out.AppendNumber(unit.number);
    out += ")";
    if (unit.flags != 0) {
        static const struct {
            uint32_t bit;
            const char* letter;
        } kLetters[] = {{UnitNode::OnGuard, "G"},
                        {UnitNode::Behind, "B"},
                        {UnitNode::Holding, "H"},
                        {UnitNode::Avoiding, "A"},
                        {UnitNode::RevealingFaction, "R"}};
        out += "[";
        for (const auto& flag : kLetters)
            if (unit.flags & flag.bit) out += flag.letter;
        out += "]";
    }
    int faction = unit.faction.Number();
    if (faction != 0) {
        out += ", faction: ";
        if (const StrAssocNode* name = factions ? factions->Find(faction) : nullptr)
            out += name->name;
        out += "(";
        out.AppendNumber(faction);
        out += ")";
    }
}
