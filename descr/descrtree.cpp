#include "descr/descrtree.h"

#include "base/messagetext.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "map/unitsources.h"
#include "map/unittext.h"
#include "model/hexnotes.h"
#include "model/vexlordoc.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

DescrTVNode* AddLine(TreeViewNode& parent, Str text, uint32_t branch = BranchNone) {
    auto node = std::make_unique<DescrTVNode>(branch);
    node->SetString(std::move(text));
    return static_cast<DescrTVNode*>(parent.Add(std::move(node)));
}

// A line of a skill or item, which links to its description.
void AddNamedLine(TreeViewNode& parent, Str text, ReferenceKind kind, const Str& abbr) {
    auto node = std::make_unique<DescrReferenceNode>(kind, abbr);
    node->SetString(std::move(text));
    parent.Add(std::move(node));
}

DescrTVNode* AddHeading(TreeViewNode& parent, const char* text, uint32_t branch,
                        const DescrOptions& options) {
    DescrTVNode* heading = AddLine(parent, Str(text), branch);
    heading->SetOpen(IsBranchOpen(options, branch));
    return heading;
}

void AddItems(TreeViewNode& parent, const ListT<ItemNode>& items) {
    for (const ItemNode& item : items)
        AddNamedLine(parent, ItemText(item), ReferenceKind::Item, item.abbr);
}

void AddPricedItems(TreeViewNode& parent, const ListT<ItemPriceNode>& items) {
    for (const ItemPriceNode& item : items) {
        AddNamedLine(parent, PricedItemText(item), ReferenceKind::Item, item.abbr);
    }
}

// "Label" and one line per skill below it, or "Label none" without any.
void AddSkills(TreeViewNode& parent, const char* label, const std::vector<SkillRecord>& skills) {
    if (skills.empty()) {
        AddLine(parent, Str(label) + "none");
        return;
    }
    DescrTVNode* heading = AddLine(parent, Str(label));
    for (const SkillRecord& skill : skills)
        AddNamedLine(*heading, SkillText(skill), ReferenceKind::Skill, skill.abbr);
    heading->SetOpen(true);
}

// What the report said of an own unit after its items.
void AddUnitDetails(TreeViewNode& line, const UnitExtras& details) {
    if (details.weight != -1) {
        Str text("Weight: ");
        text.AppendNumber(details.weight);
        AddLine(line, std::move(text));
    }
    if (!details.capacity.IsEmpty()) AddLine(line, "Capacity: " + details.capacity);
    AddSkills(line, "Skills: ", details.skills);
    if (!details.combatSpell.IsEmpty()) AddLine(line, "Combat spell: " + details.combatSpell);
    if (!details.canStudy.empty()) AddSkills(line, "Can Study: ", details.canStudy);
}

// A unit line with its items below, then an own unit's details; a unit that carries
// something is shown open.
void AddUnit(TreeViewNode& parent, const StrAssocIndex& factions, const UnitNode& unit,
             bool withBuilding, const UnitExtras* details) {
    Str text;
    FormatUnit(&factions, unit, text, withBuilding);
    auto node = std::make_unique<DescrUnitNode>(unit.number);
    node->SetString(std::move(text));
    auto* line = static_cast<DescrTVNode*>(parent.Add(std::move(node)));
    AddItems(*line, unit.items);
    if (details) AddUnitDetails(*line, *details);
    line->SetOpen(!unit.items.IsEmpty());
}

// The weather, the gate and the exits of a region block.
void AddRegionExtras(TreeViewNode& title, const RegionExtras* region, const DescrOptions& options) {
    if (!region) return;
    if (!region->weather.IsEmpty()) AddLine(title, region->weather);
    if (region->gate != 0) AddLine(title, GateText(*region));
    DescrTVNode* exits = AddHeading(title, "Exits:", BranchExits, options);
    for (const ExitRecord& exit : region->exits) {
        auto line = std::make_unique<DescrExitNode>(exit.target);
        line->SetString(ExitText(exit));
        exits->Add(std::move(line));
    }
}

// "Label" + number, left out when no report gave the number.
void AddNumberLine(TreeViewNode& parent, const char* label, int32_t value) {
    if (value == -1) return;
    Str text(label);
    text.AppendNumber(value);
    AddLine(parent, std::move(text));
}

void AddEconomy(TreeViewNode& title, const AtlHexData& hex, const TurnExtras* extras) {
    const LocationNode& loc = hex.Location();
    if (loc.peasants != -1) {
        Str text("Peasants: ");
        text.AppendNumber(loc.peasants);
        text += " ";
        text += loc.peasantRace;
        AddLine(title, std::move(text));
    }
    AddNumberLine(title, "Taxes: $", loc.silver);
    if (loc.wages != -1) {
        Str text("Wages: $");
        text += WagesText(loc.wages, loc.coord, extras);
        if (loc.maxWages != -1) {
            text += " (Max: $";
            text.AppendNumber(loc.maxWages);
            text += ")";
        }
        AddLine(title, std::move(text));
    }
    AddNumberLine(title, "Entertainment: $", loc.entertainment);
    AddLine(title, "Last seen: " + hex.seenDate.GetString());
}

// What the turn of the hex's sighting kept beyond its records; null for a turn read before
// that was kept.
const TurnExtras* ExtrasOf(const VexlorDoc& doc, const AtlHexData& hex) {
    const VexlorDoc* source = SourceDoc(doc, hex.source);
    return source ? KeptExtras(*source, hex.seenDate) : nullptr;
}

// "Seen by Blue Herons (4), March, Year 3" for each of the hex's sightings that is an ally's.
void AddSources(TreeViewNode& title, const VexlorDoc& doc, const AtlHexData& hex) {
    if (doc.Extras().allies.IsEmpty()) return;
    auto add = [&](int source) {
        const AllyMap* ally = doc.Extras().allies.Find(source);
        if (!ally || source == doc.GetFaction().Number()) return;
        AddLine(title, EnglishMessage(Msg::SeenBy, {ally->name.View(), std::to_string(source),
                                                    hex.seenDate.GetString().View()}));
    };
    add(hex.source);
    for (const HexSighting& other : hex.SameMonth())
        add(other.source);
}

// A heading of what the sighting places here; "... seen in March, Year 3:" when the sighting is
// from an earlier month than the map's.
DescrTVNode* AddDatedHeading(TreeViewNode& parent, const char* text, int seenText, uint32_t branch,
                             const AtlHexData& hex, const DescrOptions& options) {
    if (!hex.Has(AtlHexData::HexEarlier)) return AddHeading(parent, text, branch, options);
    Str dated = EnglishMessage(seenText, {hex.seenDate.GetString().Get()});
    return AddHeading(parent, dated.Get(), branch, options);
}

// Each unit's line as its sighting's report gives it: the faction names of that report, and
// the details where the report is its owner's.
class UnitLines {
public:
    UnitLines(const VexlorDoc& doc, const AtlHexData& hex) : sources_(doc, hex.seenDate) {}

    void Add(TreeViewNode& parent, const HexUnit& seen, bool withBuilding) {
        AddUnit(parent, sources_.FactionNames(seen.source), *seen.unit, withBuilding,
                sources_.Details(seen));
    }

private:
    UnitSources sources_;
};

void AddUnitsAndBuildings(TreeViewNode& title, const VexlorDoc& doc, const AtlHexData& hex,
                          const DescrOptions& options) {
    UnitLines lines(doc, hex);
    const UnitOwners owners = OwnersOf(doc);
    DescrTVNode* myUnits =
        AddDatedHeading(title, "Your units: ", Msg::MyUnitsSeenIn, BranchMyUnits, hex, options);
    // Only a map that holds allies has their heading, so that others' descriptions stay as
    // they were.
    DescrTVNode* alliedUnits =
        owners.allies.empty()
            ? nullptr
            : AddDatedHeading(title, EnglishMessage(Msg::AlliedUnits), Msg::AlliedUnitsSeenIn,
                              BranchAlliedUnits, hex, options);
    DescrTVNode* otherUnits = AddDatedHeading(title, "Other units:", Msg::OtherUnitsSeenIn,
                                              BranchOtherUnits, hex, options);
    const std::vector<HexUnit> units = HexUnits(hex);
    // The player's units are listed where the map marks them (FormatMap decides).
    bool ownHere = hex.Has(AtlHexData::HexOwnUnits);
    for (const HexUnit& seen : units) {
        int faction = seen.unit->faction.Number();
        if (owners.IsOwn(faction)) {
            if (ownHere) lines.Add(*myUnits, seen, true);
        } else if (alliedUnits && owners.IsAlly(faction)) {
            lines.Add(*alliedUnits, seen, true);
        } else {
            lines.Add(*otherUnits, seen, true);
        }
    }

    // The units of each building number, found in one pass; a number that several buildings
    // share (only a damaged or crafted document has that) lists its units under the first, so
    // the tree never grows beyond one line per unit and building.
    std::unordered_map<int, std::vector<const HexUnit*>> inBuilding;
    for (const HexUnit& seen : units)
        if (seen.unit->building != 0) inBuilding[seen.unit->building].push_back(&seen);

    DescrTVNode* buildings =
        AddDatedHeading(title, "Buildings:", Msg::BuildingsSeenIn, BranchBuildings, hex, options);
    for (const BuildingNode& building : hex.Location().buildings) {
        Str text(building.name);
        text += " [";
        text.AppendNumber(building.number);
        text += "] : ";
        text += building.text;
        DescrTVNode* line = AddLine(*buildings, std::move(text));
        // Building 0 is no building: the units outside all buildings do not belong here.
        if (building.number == 0) continue;
        auto found = inBuilding.find(building.number);
        if (found == inBuilding.end()) continue;
        for (const HexUnit* seen : found->second)
            lines.Add(*line, *seen, false);
        inBuilding.erase(found);
    }
}

// The player's note on the hex, open, its lines below its heading; a bookmark alone is one
// line.
void AddNote(TreeViewNode& root, const HexNote* note) {
    if (!note) return;
    if (note->text.IsEmpty()) {
        if (note->IsBookmarked()) AddLine(root, EnglishMessage(Msg::BookmarkedHex));
        return;
    }
    DescrTVNode* heading = AddLine(
        root, EnglishMessage(note->IsBookmarked() ? Msg::BookmarkedNoteHeading : Msg::NoteHeading));
    for (std::string_view line : NoteLines(note->text.View()))
        AddLine(*heading, Str(line));
    heading->SetOpen(true);
}

} // namespace

std::unique_ptr<DescrTVRoot> BuildDescrTree(const VexlorDoc& doc, const AtlMap& map,
                                            const AtlCoord& c, const DescrOptions& options) {
    if (!doc.LastTurn() && doc.Extras().allies.IsEmpty()) return nullptr;
    const AtlHexData* hex = map.GetHex(c);
    if (!hex) return nullptr;
    auto root = std::make_unique<DescrTVRoot>();
    AddNote(*root, doc.Extras().notes.Find(c));
    const LocationNode& loc = hex->Location();
    bool known = !loc.terrain.IsDefault();
    Str titleText;
    if (known) {
        titleText = loc.terrain.GetString();
        titleText += " ";
        titleText += c.GetString();
        titleText += " in ";
        titleText += loc.regionName;
    } else {
        titleText = c.GetString();
    }
    DescrTVNode* title = AddLine(*root, std::move(titleText));
    if (!known) return root;

    Str contains("Contains: ");
    if (!loc.townName.IsEmpty()) {
        contains += loc.townName;
        contains += " [";
        contains += loc.townType;
        contains += "]";
    } else {
        contains += "nothing";
    }
    AddLine(*title, std::move(contains));

    if (hex->Has(AtlHexData::HexPartial)) {
        AddSources(*title, doc, *hex);
    } else {
        const TurnExtras* extras = ExtrasOf(doc, *hex);
        AddEconomy(*title, *hex, extras);
        AddSources(*title, doc, *hex);
        AddPricedItems(*AddHeading(*title, "Wanted: ", BranchWanted, options), loc.wanted);
        AddPricedItems(*AddHeading(*title, "For Sale: ", BranchForSale, options), loc.forSale);
        AddItems(*AddHeading(*title, "Products: ", BranchProducts, options), loc.products);
        AddRegionExtras(*title, extras ? extras->FindRegion(c) : nullptr, options);
        AddUnitsAndBuildings(*title, doc, *hex, options);
    }
    title->SetOpen(true);
    return root;
}
