#include "map/hexhistory.h"

#include "model/location.h"
#include "model/turn.h"
#include "model/vexlordoc.h"

#include <map>
#include <utility>

namespace {

using Keyed = std::vector<std::pair<Str, Str>>; // thing, its value

Str Number(int32_t value) {
    Str text;
    if (value != -1) text.AppendNumber(value);
    return text;
}

Str TownText(const LocationNode& loc) {
    if (loc.townName.IsEmpty()) return Str();
    return loc.townName + " [" + loc.townType + "]";
}

Keyed Products(const LocationNode& loc) {
    Keyed out;
    for (const ItemNode& item : loc.products)
        out.emplace_back(item.name, ItemText(item));
    return out;
}

Keyed Market(const ListT<ItemPriceNode>& items) {
    Keyed out;
    for (const ItemPriceNode& item : items)
        out.emplace_back(item.name, PricedItemText(item));
    return out;
}

Keyed Buildings(const LocationNode& loc) {
    Keyed out;
    for (const BuildingNode& b : loc.buildings) {
        Str name = b.name + " [";
        name.AppendNumber(b.number);
        name += "]";
        out.emplace_back(std::move(name), b.text);
    }
    return out;
}

// How many units of each faction stand there, by faction number.
Keyed UnitsByFaction(const LocationNode& loc) {
    std::map<int, int32_t> counts;
    for (const UnitNode& unit : loc.units)
        ++counts[unit.faction.Number()];
    Keyed out;
    for (const auto& [faction, count] : counts)
        out.emplace_back(Number(faction), Number(count));
    return out;
}

void AddIfDiffers(std::vector<HexFieldChange>& out, HexField field, Str before, Str after) {
    if (before != after) out.push_back({field, Str(), std::move(before), std::move(after)});
}

void AddKeyed(std::vector<HexFieldChange>& out, HexField field, const Keyed& before,
              const Keyed& after) {
    auto find = [](const Keyed& list, const Str& key) -> const Str* {
        for (const auto& [name, value] : list)
            if (name == key) return &value;
        return nullptr;
    };
    for (const auto& [name, value] : before) {
        const Str* now = find(after, name);
        if (!now || *now != value) out.push_back({field, name, value, now ? *now : Str()});
    }
    for (const auto& [name, value] : after)
        if (!find(before, name)) out.push_back({field, name, Str(), value});
}

void ListPrices(const ListT<ItemPriceNode>& items, std::vector<MarketPrice>& out) {
    for (const ItemPriceNode& item : items)
        out.push_back({item.name, item.price});
}

} // namespace

std::vector<HexFieldChange> DiffSightings(const LocationNode& before, std::string_view wagesBefore,
                                          const LocationNode& after, std::string_view wagesAfter) {
    std::vector<HexFieldChange> out;
    AddIfDiffers(out, HexField::Terrain, before.terrain.GetString(), after.terrain.GetString());
    AddIfDiffers(out, HexField::Town, TownText(before), TownText(after));
    AddIfDiffers(out, HexField::Peasants, Number(before.peasants), Number(after.peasants));
    AddIfDiffers(out, HexField::Taxes, Number(before.silver), Number(after.silver));
    AddIfDiffers(out, HexField::Wages, Str(wagesBefore), Str(wagesAfter));
    AddIfDiffers(out, HexField::Entertainment, Number(before.entertainment),
                 Number(after.entertainment));
    AddKeyed(out, HexField::Product, Products(before), Products(after));
    AddKeyed(out, HexField::ForSale, Market(before.forSale), Market(after.forSale));
    AddKeyed(out, HexField::Wanted, Market(before.wanted), Market(after.wanted));
    AddKeyed(out, HexField::Building, Buildings(before), Buildings(after));
    AddKeyed(out, HexField::Units, UnitsByFaction(before), UnitsByFaction(after));
    return out;
}

std::vector<HexSightingRecord> HexHistory(const VexlorDoc& doc, const AtlCoord& coord) {
    std::vector<HexSightingRecord> out;
    // Two scratch locations in turn: the one read last stays for the next comparison.
    LocationNode scratch[2];
    const LocationNode* previous = nullptr;
    Str previousWages;
    int next = 0;
    doc.Sightings().ForEachTaken(coord, [&](const SightingIndex::Taken& taken) {
        if (taken.partial) return;
        const LocationNode* loc = taken.turn->LocationAtOnce(taken.ordinal, scratch[next]);
        if (!loc) return;
        next = 1 - next;
        TurnExtras wagesScratch; // the decimals of this turn alone
        Str wages = WagesText(loc->wages, loc->coord, taken.turn->extras.WagesOnce(wagesScratch));

        HexSightingRecord& row = out.emplace_back();
        row.date = taken.date;
        row.source = taken.source;
        row.terrain = loc->terrain.GetString();
        row.town = loc->townName;
        row.townType = loc->townType;
        row.peasants = loc->peasants;
        row.taxes = loc->silver;
        row.wages = wages;
        row.entertainment = loc->entertainment;
        row.units = static_cast<int32_t>(loc->units.LongCountNodes());
        row.buildings = static_cast<int32_t>(loc->buildings.LongCountNodes());
        ListPrices(loc->forSale, row.forSale);
        ListPrices(loc->wanted, row.wanted);
        if (previous)
            row.changes = DiffSightings(*previous, previousWages.View(), *loc, wages.View());
        previous = loc;
        previousWages = std::move(wages);
    });
    return out;
}
