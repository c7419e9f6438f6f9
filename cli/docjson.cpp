#include "cli/docjson.h"

#include "base/cp1252.h"
#include "model/vexlordoc.h"

#include <string>

namespace {

void AppendEscaped(std::string& out, unsigned code) {
    static const char kHex[] = "0123456789abcdef";
    out += "\\u00";
    out += kHex[(code >> 4) & 0xF];
    out += kHex[code & 0xF];
}

// One JSON object: members with the separators between them, braces on both ends.
class Object {
public:
    explicit Object(std::string& out) : out_(out) { out_ += '{'; }
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    ~Object() { out_ += '}'; }

    std::string& Key(const char* key) {
        if (!first_) out_ += ", ";
        first_ = false;
        out_ += '"';
        out_ += key;
        out_ += "\": ";
        return out_;
    }
    void Number(const char* key, long long value) { Key(key) += std::to_string(value); }
    // A number written as the text gives it ("15.1").
    void Raw(const char* key, std::string_view number) { Key(key) += number; }
    void Text(const char* key, const Str& value) { AppendJsonText(Key(key), value.View()); }
    // key: [node, node, ...] with each node written by append.
    template <class L, class F> void Array(const char* key, const L& list, F append) {
        Key(key) += '[';
        for (auto* n = list.GetFirst(); n; n = static_cast<decltype(n)>(n->GetNext())) {
            if (n != list.GetFirst()) out_ += ", ";
            append(out_, *n);
        }
        out_ += ']';
    }

private:
    std::string& out_;
    bool first_ = true;
};

void AppendItem(std::string& out, const ItemNode& item) {
    Object o(out);
    o.Number("count", item.count);
    o.Text("name", item.name);
    o.Text("abbr", item.abbr);
}

void AppendPricedItem(std::string& out, const ItemPriceNode& item) {
    Object o(out);
    o.Number("count", item.count);
    o.Text("name", item.name);
    o.Text("abbr", item.abbr);
    o.Number("price", item.price);
}

// key: [element, ...] for a vector, each written by append.
template <class T, class F>
void AppendVector(Object& o, const char* key, const std::vector<T>& list, F append) {
    std::string& out = o.Key(key);
    out += '[';
    for (size_t i = 0; i < list.size(); ++i) {
        if (i) out += ", ";
        append(out, list[i]);
    }
    out += ']';
}

void AppendSkill(std::string& out, const SkillRecord& skill) {
    Object o(out);
    o.Text("name", skill.name);
    o.Text("abbr", skill.abbr);
    o.Number("level", skill.level);
    o.Number("days", skill.days);
}

void AppendLine(std::string& out, const Str& line) {
    AppendJsonText(out, line.View());
}

// The details of an own unit, after the record's keys; a unit without them gets none.
void AppendUnitExtras(Object& o, const UnitExtras* details) {
    if (!details) return;
    o.Number("weight", details->weight);
    o.Text("capacity", details->capacity);
    AppendVector(o, "skills", details->skills, AppendSkill);
    o.Text("combatSpell", details->combatSpell);
    AppendVector(o, "canStudy", details->canStudy, AppendSkill);
}

void AppendUnit(std::string& out, const UnitNode& unit, const TurnExtras& extras) {
    Object o(out);
    o.Text("name", unit.name);
    o.Number("number", unit.number);
    o.Number("faction", unit.faction.Number());
    o.Number("building", unit.building);
    o.Number("flags", unit.flags);
    o.Array("items", unit.items, AppendItem);
    AppendUnitExtras(o, extras.FindUnit(unit.number));
}

void AppendExit(std::string& out, const ExitRecord& exit) {
    Object o(out);
    o.Text("direction", Str(DirectionName(exit.direction)));
    o.Number("x", exit.target.x);
    o.Number("y", exit.target.y);
    o.Number("z", exit.target.z);
    o.Number("terrain", exit.terrain.GetType());
    o.Text("terrainName", exit.terrain.GetString());
    o.Text("regionName", exit.regionName);
    o.Text("townName", exit.townName);
    o.Text("townType", exit.townType);
}

// The exits, gate and weather of a region block, after the record's keys; a location without
// them (known only from exits, or from a turn read before they were kept) gets none.
void AppendRegionExtras(Object& o, const RegionExtras* region) {
    if (!region) return;
    AppendVector(o, "exits", region->exits, AppendExit);
    o.Number("gate", region->gate);
    o.Number("gateCount", region->gateCount);
    o.Text("weather", region->weather);
}

void AppendBuilding(std::string& out, const BuildingNode& building) {
    Object o(out);
    o.Text("name", building.name);
    o.Number("number", building.number);
    o.Text("text", building.text);
}

void AppendLocation(std::string& out, const LocationNode& loc, const TurnExtras& extras) {
    Object o(out);
    o.Number("terrain", loc.terrain.GetType());
    o.Text("terrainName", loc.terrain.GetString());
    o.Number("x", loc.coord.x);
    o.Number("y", loc.coord.y);
    o.Number("z", loc.coord.z);
    o.Text("regionName", loc.regionName);
    o.Text("townName", loc.townName);
    o.Text("townType", loc.townType);
    o.Number("peasants", loc.peasants);
    o.Text("peasantRace", loc.peasantRace);
    o.Number("silver", loc.silver);
    o.Number("wages", loc.wages);
    // The wages with the decimals the report gave, beside the whole silver, where it gave them.
    if (extras.FindWageDecimals(loc.coord))
        o.Raw("wagesExact", WagesText(loc.wages, loc.coord, &extras).View());
    o.Number("maxWages", loc.maxWages);
    o.Number("entertainment", loc.entertainment);
    o.Array("wanted", loc.wanted, AppendPricedItem);
    o.Array("forSale", loc.forSale, AppendPricedItem);
    o.Array("products", loc.products, AppendItem);
    o.Array("units", loc.units,
            [&extras](std::string& to, const UnitNode& unit) { AppendUnit(to, unit, extras); });
    o.Array("buildings", loc.buildings, AppendBuilding);
    o.Number("flags", loc.flags);
    AppendRegionExtras(o, extras.FindRegion(loc.coord));
}

void AppendFaction(std::string& out, const StrAssocNode& faction) {
    Object o(out);
    o.Number("number", faction.key);
    o.Text("name", faction.name);
}

// Builds the document in chunk turn by turn; drain(chunk) may take what is there after each
// turn and at the end. False when drain reports a failure.
template <class Drain> bool EmitTurns(std::string& chunk, const VexlorDoc& doc, Drain& drain) {
    chunk += "\"turns\": [";
    for (const TurnNode* t = doc.FirstTurn(); t; t = t->Next()) {
        if (t != doc.FirstTurn()) chunk += ", ";
        TurnExtras scratch;
        AppendTurnJson(chunk, *t, t->extras.FindOnce(scratch));
        if (!drain(chunk)) return false;
    }
    chunk += "]";
    return true;
}

// The allies' maps follow only where there are any, so that a map without them dumps as before.
template <class Drain> bool EmitDoc(std::string& chunk, const VexlorDoc& doc, Drain drain) {
    chunk += "{\"faction\": " + std::to_string(doc.GetFaction().Number()) + ", ";
    if (!EmitTurns(chunk, doc, drain)) return false;
    const AllyMaps& allies = doc.Extras().allies;
    if (!allies.IsEmpty()) {
        chunk += ", \"allies\": [";
        for (const auto& ally : allies.All()) {
            if (ally != allies.All().front()) chunk += ", ";
            chunk += "{\"faction\": " + std::to_string(ally->doc->GetFaction().Number()) +
                     ", \"name\": ";
            AppendJsonText(chunk, ally->name.Get());
            chunk += ", ";
            if (!EmitTurns(chunk, *ally->doc, drain)) return false;
            chunk += "}";
        }
        chunk += "]";
    }
    chunk += "}";
    return drain(chunk);
}

} // namespace

void AppendJsonText(std::string& out, std::string_view cp1252) {
    out += '"';
    for (char ch : cp1252) {
        auto byte = static_cast<unsigned char>(ch);
        switch (byte) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20 || byte == 0x7F)
                AppendEscaped(out, byte);
            else if (byte >= 0x80 && byte < 0xA0 && Cp1252CodePoint(byte) == byte)
                AppendEscaped(out, byte); // a C1 control the code page leaves unassigned
            else
                out += Cp1252ToUtf8(std::string_view(&ch, 1));
        }
    }
    out += '"';
}

void AppendTurnJson(std::string& out, const TurnNode& turn, const TurnExtras* kept) {
    static const TurnExtras kNone;
    const TurnExtras& extras = kept ? *kept : kNone;
    Object o(out);
    o.Number("date", turn.date.Value());
    o.Text("dateText", turn.date.GetString());
    o.Text("text", turn.text);
    o.Array("factions", turn.factions, AppendFaction);
    ListT<LocationNode> scratch;
    o.Array(
        "locations", turn.LocationsOnce(scratch),
        [&extras](std::string& to, const LocationNode& loc) { AppendLocation(to, loc, extras); });
    // The turn's paragraphs, when the turn was read with them.
    if (!extras.events.IsEmpty()) {
        AppendVector(o, "errors", extras.events.errors, AppendLine);
        AppendVector(o, "battles", extras.events.battles, AppendLine);
        AppendVector(o, "events", extras.events.events, AppendLine);
    }
}

void AppendDocJson(std::string& out, const VexlorDoc& doc) {
    EmitDoc(out, doc, [](std::string&) { return true; });
}

bool WriteDocJson(std::FILE* out, const VexlorDoc& doc) {
    std::string chunk;
    return EmitDoc(chunk, doc, [out](std::string& text) {
        bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
        text.clear();
        return written;
    });
}
