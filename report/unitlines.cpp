#include "report/unitlines.h"

#include "report/itemlist.h"
#include "report/reportlines.h"
#include "report/scan.h"
#include "report/sections.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

int ReadFactionNameNum(const char*& cursor, Str& name, int& number) {
    const char* paren = FindNumInParan(cursor);
    if (!paren || paren == cursor) return -1;
    const char* comma = searchback(cursor, paren - 1, ',');
    if (!comma) return -1;
    const char* p = comma + 1;
    Str factionName;
    int factionNumber;
    if (read_before(p, factionName, "(") != 0 || ReadParanNumber(p, factionNumber) != 0) return -1;
    name = std::move(factionName);
    number = factionNumber;
    cursor = p;
    return 0;
}

namespace {

// The words from the cursor (after the faction part) up to the items, each after ", ": a
// description after the items holds commas too, and its words are no flags.
std::vector<std::string_view> WordsBeforeItems(const char* p) {
    const char* abbr = FindContraction(p);
    const char* end = abbr ? searchback(p, abbr, ',') : nullptr;
    if (!end) end = p + std::strcspn(p, ".;");
    std::vector<std::string_view> words;
    while (p < end && skiptempl(p, ", ") == 0) {
        const char* word = p;
        while (p < end && *p != ',')
            ++p;
        const char* wordEnd = p;
        skipspacesback(word, wordEnd);
        if (wordEnd > word) words.emplace_back(word, static_cast<size_t>(wordEnd - word));
    }
    return words;
}

} // namespace

int ReadUnitInfo(const char*& cursor, UnitNode& unit, FactionNames& factions) {
    const char* p = cursor;
    skipspaces(p);
    if (skiptempl(p, "- ") != 0 && skiptempl(p, "* ") != 0) return -1;
    Str name;
    int number;
    if (read_before(p, name, "(") != 0 || ReadParanNumber(p, number) != 0) return -1;
    unit.name = std::move(name);
    unit.number = number;
    if (skiptempl(p, ", on guard") == 0) unit.flags |= UnitNode::OnGuard;

    Str factionName;
    int faction;
    if (ReadFactionNameNum(p, factionName, faction) == 0) {
        unit.faction = AtlFaction(faction);
        factions.Register(faction, factionName.Get());
    }
    for (std::string_view word : WordsBeforeItems(p))
        for (const UnitFlagWord& f : kUnitFlagWords)
            if (f.flag != UnitNode::OnGuard && word == f.word) unit.flags |= f.flag;

    if (const char* abbr = FindContraction(p)) {
        const char* comma = searchback(p, abbr, ',');
        if (!comma) return -1;
        const char* items = comma + 1;
        skipspaces(items);
        if (ReadItemList(items, unit.items) < 0) return -1;
        p = items;
    }
    cursor = p;
    return 0;
}

int ReadUnitFlagWords(const char* text, int32_t& number, std::vector<Str>& words) {
    const char* p = text;
    skipspaces(p);
    if (skiptempl(p, "- ") != 0 && skiptempl(p, "* ") != 0) return -1;
    std::string_view name;
    int unit;
    if (read_before(p, name, "(") != 0 || ReadParanNumber(p, unit) != 0) return -1;
    std::vector<Str> read;
    if (skiptempl(p, ", on guard") == 0) read.emplace_back("on guard");
    Str factionName;
    int faction;
    ReadFactionNameNum(p, factionName, faction);
    for (std::string_view word : WordsBeforeItems(p))
        read.emplace_back(word);
    number = unit;
    words = std::move(read);
    return 0;
}

bool FlagsSayAll(const std::vector<Str>& words) {
    return std::all_of(words.begin(), words.end(), [](const Str& word) {
        return std::any_of(kUnitFlagWords.begin(), kUnitFlagWords.end(),
                           [&](const UnitFlagWord& f) { return word == f.word; });
    });
}

int ReadBuildingInfo(const char*& cursor, BuildingNode& building) {
    const char* p = cursor;
    skipspaces(p);
    Str name;
    int number;
    if (skiptempl(p, "+ ") != 0 || read_before(p, name, "[") != 0 ||
        ReadBracketNumber(p, number) != 0 || skiptempl(p, " : ") != 0)
        return -1;
    // The document keeps 16 bits: a larger number would land on another building.
    if (number > UINT16_MAX) return -1;
    building.name = std::move(name);
    building.number = static_cast<uint16_t>(number);
    building.text = Str(p);
    cursor = p + std::strlen(p);
    return 0;
}

int ReadUnitList(ReportLine*& node, ListT<UnitNode>& units, FactionNames& factions, int building) {
    ReportLine* n = node;
    ReportLine* last = node;
    for (; n && !n->text.IsEmpty(); n = n->Next()) {
        auto* unit = new UnitNode();
        const char* cursor = n->text.Get();
        if (ReadUnitInfo(cursor, *unit, factions) != 0) {
            delete unit;
            return -1;
        }
        unit->building = static_cast<uint16_t>(building);
        units.Add(unit);
        last = n;
    }
    // A report saved without its trailing empty lines ends on the last unit line.
    node = n ? n : last;
    return 0;
}

int ReadBuildingList(ReportLine*& node, ListT<UnitNode>& units, FactionNames& factions,
                     ListT<BuildingNode>& buildings) {
    ReportLine* n = node;
    while (n) {
        auto* building = new BuildingNode();
        const char* cursor = n->text.Get();
        if (ReadBuildingInfo(cursor, *building) != 0) {
            delete building;
            return -1;
        }
        buildings.Add(building);
        ReportLine* unitsAt = n->Next();
        if (ReadUnitList(unitsAt, units, factions, building->number) != 0) return -1;
        node = unitsAt;
        n = FindLocSection(unitsAt, Section::Buildings);
    }
    return 0;
}
