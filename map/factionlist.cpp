#include "map/factionlist.h"

#include "base/textutil.h"
#include "map/unitsources.h"
#include "model/location.h"
#include "model/vexlordoc.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string_view>

namespace {

// A faction a line of the declared attitudes names: "Friendly : Red Wolves (3), Blue Herons
// (4)." names two, "Hostile : none." none.
struct Declared {
    int number;
    Str name;
    Str attitude;
};

// Each faction ends in "(number)" before ", " or the closing ".", so that a name holding a
// comma or parentheses of its own still reads whole.
void ReadAttitudeLine(std::string_view line, std::vector<Declared>& into) {
    const size_t colon = line.find(" : ");
    if (colon == std::string_view::npos) return;
    const Str attitude(Trim(line.substr(0, colon)));
    const std::string_view list = line.substr(colon + 3);
    size_t start = 0;
    for (size_t open = list.find('('); open != std::string_view::npos;
         open = list.find('(', open + 1)) {
        const size_t close = list.find(')', open);
        if (close == std::string_view::npos) break;
        const size_t after = close + 1;
        if (after < list.size() && list[after] != ',' && list[after] != '.') continue;
        const std::optional<long> number =
            ParseWhole(list.substr(open + 1, close - open - 1), 1, INT32_MAX);
        if (!number) continue;
        into.push_back(
            {static_cast<int>(*number), Str(Trim(list.substr(start, open - start))), attitude});
        start = after + 1;
    }
}

std::vector<Declared> DeclaredIn(const FactionPage& page) {
    std::vector<Declared> declared;
    for (const Str& line : page.attitudes)
        ReadAttitudeLine(line.View(), declared);
    return declared;
}

// The rows being gathered, by number, with the month of each row's name.
class Gathering {
public:
    // A report of date named the faction: the newest name stands; at one month the first.
    void Named(int number, const Str& name, AtlDate date) {
        auto [at, isNew] = rows_.try_emplace(number);
        Entry& entry = at->second;
        if (isNew) {
            entry.row.number = number;
            entry.row.first = entry.row.last = date;
        }
        entry.row.first = std::min(entry.row.first, date);
        entry.row.last = std::max(entry.row.last, date);
        if (!name.IsEmpty() && (entry.row.name.IsEmpty() || date > entry.named)) {
            entry.row.name = name;
            entry.named = date;
        }
    }
    // The factions of every turn of a source: those its units named and those it declared
    // attitudes towards.
    void NamedBy(const VexlorDoc& source) {
        for (const TurnNode& turn : source.Turns()) {
            for (const StrAssocNode* f = turn.factions.GetFirst(); f; f = f->Next())
                Named(f->key, f->name, turn.date);
            for (const Declared& declared : DeclaredIn(turn.extras.FactionPageOnce()))
                Named(declared.number, declared.name, turn.date);
        }
    }
    FactionRow* Find(int number) {
        auto at = rows_.find(number);
        return at == rows_.end() ? nullptr : &at->second.row;
    }
    std::vector<FactionRow> Rows() {
        std::vector<FactionRow> rows;
        rows.reserve(rows_.size());
        for (auto& [number, entry] : rows_)
            rows.push_back(std::move(entry.row));
        return rows;
    }

private:
    struct Entry {
        FactionRow row;
        AtlDate named;
    };
    std::map<int, Entry> rows_;
};

} // namespace

std::vector<FactionRow> ListFactions(const VexlorDoc& doc, AtlDate date) {
    Gathering gathering;
    gathering.NamedBy(doc);
    for (const auto& ally : doc.Extras().allies.All()) {
        gathering.NamedBy(*ally->doc);
        // An ally whose reports never name it still stands in the list under the name given.
        const int number = ally->doc->GetFaction().Number();
        if (!gathering.Find(number) && !ally->doc->Turns().IsEmpty())
            gathering.Named(number, ally->name, ally->doc->FirstTurn()->date);
    }

    // The units of a hex come one after another, each hex once: a faction's last hex tells
    // whether this one is counted yet.
    std::map<int, AtlCoord> lastHexOf;
    ForEachUnitSeenIn(doc, date,
                      [&](const AtlHexData&, const AtlCoord& coord, const HexUnit& seen) {
                          const int number = seen.unit->faction.Number();
                          if (number == 0) return;
                          FactionRow* row = gathering.Find(number);
                          if (!row) {
                              // Units name their faction in the turn's list; a map made otherwise
                              // still counts.
                              gathering.Named(number, Str(), date);
                              row = gathering.Find(number);
                          }
                          ++row->units;
                          auto [last, isNew] = lastHexOf.try_emplace(number, coord);
                          if (isNew || last->second != coord) ++row->hexes;
                          last->second = coord;
                      });

    if (const TurnNode* turn = doc.FindTurn(date))
        for (const Declared& declared : DeclaredIn(turn->extras.FactionPageOnce()))
            if (FactionRow* row = gathering.Find(declared.number))
                row->attitude = declared.attitude;

    std::vector<FactionRow> rows = gathering.Rows();
    const int own = doc.GetFaction().Number();
    for (FactionRow& row : rows) {
        row.own = own != 0 && row.number == own;
        row.ally = doc.Extras().allies.Find(row.number) != nullptr;
    }
    return rows;
}

std::vector<AtlCoord> FactionHexes(const VexlorDoc& doc, AtlDate date, int faction) {
    std::vector<AtlCoord> hexes;
    ForEachUnitSeenIn(
        doc, date, [&](const AtlHexData&, const AtlCoord& coord, const HexUnit& seen) {
            if (seen.unit->faction.Number() == faction && (hexes.empty() || hexes.back() != coord))
                hexes.push_back(coord);
        });
    return hexes;
}
