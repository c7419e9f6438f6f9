#include "cli/docjson.h"

#include "model/vexlordoc.h"

#include <cstdint>

namespace {

// Windows-1252 bytes 0x80-0x9F; 0 marks the five unassigned bytes, which stay the C1 control
// of the same value.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendEscaped(std::string& out, unsigned code) {
    static const char kHex[] = "0123456789abcdef";
    out += "\\u00";
    out += kHex[(code >> 4) & 0xF];
    out += kHex[code & 0xF];
}

void Key(std::string& out, const char* key) {
    out += '"';
    out += key;
    out += "\": ";
}

void Number(std::string& out, const char* key, long long value) {
    Key(out, key);
    out += std::to_string(value);
}

void Text(std::string& out, const char* key, const Str& value) {
    Key(out, key);
    AppendJsonText(out, value.View());
}

// key: [item, item, ...] with each item written by append.
template <class T, class F>
void Array(std::string& out, const char* key, const ListT<T>& list, F append) {
    Key(out, key);
    out += '[';
    for (const T* n = list.GetFirst(); n; n = static_cast<const T*>(n->GetNext())) {
        if (n != list.GetFirst()) out += ", ";
        append(out, *n);
    }
    out += ']';
}

void AppendItem(std::string& out, const ItemNode& item) {
    out += '{';
    Number(out, "count", item.count);
    out += ", ";
    Text(out, "name", item.name);
    out += ", ";
    Text(out, "abbr", item.abbr);
}

void AppendPlainItem(std::string& out, const ItemNode& item) {
    AppendItem(out, item);
    out += '}';
}

void AppendPricedItem(std::string& out, const ItemPriceNode& item) {
    AppendItem(out, item);
    out += ", ";
    Number(out, "price", item.price);
    out += '}';
}

void AppendUnit(std::string& out, const UnitNode& unit) {
    out += '{';
    Text(out, "name", unit.name);
    out += ", ";
    Number(out, "number", unit.number);
    out += ", ";
    Number(out, "faction", unit.faction.Number());
    out += ", ";
    Number(out, "building", unit.building);
    out += ", ";
    Number(out, "flags", unit.flags);
    out += ", ";
    Array(out, "items", unit.items, AppendPlainItem);
    out += '}';
}

void AppendBuilding(std::string& out, const BuildingNode& building) {
    out += '{';
    Text(out, "name", building.name);
    out += ", ";
    Number(out, "number", building.number);
    out += ", ";
    Text(out, "text", building.text);
    out += '}';
}

void AppendLocation(std::string& out, const LocationNode& loc) {
    out += '{';
    Number(out, "terrain", loc.terrain.GetType());
    out += ", ";
    Text(out, "terrainName", loc.terrain.GetString());
    out += ", ";
    Number(out, "x", loc.coord.x);
    out += ", ";
    Number(out, "y", loc.coord.y);
    out += ", ";
    Number(out, "z", loc.coord.z);
    out += ", ";
    Text(out, "regionName", loc.regionName);
    out += ", ";
    Text(out, "townName", loc.townName);
    out += ", ";
    Text(out, "townType", loc.townType);
    out += ", ";
    Number(out, "peasants", loc.peasants);
    out += ", ";
    Text(out, "peasantRace", loc.peasantRace);
    out += ", ";
    Number(out, "silver", loc.silver);
    out += ", ";
    Number(out, "wages", loc.wages);
    out += ", ";
    Number(out, "maxWages", loc.maxWages);
    out += ", ";
    Number(out, "entertainment", loc.entertainment);
    out += ", ";
    Array(out, "wanted", loc.wanted, AppendPricedItem);
    out += ", ";
    Array(out, "forSale", loc.forSale, AppendPricedItem);
    out += ", ";
    Array(out, "products", loc.products, AppendPlainItem);
    out += ", ";
    Array(out, "units", loc.units, AppendUnit);
    out += ", ";
    Array(out, "buildings", loc.buildings, AppendBuilding);
    out += ", ";
    Number(out, "flags", loc.flags);
    out += '}';
}

void AppendFaction(std::string& out, const StrAssocNode& faction) {
    out += '{';
    Number(out, "number", faction.key);
    out += ", ";
    Text(out, "name", faction.name);
    out += '}';
}

// Builds the document in chunk turn by turn; drain(chunk) may take what is there after each
// turn and at the end. False when drain reports a failure.
template <class Drain> bool EmitDoc(std::string& chunk, const VexlorDoc& doc, Drain drain) {
    chunk += '{';
    Number(chunk, "faction", doc.GetFaction().Number());
    chunk += ", ";
    Key(chunk, "turns");
    chunk += '[';
    for (const TurnNode* t = doc.FirstTurn(); t; t = t->Next()) {
        if (t != doc.FirstTurn()) chunk += ", ";
        AppendTurnJson(chunk, *t);
        if (!drain(chunk)) return false;
    }
    chunk += "]}";
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
            else if (byte >= 0x80 && byte < 0xA0)
                kHighControls[byte - 0x80] ? AppendUtf8(out, kHighControls[byte - 0x80])
                                           : AppendEscaped(out, byte);
            else
                AppendUtf8(out, byte); // ASCII, and 0xA0-0xFF equal to their code points
        }
    }
    out += '"';
}

void AppendTurnJson(std::string& out, const TurnNode& turn) {
    out += '{';
    Number(out, "date", turn.date.Value());
    out += ", ";
    Text(out, "dateText", turn.date.GetString());
    out += ", ";
    Text(out, "text", turn.text);
    out += ", ";
    Key(out, "factions");
    out += '[';
    for (const StrAssocNode* f = turn.factions.GetFirst(); f; f = f->Next()) {
        if (f != turn.factions.GetFirst()) out += ", ";
        AppendFaction(out, *f);
    }
    out += "], ";
    Array(out, "locations", turn.Locations(), AppendLocation);
    out += '}';
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
