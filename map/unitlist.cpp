#include "map/unitlist.h"

#include "base/messagetext.h"
#include "base/textutil.h"
#include "map/formatmap.h"
#include "map/hexdata.h"
#include "map/unitsources.h"
#include "model/levelname.h"
#include "model/people.h"
#include "model/turnextras.h"
#include "model/vexlordoc.h"

#include <algorithm>
#include <numeric>

namespace {

// ", " between the parts of a list cell.
void AppendPart(Str& text, const Str& part) {
    if (!text.IsEmpty()) text += ", ";
    text += part;
}

Str CountAndAbbr(const ItemNode& item) {
    Str text;
    text.AppendNumber(item.count);
    text += " ";
    text += item.abbr;
    return text;
}

// The building or ship of that number in the hex's sightings, the one on show first.
Str StructureText(const AtlHexData& hex, int number) {
    auto find = [number](const LocationNode& loc) -> const BuildingNode* {
        for (const BuildingNode& building : loc.buildings)
            if (building.number == number) return &building;
        return nullptr;
    };
    const BuildingNode* found = find(hex.Location());
    for (const HexSighting& other : hex.SameMonth())
        if (!found) found = find(*other.loc);
    if (!found) return {};
    Str text(found->name);
    text += " [";
    text.AppendNumber(found->number);
    text += "]";
    return text;
}

// Fills everything of the row that the unit line and its owner's details say.
class RowMaker {
public:
    RowMaker(const VexlorDoc& doc, AtlDate date)
        : owners_(OwnersOf(doc)), sources_(doc, date), people_(&doc.Extras().references) {
        for (int z = 0; z < kNamedLevels; ++z)
            levels_[z] = Str(LevelName(z));
    }

    bool Wanted(const UnitNode& unit, bool all) const {
        const int faction = unit.faction.Number();
        return all || owners_.IsOwn(faction) || owners_.IsAlly(faction);
    }

    UnitRow Make(const AtlHexData& hex, const AtlCoord& c, const HexUnit& seen) {
        const UnitNode& unit = *seen.unit;
        UnitRow row;
        row.coord = c;
        row.level = c.z < kNamedLevels ? levels_[c.z] : Str(LevelName(c.z));
        row.number = unit.number;
        row.name = unit.name;
        row.faction = unit.faction.Number();
        if (row.faction != 0)
            if (const StrAssocNode* named = sources_.FactionNames(seen.source).Find(row.faction))
                row.factionName = named->name;
        row.source = seen.source;
        row.own = owners_.IsOwn(row.faction);
        row.ally = owners_.IsAlly(row.faction);
        for (const ItemNode& item : unit.items) {
            Str part = CountAndAbbr(item);
            if (item.abbr == "SILV") {
                row.silver += item.count;
            } else if (people_.IsPeople(item.abbr.View())) {
                row.men += item.count;
                AppendPart(row.menText, part);
            } else {
                AppendPart(row.otherItems, part);
            }
            AppendPart(row.items, part);
        }
        if (const UnitExtras* details = sources_.Details(seen)) {
            row.weight = details->weight;
            row.capacity = details->capacity;
            for (const SkillRecord& skill : details->skills) {
                Str part(skill.abbr);
                part += " ";
                part.AppendNumber(skill.level);
                AppendPart(row.skills, part);
            }
        }
        if (const std::vector<Str>* words = sources_.FlagWords(seen)) {
            for (const Str& word : *words)
                AppendPart(row.flags, word);
        } else {
            for (const UnitFlagWord& flag : kUnitFlagWords)
                if (unit.flags & flag.flag) AppendPart(row.flags, Str(flag.word));
        }
        if (unit.building != 0) row.structure = StructureText(hex, unit.building);
        return row;
    }

private:
    UnitOwners owners_;
    UnitSources sources_;
    PeopleItems people_;
    Str levels_[kNamedLevels];
};

} // namespace

std::vector<UnitRow> ListUnits(const VexlorDoc& doc, AtlDate date, bool all) {
    std::vector<UnitRow> rows;
    RowMaker maker(doc, date);
    ForEachUnitSeenIn(doc, date,
                      [&](const AtlHexData& hex, const AtlCoord& c, const HexUnit& unit) {
                          if (maker.Wanted(*unit.unit, all))
                              rows.push_back(maker.Make(hex, c, unit));
                      });
    return rows;
}

int UnitColumnHeading(UnitColumn column) {
    switch (column) {
    case UnitColumn::Number:
        return Msg::UnitNumber;
    case UnitColumn::Name:
        return Msg::UnitName;
    case UnitColumn::Faction:
        return Msg::UnitFaction;
    case UnitColumn::Hex:
        return Msg::UnitHex;
    case UnitColumn::Level:
        return Msg::UnitLevel;
    case UnitColumn::Men:
        return Msg::UnitMen;
    case UnitColumn::Silver:
        return Msg::UnitSilver;
    case UnitColumn::Items:
        return Msg::UnitItems;
    case UnitColumn::Skills:
        return Msg::UnitSkills;
    case UnitColumn::Weight:
        return Msg::UnitWeight;
    case UnitColumn::Capacity:
        return Msg::UnitCapacity;
    case UnitColumn::Flags:
        return Msg::UnitFlags;
    case UnitColumn::Structure:
        break;
    }
    return Msg::UnitStructure;
}

namespace {

Str NumberText(long long value) {
    Str text;
    if (value != -1) text.AppendNumber(value);
    return text;
}

} // namespace

Str UnitCell(const UnitRow& row, UnitColumn column) {
    switch (column) {
    case UnitColumn::Number:
        return NumberText(row.number);
    case UnitColumn::Name:
        return row.name;
    case UnitColumn::Faction: {
        if (row.faction == 0) return {};
        Str text(row.factionName);
        if (!text.IsEmpty()) text += " ";
        text += "(";
        text.AppendNumber(row.faction);
        text += ")";
        return text;
    }
    case UnitColumn::Hex: {
        Str text;
        text.AppendNumber(row.coord.x);
        text += ",";
        text.AppendNumber(row.coord.y);
        text += ",";
        text.AppendNumber(row.coord.z);
        return text;
    }
    case UnitColumn::Level:
        return row.level;
    case UnitColumn::Men:
        return row.menText;
    case UnitColumn::Silver:
        return NumberText(row.silver);
    case UnitColumn::Items:
        return row.otherItems;
    case UnitColumn::Skills:
        return row.skills;
    case UnitColumn::Weight:
        return NumberText(row.weight);
    case UnitColumn::Capacity:
        return row.capacity;
    case UnitColumn::Flags:
        return row.flags;
    case UnitColumn::Structure:
        break;
    }
    return row.structure;
}

std::optional<int64_t> UnitSortNumber(const UnitRow& row, UnitColumn column) {
    switch (column) {
    case UnitColumn::Number:
        return row.number;
    case UnitColumn::Men:
        return row.men;
    case UnitColumn::Silver:
        return row.silver;
    case UnitColumn::Weight:
        return row.weight;
    case UnitColumn::Level:
        return row.coord.z;
    case UnitColumn::Hex:
        return static_cast<int64_t>(row.coord.Packed());
    default:
        return std::nullopt;
    }
}

void SortUnitRows(std::vector<UnitRow>& rows, UnitColumn column, bool ascending) {
    if (rows.empty()) return;
    // Each row's key made once, so that a sort of thousands of rows compares numbers or
    // ready texts only.
    const bool numeric = UnitSortNumber(rows.front(), column).has_value();
    std::vector<int64_t> numbers;
    std::vector<Str> texts;
    for (const UnitRow& row : rows)
        if (numeric)
            numbers.push_back(*UnitSortNumber(row, column));
        else
            texts.push_back(UnitCell(row, column));

    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t{0});
    auto compare = [&](size_t a, size_t b) {
        return numeric ? numbers[a] < numbers[b] : texts[a] < texts[b];
    };
    if (ascending)
        std::stable_sort(order.begin(), order.end(), compare);
    else
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return compare(b, a); });

    std::vector<UnitRow> sorted;
    sorted.reserve(rows.size());
    for (size_t i : order)
        sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

namespace {

// One field of a tab-separated line: a tab or a line break in it would split the line.
void AppendTabbedField(std::string& out, std::string_view field) {
    for (char c : field)
        out += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
}

template <class AppendField>
Str Table(const std::vector<UnitRow>& rows, std::span<const UnitColumn> columns, bool header,
          char separator, const char* lineEnd, AppendField append) {
    std::string out;
    auto line = [&](auto cell) {
        for (size_t i = 0; i < columns.size(); ++i) {
            if (i != 0) out += separator;
            append(out, cell(columns[i]).View());
        }
        out += lineEnd;
    };
    if (header) line([](UnitColumn c) { return Str(EnglishMessage(UnitColumnHeading(c))); });
    for (const UnitRow& row : rows)
        line([&row](UnitColumn c) { return UnitCell(row, c); });
    return Str(std::move(out));
}

} // namespace

Str UnitRowsCsv(const std::vector<UnitRow>& rows, std::span<const UnitColumn> columns,
                bool header) {
    return Table(rows, columns, header, ',', "\r\n", AppendCsvField);
}

Str UnitRowsTabbed(const std::vector<UnitRow>& rows, std::span<const UnitColumn> columns,
                   bool header) {
    return Table(rows, columns, header, '\t', "\n", AppendTabbedField);
}
