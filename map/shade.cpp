#include "map/shade.h"

#include "base/messagetable.h"
#include "map/atlmap.h"
#include "model/location.h"
#include "model/turn.h"
#include "model/turnextras.h"
#include "model/vexlordoc.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

namespace {

constexpr struct {
    ShadeKey key;
    const char* word;
} kKeyWords[] = {
    {ShadeKey::Wages, "wages"},       {ShadeKey::Peasants, "peasants"},
    {ShadeKey::Taxes, "taxes"},       {ShadeKey::Entertainment, "entertainment"},
    {ShadeKey::Product, "product"},   {ShadeKey::Sale, "sale"},
    {ShadeKey::Wanted, "wanted"},     {ShadeKey::Age, "age"},
    {ShadeKey::Weather, "weather"},   {ShadeKey::WeatherNext, "weather-next"},
    {ShadeKey::Factions, "factions"},
};

bool SameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The weather a part of the sentence names; the engine's words for the seasons, with its
// "unnaturally clear" for skies cleared by magic.
std::optional<WeatherKind> WeatherIn(std::string_view part) {
    if (part.find("unnaturally clear") != std::string_view::npos) return WeatherKind::MagicClear;
    if (part.find("blizzard") != std::string_view::npos) return WeatherKind::Blizzard;
    if (part.find("monsoon") != std::string_view::npos) return WeatherKind::Monsoon;
    if (part.find("winter") != std::string_view::npos) return WeatherKind::Winter;
    if (part.find("clear") != std::string_view::npos) return WeatherKind::Clear;
    return std::nullopt;
}

const ItemNode* FindItem(const List& list, const std::string& item) {
    for (const Node* n = list.GetFirst(); n; n = n->GetNext()) {
        const auto* node = static_cast<const ItemNode*>(n);
        if (SameNoCase(node->abbr.View(), item) || SameNoCase(node->name.View(), item)) return node;
    }
    return nullptr;
}

// What a hex's value is for a numeric key; nullopt where the report gave none.
std::optional<int> NumberOf(const AtlHexData& hex, const ShadeChoice& choice, AtlDate shown) {
    const LocationNode& loc = hex.Location();
    auto given = [](int32_t value) {
        return value >= 0 ? std::optional<int>(value) : std::nullopt;
    };
    switch (choice.key) {
    case ShadeKey::Wages:
        // A region without people reports "Wages: $0.", which is no wage.
        return loc.peasants >= 0 ? given(loc.wages) : std::nullopt;
    case ShadeKey::Peasants:
        return given(loc.peasants);
    case ShadeKey::Taxes:
        return given(loc.silver);
    case ShadeKey::Entertainment:
        return given(loc.entertainment);
    case ShadeKey::Product: {
        const ItemNode* item = FindItem(loc.products, choice.item);
        return item ? given(item->count) : std::nullopt;
    }
    case ShadeKey::Sale: {
        auto* item = static_cast<const ItemPriceNode*>(FindItem(loc.forSale, choice.item));
        return item ? given(item->price) : std::nullopt;
    }
    case ShadeKey::Wanted: {
        auto* item = static_cast<const ItemPriceNode*>(FindItem(loc.wanted, choice.item));
        return item ? given(item->price) : std::nullopt;
    }
    case ShadeKey::Age:
        return std::max(0, shown.Value() - hex.seenDate.Value());
    default:
        return std::nullopt;
    }
}

Str Number(long long value) {
    Str text;
    text.AppendNumber(value);
    return text;
}

} // namespace

// Fills a ShadeMap: one class per legend row, hexes keyed on their level.
class ShadeBuilder {
public:
    ShadeBuilder(ShadeMap& shade, int z) : shade_(shade), z_(z) {}
    int AddRow(ShadePalette palette, int colour, Str text) {
        shade_.rows_.push_back({palette, colour, std::move(text)});
        return static_cast<int>(shade_.rows_.size()) - 1;
    }
    void Set(const AtlCoord& c, int row) {
        shade_.classes_[AtlCoord(c.x, c.y, z_)] = static_cast<uint8_t>(row);
    }
    void Title(Str title) { shade_.title_ = std::move(title); }

private:
    ShadeMap& shade_;
    int z_;
};

namespace {

// Splits the values into classes of about equal numbers of hexes, each class a span of
// whole values, or one class per value where there are no more values than steps.
void ShadeNumbers(ShadeBuilder& build, const std::vector<std::pair<AtlCoord, int>>& values) {
    std::vector<int> sorted;
    sorted.reserve(values.size());
    for (const auto& [c, value] : values)
        sorted.push_back(value);
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> distinct = sorted;
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    // The lowest value of each class.
    std::vector<int> lows;
    if (static_cast<int>(distinct.size()) <= ShadeMap::kScaleSteps) {
        lows = distinct;
    } else {
        for (int step = 0; step < ShadeMap::kScaleSteps; ++step) {
            int low = sorted[sorted.size() * static_cast<size_t>(step) / ShadeMap::kScaleSteps];
            if (lows.empty() || low > lows.back()) lows.push_back(low);
        }
    }
    const int classes = static_cast<int>(lows.size());
    for (int i = 0; i < classes; ++i) {
        // The highest value of the class: the last value below the next class's lowest.
        int high = i + 1 < classes
                       ? *(std::lower_bound(distinct.begin(), distinct.end(), lows[i + 1]) - 1)
                       : distinct.back();
        Str text = Number(lows[i]);
        if (high != lows[i]) text += "-" + Number(high);
        // Few classes spread over the scale, so that they stay apart.
        int colour = classes == 1 ? ShadeMap::kScaleSteps - 1
                                  : i * (ShadeMap::kScaleSteps - 1) / (classes - 1);
        build.AddRow(ShadePalette::Scale, colour, std::move(text));
    }
    for (const auto& [c, value] : values) {
        int row =
            static_cast<int>(std::upper_bound(lows.begin(), lows.end(), value) - lows.begin());
        build.Set(c, row - 1);
    }
}

// Fixed spans of months, so that "not seen for a year" reads the same on every map.
void ShadeAges(ShadeBuilder& build, const std::vector<std::pair<AtlCoord, int>>& values,
               const ShadeText& text) {
    constexpr int kUpTo[] = {0, 1, 3, 6, 12}; // the oldest month of each span but the last
    constexpr int kSpans = static_cast<int>(std::size(kUpTo)) + 1;
    auto span = [&](int months) {
        int i = 0;
        while (i < kSpans - 1 && months > kUpTo[i])
            ++i;
        return i;
    };
    bool used[kSpans] = {};
    for (const auto& [c, months] : values)
        used[span(months)] = true;
    int rowOf[kSpans];
    for (int i = 0; i < kSpans; ++i) {
        if (!used[i]) continue;
        Str words;
        if (i == 0)
            words = text(Msg::AgeThisMonth, {});
        else if (i == 1)
            words = text(Msg::AgeOneMonth, {});
        else if (i == kSpans - 1)
            words = text(Msg::AgeOverAYear, {});
        else
            words =
                text(Msg::AgeMonths, {(Number(kUpTo[i - 1] + 1) + "-" + Number(kUpTo[i])).View()});
        rowOf[i] = build.AddRow(ShadePalette::Scale, i, std::move(words));
    }
    for (const auto& [c, months] : values)
        build.Set(c, rowOf[span(months)]);
}

void ShadeWeather(ShadeBuilder& build, const VexlorDoc& doc, const AtlPlain& plain, AtlDate shown,
                  bool next, const ShadeText& text) {
    const TurnExtras* thisMonth = KeptExtras(doc, shown);
    AtlDate before = shown;
    before += -1;
    // A sighting of the month before forecast this month's weather.
    const TurnExtras* monthBefore = next ? nullptr : KeptExtras(doc, before);
    std::vector<std::pair<AtlCoord, WeatherKind>> kinds;
    plain.ForEachHex([&](const AtlCoord& c, const AtlHexData& hex) {
        if (hex.Has(AtlHexData::HexPlaceholder)) return;
        const TurnExtras* extras = hex.seenDate == shown    ? thisMonth
                                   : hex.seenDate == before ? monthBefore
                                                            : nullptr;
        const RegionExtras* region =
            extras ? extras->FindRegion(AtlCoord(c.x, c.y, plain.Level())) : nullptr;
        if (!region || region->weather.IsEmpty()) return;
        WeatherForecast forecast = ParseWeather(region->weather.View());
        std::optional<WeatherKind> kind =
            next || hex.seenDate == before ? forecast.next : forecast.now;
        if (kind) kinds.emplace_back(c, *kind);
    });
    constexpr int kWords[kWeatherKinds] = {Msg::WeatherClear, Msg::WeatherWinter,
                                           Msg::WeatherMonsoon, Msg::WeatherBlizzard,
                                           Msg::WeatherMagicClear};
    bool used[kWeatherKinds] = {};
    for (const auto& [c, kind] : kinds)
        used[static_cast<int>(kind)] = true;
    int rowOf[kWeatherKinds];
    for (int i = 0; i < kWeatherKinds; ++i)
        if (used[i]) rowOf[i] = build.AddRow(ShadePalette::Weather, i, text(kWords[i], {}));
    for (const auto& [c, kind] : kinds)
        build.Set(c, rowOf[static_cast<int>(kind)]);
}

void ShadeFactions(ShadeBuilder& build, const VexlorDoc& doc, const AtlMap& map,
                   const AtlPlain& plain, const ShadeText& text) {
    const int own = doc.GetFaction().Number();
    // Each hex's faction: the player's own where its units stand, else the one with the most
    // units there (the lower number of a tie).
    std::vector<std::pair<AtlCoord, int>> owners;
    std::map<int, int> hexesOf;
    plain.ForEachHex([&](const AtlCoord& c, const AtlHexData& hex) {
        std::map<int, int> units;
        for (const UnitNode& unit : hex.Location().units)
            if (unit.faction.Number() > 0) ++units[unit.faction.Number()];
        if (units.empty()) return;
        int owner = units.begin()->first;
        if (units.count(own))
            owner = own;
        else
            for (const auto& [faction, count] : units)
                if (count > units[owner]) owner = faction;
        owners.emplace_back(c, owner);
        ++hexesOf[owner];
    });
    // The player's own first, then by the number of hexes, then by number.
    std::vector<int> order;
    for (const auto& [faction, count] : hexesOf)
        order.push_back(faction);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if ((a == own) != (b == own)) return a == own;
        return hexesOf[a] > hexesOf[b];
    });
    const TurnNode* turn = doc.FindTurn(map.Date());
    if (!turn) turn = doc.LastTurn();
    std::map<int, int> rowOf;
    int others = -1;
    for (size_t i = 0; i < order.size(); ++i) {
        int faction = order[i];
        bool fits = order.size() <= ShadeMap::kFactionColours || i + 1 < ShadeMap::kFactionColours;
        if (!fits) {
            if (others < 0)
                others = build.AddRow(ShadePalette::Faction, ShadeMap::kFactionColours - 1,
                                      text(Msg::ShadeOtherFactions, {}));
            rowOf[faction] = others;
            continue;
        }
        const StrAssocNode* named = turn ? turn->factions.Find(faction) : nullptr;
        Str words = named ? text(Msg::ShadeFaction, {named->name.View(), Number(faction).View()})
                          : Number(faction);
        rowOf[faction] = build.AddRow(ShadePalette::Faction, static_cast<int>(i), std::move(words));
    }
    for (const auto& [c, owner] : owners)
        build.Set(c, rowOf[owner]);
}

// The item as the map's hexes name it, "horses [HORS]", for the legend's heading.
Str ItemWords(const AtlPlain& plain, const ShadeChoice& choice) {
    Str words(choice.item);
    bool found = false;
    plain.ForEachHex([&](const AtlCoord&, const AtlHexData& hex) {
        if (found) return;
        const LocationNode& loc = hex.Location();
        for (const List* list :
             {static_cast<const List*>(&loc.products), static_cast<const List*>(&loc.forSale),
              static_cast<const List*>(&loc.wanted)})
            if (const ItemNode* item = FindItem(*list, choice.item)) {
                words = item->abbr.IsEmpty() ? item->name : item->name + " [" + item->abbr + "]";
                found = true;
                return;
            }
    });
    return words;
}

} // namespace

const char* ShadeKeyWord(ShadeKey key) {
    for (const auto& entry : kKeyWords)
        if (entry.key == key) return entry.word;
    return "none";
}

std::string ShadeKeyWords() {
    std::string words;
    for (const auto& entry : kKeyWords) {
        if (!words.empty()) words += ", ";
        words += entry.word;
    }
    return words;
}

bool ShadeNeedsItem(ShadeKey key) {
    return key == ShadeKey::Product || key == ShadeKey::Sale || key == ShadeKey::Wanted;
}

ShadeParse ParseShadeChoice(std::string_view text, ShadeChoice& choice) {
    size_t colon = text.find(':');
    std::string_view word = text.substr(0, colon);
    std::string_view item = colon == std::string_view::npos ? "" : text.substr(colon + 1);
    ShadeChoice read;
    if (!SameNoCase(word, "none")) {
        auto found = std::find_if(std::begin(kKeyWords), std::end(kKeyWords),
                                  [&](const auto& entry) { return SameNoCase(word, entry.word); });
        if (found == std::end(kKeyWords)) return ShadeParse::UnknownKey;
        read.key = found->key;
    }
    if (ShadeNeedsItem(read.key)) {
        if (item.empty()) return ShadeParse::MissingItem;
        read.item = item;
    } else if (colon != std::string_view::npos) {
        return ShadeParse::UnknownKey;
    }
    choice = read;
    return ShadeParse::Ok;
}

std::string ShadeChoiceText(const ShadeChoice& choice) {
    std::string text = ShadeKeyWord(choice.key);
    if (ShadeNeedsItem(choice.key)) text += ":" + choice.item;
    return text;
}

WeatherForecast ParseWeather(std::string_view sentence) {
    // The engine writes the words looked for in lower case; only the sentence's first word is
    // capitalised.
    WeatherForecast forecast;
    size_t last = sentence.find("last month");
    if (last != std::string_view::npos) forecast.now = WeatherIn(sentence.substr(0, last));
    size_t will = sentence.find("will be", last == std::string_view::npos ? 0 : last);
    size_t next = sentence.find("next month", will == std::string_view::npos ? 0 : will);
    if (will != std::string_view::npos && next != std::string_view::npos)
        forecast.next = WeatherIn(sentence.substr(will, next - will));
    return forecast;
}

const ShadeRow* ShadeMap::ClassOf(const AtlCoord& c) const {
    int row = ClassIndex(c);
    return row < 0 ? nullptr : &rows_[static_cast<size_t>(row)];
}

int ShadeMap::ClassIndex(const AtlCoord& c) const {
    auto found = classes_.find(c);
    return found == classes_.end() ? -1 : found->second;
}

ShadeMap ShadeLevel(const VexlorDoc& doc, const AtlMap& map, int z, const ShadeChoice& choice,
                    const ShadeText& text) {
    ShadeMap shade;
    const AtlPlain* plain = map.GetPlain(z);
    if (choice.key == ShadeKey::None || !plain) return shade;
    ShadeBuilder build(shade, z);
    switch (choice.key) {
    case ShadeKey::Weather:
    case ShadeKey::WeatherNext: {
        bool next = choice.key == ShadeKey::WeatherNext;
        build.Title(text(next ? Msg::ShadeWeatherNext : Msg::ShadeWeather, {}));
        ShadeWeather(build, doc, *plain, map.Date(), next, text);
        return shade;
    }
    case ShadeKey::Factions:
        build.Title(text(Msg::ShadeFactions, {}));
        ShadeFactions(build, doc, map, *plain, text);
        return shade;
    default:
        break;
    }
    std::vector<std::pair<AtlCoord, int>> values;
    values.reserve(plain->HexCount());
    plain->ForEachHex([&](const AtlCoord& c, const AtlHexData& hex) {
        if (hex.Has(AtlHexData::HexPlaceholder)) return;
        if (std::optional<int> value = NumberOf(hex, choice, map.Date()))
            values.emplace_back(c, *value);
    });
    switch (choice.key) {
    case ShadeKey::Wages:
        build.Title(text(Msg::ShadeWages, {}));
        break;
    case ShadeKey::Peasants:
        build.Title(text(Msg::ShadePeasants, {}));
        break;
    case ShadeKey::Taxes:
        build.Title(text(Msg::ShadeTaxes, {}));
        break;
    case ShadeKey::Entertainment:
        build.Title(text(Msg::ShadeEntertainment, {}));
        break;
    case ShadeKey::Product:
        build.Title(text(Msg::ShadeProduct, {ItemWords(*plain, choice).View()}));
        break;
    case ShadeKey::Sale:
        build.Title(text(Msg::ShadeSale, {ItemWords(*plain, choice).View()}));
        break;
    case ShadeKey::Wanted:
        build.Title(text(Msg::ShadeWanted, {ItemWords(*plain, choice).View()}));
        break;
    case ShadeKey::Age:
        build.Title(text(Msg::ShadeAge, {}));
        ShadeAges(build, values, text);
        return shade;
    default:
        break;
    }
    if (!values.empty()) ShadeNumbers(build, values);
    return shade;
}

std::vector<ShadeItem> ShadeItems(const AtlMap& map, ShadeKey key) {
    std::map<std::string, ShadeItem> items; // by abbreviation, else name
    for (int z : map.Levels()) {
        const AtlPlain* plain = map.GetPlain(z);
        plain->ForEachHex([&](const AtlCoord&, const AtlHexData& hex) {
            const LocationNode& loc = hex.Location();
            const List* list = key == ShadeKey::Product  ? static_cast<const List*>(&loc.products)
                               : key == ShadeKey::Sale   ? static_cast<const List*>(&loc.forSale)
                               : key == ShadeKey::Wanted ? static_cast<const List*>(&loc.wanted)
                                                         : nullptr;
            if (!list) return;
            for (const Node* n = list->GetFirst(); n; n = n->GetNext()) {
                const auto* item = static_cast<const ItemNode*>(n);
                std::string id =
                    item->abbr.IsEmpty() ? Lower(item->name.View()) : Lower(item->abbr.View());
                items.try_emplace(id, ShadeItem{item->abbr, item->name});
            }
        });
    }
    std::vector<ShadeItem> sorted;
    for (auto& [id, item] : items)
        sorted.push_back(std::move(item));
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const ShadeItem& a, const ShadeItem& b) { return a.name < b.name; });
    return sorted;
}
