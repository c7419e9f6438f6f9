#include "report/regions.h"

#include "base/debugtrap.h"
#include "report/extrasreader.h"
#include "report/itemlist.h"
#include "report/linetype.h"
#include "report/reportlines.h"
#include "report/scan.h"
#include "report/sections.h"
#include "report/unitlines.h"

#include <array>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

namespace {

// The region name runs to the first ","; only a line without one ends it at its final ".",
// so that a name with a dot ("St. Ives") is read whole.
int ReadRegionName(const char*& cursor, Str& name) {
    if (const char* comma = std::strchr(cursor, ',')) {
        const char* start = cursor;
        skipspaces(start);
        const char* end = comma;
        skipspacesback(start, end);
        name = Str(std::string_view(start, static_cast<size_t>(end - start)));
        cursor = comma;
        return 0;
    }
    size_t length = std::strlen(cursor);
    if (length == 0 || cursor[length - 1] != '.') return -1;
    const char* start = cursor;
    skipspaces(start);
    const char* end = cursor + length - 1;
    if (end < start) return -1;
    const char* dot = end;
    skipspacesback(start, end);
    name = Str(std::string_view(start, static_cast<size_t>(end - start)));
    cursor = dot;
    return 0;
}

} // namespace

int ReadLocationBasicInfo(const char*& cursor, TerrainType& terrain, AtlCoord& coord,
                          Str& regionName, Str& townName, Str& townType) {
    const char* p = cursor;
    skipspaces(p);
    std::string_view word;
    Str region, town, type;
    TerrainType t;
    AtlCoord c;
    if (read_before(p, word, "(") != 0 || GetTerrainType(word, t) != 0) return -1;
    if (int read = ReadCoords(p, c); read != 0) return read;
    if (skiptempl(p, " in ") != 0 || ReadRegionName(p, region) != 0) return -1;
    bool hasTown = skiptempl(p, ", contains ") == 0;
    if (hasTown && (read_before(p, town, "[") != 0 || ReadBracketStr(p, type) != 0)) return -1;
    terrain = t;
    coord = c;
    regionName = std::move(region);
    if (hasTown) {
        townName = std::move(town);
        townType = std::move(type);
    }
    cursor = p;
    return 0;
}

int ReadPeasantPart(const char*& cursor, int& peasants, Str& race, int& silver) {
    const char* p = cursor;
    if (std::strcmp(p, ".") == 0) return 0; // regions without people: ocean, nexus, caverns
    int count, amount;
    Str who;
    if (skiptempl(p, ", ") != 0 || ReadNumber(p, count) != 0 || skiptempl(p, " peasants ") != 0 ||
        ReadParanStr(p, who) != 0 || skiptempl(p, ", $") != 0 || ReadNumber(p, amount) != 0)
        return -1;
    peasants = count;
    race = std::move(who);
    silver = amount;
    cursor = p;
    return 0;
}

namespace {

// Steps over the decimal part of an amount ("$15.1"): the version-1 record keeps whole silver.
// Its digits go to decimals when given.
void SkipDecimals(const char*& p, Str* decimals) {
    if (p[0] == '.' && p[1] >= '0' && p[1] <= '9') {
        const char* digits = ++p;
        while (*p >= '0' && *p <= '9')
            ++p;
        if (decimals) *decimals = Str(std::string_view(digits, static_cast<size_t>(p - digits)));
    }
}

} // namespace

int ReadWagesAmounts(const char*& cursor, int& wages, int& maxWages, Str* decimals) {
    const char* p = cursor;
    int amount, maximum;
    if (ReadNumber(p, amount) != 0) return -1;
    SkipDecimals(p, decimals);
    if (skiptempl(p, " (Max: $") == 0) {
        if (ReadNumber(p, maximum) != 0) return -1;
        maxWages = maximum;
    } else if (std::strcmp(p, ".") != 0 && *p != 0) {
        return -1;
    }
    wages = amount;
    cursor = p;
    return 0;
}

bool IsNoExitLine(const char* text) {
    const char* p = text;
    skipspaces(p);
    if (skiptempl(p, "none") != 0) return false;
    skipspaces(p);
    return *p == 0 || std::strcmp(p, ".") == 0;
}

namespace {

int Fault(RegionFault* fault, RegionFault::Kind kind, const ReportLine* line) {
    if (fault && fault->kind == RegionFault::None) {
        fault->kind = kind;
        fault->line = line ? line->line : 0;
    }
    return -1;
}

int BasicInfoFault(RegionFault* fault, int read, const ReportLine* line) {
    return Fault(fault,
                 read == kCoordsTooLarge ? RegionFault::CoordinateTooLarge : RegionFault::Malformed,
                 line);
}

} // namespace

int ReadExits(ReportLine*& node, TurnNode& turn, const AtlCoord& from, LevelWidths* widths,
              RegionFault* fault, TurnExtras* extras) {
    if (!node) return -1;
    // The exit lines as the report lists them, kept beside the neighbours' records.
    std::vector<ExitRecord>* kept = extras ? &extras->Region(from).exits : nullptr;
    if (kept) {
        kept->clear();
        kept->reserve(6); // a hex has six sides
    }
    ReportLine* last = node;
    for (ReportLine* n = node->Next(); n; last = n, n = n->Next()) {
        if (n->text.IsEmpty()) {
            node = n;
            return 0;
        }
        if (IsNoExitLine(n->text.Get())) continue;
        ExitRecord read;
        ExitRecord& exit = kept ? kept->emplace_back() : read;
        if (int result = ReadExitLine(n->text.Get(), exit)) {
            if (kept) kept->pop_back();
            return BasicInfoFault(fault, result, n);
        }
        const AtlCoord& coord = exit.target;
        if (exit.terrain.IsDefault() || (coord.x == 0 && coord.y == 0 && coord.z == 0))
            DebugTrap("exit without terrain or at zero coordinates");
        if (widths) widths->LearnFromExit(from, exit.direction, coord);
        bool isNew = false;
        LocationNode* loc = turn.RegisterLoc(coord, &isNew);
        if (isNew) loc->flags |= LocationNode::LocPartial;
        loc->terrain = exit.terrain;
        loc->regionName = exit.regionName;
        loc->townName = exit.townName;
        loc->townType = exit.townType;
    }
    // A report saved without its trailing empty lines ends on its last exit.
    node = last;
    return 0;
}

namespace {

// "none." leaves a list as it is.
bool IsNone(const char* p) {
    return std::strncmp(p, "none.", 5) == 0;
}

// The detail lines of a block in their fixed order; each search starts after the previous
// line found. `last` ends on the last detail line found (or stays on the rule).
int ReadDetails(ReportLine*& last, LocationNode& loc) {
    ReportLine* from = last->Next();
    if (ReportLine* n = FindLocSection(from, Section::Wages)) {
        const char* p = n->text.Get();
        if (skiptempl(p, "  Wages: $") != 0 || ReadWagesAmounts(p, loc.wages, loc.maxWages) != 0)
            return -1;
        last = n;
        from = n->Next();
    } else {
        DebugTrap("region without a wages line");
    }
    struct PriceList {
        Section::Type type;
        const char* head;
        ListT<ItemPriceNode>* list;
    } priceLists[] = {{Section::Wanted, "  Wanted: ", &loc.wanted},
                      {Section::ForSale, "  For Sale: ", &loc.forSale}};
    for (const PriceList& l : priceLists) {
        ReportLine* n = FindLocSection(from, l.type);
        if (!n) {
            DebugTrap("region without a wanted or for-sale line");
            continue;
        }
        const char* p = n->text.Get();
        if (skiptempl(p, l.head) != 0) return -1;
        if (!IsNone(p) && ReadItemPriceList(p, *l.list) < 0) return -1;
        last = n;
        from = n->Next();
    }
    if (ReportLine* n = FindLocSection(from, Section::Entertainment)) {
        const char* p = n->text.Get();
        int amount;
        if (skiptempl(p, "  Entertainment available: $") != 0 || ReadNumber(p, amount) != 0)
            return -1;
        loc.entertainment = amount;
        last = n;
        from = n->Next();
    } else {
        DebugTrap("region without an entertainment line");
    }
    if (ReportLine* n = FindLocSection(from, Section::Products)) {
        const char* p = n->text.Get();
        if (skiptempl(p, "  Products: ") != 0) return -1;
        if (!IsNone(p) && ReadItemList(p, loc.products) < 0) return -1;
        last = n;
    } else {
        DebugTrap("region without a products line");
    }
    return 0;
}

// The "Exits:" paragraph of the block, searched from `from`; null when the block ends (a rule
// or the orders template) first, so that a block never takes its neighbour's exits.
ReportLine* FindBlockExits(ReportLine* from) {
    ReportLine* exits = FindSection(from, Section::Exits);
    if (!exits) return nullptr;
    for (ReportLine* n = from->Next(); n && n != exits; n = n->Next()) {
        int type = n->type;
        if (type == LineType::Rule || type == LineType::OrdersTemplate) return nullptr;
    }
    return exits;
}

void NoteChangedLocation(const LocationNode& loc, const TerrainType& terrain, const Str& name) {
    if (!(loc.terrain == terrain) || !(loc.regionName == name))
        DebugTrap("a known location changes its terrain or name");
}

// The lists of a region that its blocks add to, in the order ListBeyondLimit checks them.
enum BlockList { kUnits, kBuildings, kWanted, kForSale, kProducts, kBlockLists };

const List& ListOf(const LocationNode& loc, int which) {
    switch (which) {
    case kUnits:
        return loc.units;
    case kBuildings:
        return loc.buildings;
    case kWanted:
        return loc.wanted;
    case kForSale:
        return loc.forSale;
    default:
        return loc.products;
    }
}

// Counts the entries of the lists blocks add to, so that no list is walked twice: a crafted
// report may give one region any number of blocks. A region whose lists held entries before
// its block keeps its counts for the next block; one met for the first time needs no record.
class ListCounter {
public:
    // Before a block adds to loc's lists.
    void Mark(const LocationNode& loc) {
        loc_ = &loc;
        auto kept = kept_.find(&loc);
        keep_ = kept != kept_.end();
        for (int i = 0; i < kBlockLists; ++i) {
            const List& list = ListOf(loc, i);
            long count = keep_ ? kept->second[i] : list.LongCountNodes();
            entries_[i] = Entry{count, list.GetLast()};
        }
        for (const Entry& e : entries_)
            keep_ = keep_ || e.count > 0;
    }
    // After it: the first entry it added to the list (null when none); Count includes them
    // from now on.
    const Node* TakeAdded(int which) {
        Entry& e = entries_[which];
        const List& list = ListOf(*loc_, which);
        const Node* first = e.tail ? e.tail->GetNext() : list.GetFirst();
        for (const Node* n = first; n; n = n->GetNext())
            ++e.count;
        e.tail = list.GetLast();
        if (keep_) kept_[loc_][which] = e.count;
        return first;
    }
    long Count(int which) const { return entries_[which].count; }

private:
    struct Entry {
        long count = 0;
        const Node* tail = nullptr;
    };
    const LocationNode* loc_ = nullptr;
    bool keep_ = false;
    Entry entries_[kBlockLists];
    std::unordered_map<const LocationNode*, std::array<long, kBlockLists>> kept_;
};

// What reading the blocks of one turn carries from block to block.
struct BlockReading {
    TurnNode& turn;
    LevelWidths* widths;
    RegionFault& fault;
    ListCounter counter;
    std::unordered_set<int32_t> factions; // the numbers of the turn's factions
    TurnExtras* extras = nullptr;         // keeps each block's exits, when given
    FactionNames names;                   // registers into the turn's faction list
};

// One region block from its region line; pos ends on the empty line after the exits. A fault
// that names no line of its own names the region line.
int ReadLocation(ReportLine* region, ReportLine*& pos, BlockReading& reading) {
    TurnNode& turn = reading.turn;
    RegionFault* fault = &reading.fault;
    const char* p = region->text.Get();
    TerrainType terrain;
    AtlCoord coord;
    Str name, town, townType;
    if (int read = ReadLocationBasicInfo(p, terrain, coord, name, town, townType))
        return BasicInfoFault(fault, read, region);

    bool isNew = false;
    LocationNode* loc = turn.RegisterLoc(coord, &isNew);
    reading.counter.Mark(*loc);
    if (!isNew) NoteChangedLocation(*loc, terrain, name);
    loc->terrain = terrain;
    loc->regionName = std::move(name);
    loc->townName = std::move(town);
    loc->townType = std::move(townType);
    loc->flags &= ~static_cast<uint32_t>(LocationNode::LocPartial);

    if (ReadPeasantPart(p, loc->peasants, loc->peasantRace, loc->silver) != 0) return -1;

    ReportLine* last = FindRuleLine(region);
    if (!last || ReadDetails(last, *loc) != 0) return -1;

    ReportLine* exits = FindBlockExits(last);
    if (!exits || ReadExits(exits, turn, coord, reading.widths, fault, reading.extras) != 0)
        return -1;
    pos = exits;

    if (ReportLine* units = FindLocSection(pos, Section::Units))
        if (ReadUnitList(units, loc->units, reading.names, 0) != 0) return -1;
    if (ReportLine* buildings = FindLocSection(pos, Section::Buildings))
        if (ReadBuildingList(buildings, loc->units, reading.names, loc->buildings) != 0) return -1;
    return 0;
}

} // namespace

namespace {

// What the block just read took beyond the file's limits; null when all fits.
const char* ListBeyondLimit(BlockReading& reading) {
    if (static_cast<long>(reading.turn.LocationCount()) > kMaxListEntries)
        return "regions in one turn";
    const auto* firstUnit = static_cast<const UnitNode*>(reading.counter.TakeAdded(kUnits));
    for (const UnitNode* u = firstUnit; u; u = static_cast<const UnitNode*>(u->GetNext())) {
        if (u->items.LongCountNodes() > kMaxListEntries) return "items of one unit";
        if (u->faction.Number() != 0) reading.factions.insert(u->faction.Number());
    }
    static const char* const kWhat[kBlockLists] = {
        "units in one region", "buildings in one region", "wanted items in one region",
        "items for sale in one region", "products in one region"};
    for (int i = 0; i < kBlockLists; ++i) {
        if (i != kUnits) reading.counter.TakeAdded(i);
        if (reading.counter.Count(i) > kMaxListEntries) return kWhat[i];
    }
    if (static_cast<long>(reading.factions.size()) > kMaxListEntries) return "factions in one turn";
    return nullptr;
}

} // namespace

int ReadLocList(ReportLine* start, TurnNode& turn, int* blocksRead, LevelWidths* widths,
                RegionFault* fault, TurnExtras* extras) {
    RegionFault local;
    RegionFault& why = fault ? *fault : local;
    why = RegionFault();
    BlockReading reading{turn, widths, why, {}, {}, extras, FactionNames(turn.factions)};
    for (const StrAssocNode* f = turn.factions.GetFirst(); f; f = f->Next())
        reading.factions.insert(f->key);
    int count = 0;
    int result = 0;
    for (ReportLine* pos = start; ReportLine* region = FindLocationInfo(pos);) {
        if (ReadLocation(region, pos, reading) != 0) {
            Fault(&why, RegionFault::Malformed, region);
            result = -1;
            break;
        }
        if (const char* list = ListBeyondLimit(reading)) {
            Fault(&why, RegionFault::ListTooLong, region);
            why.list = list;
            result = -1;
            break;
        }
        ++count;
    }
    if (blocksRead) *blocksRead = count;
    return result;
}
