#pragma once

#include "base/str.h"
#include "model/atlcoord.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class AtlMap;
class VexlorDoc;

// Shading the map by a value of the turn on show: which value, what class each hex of a level
// falls in, and the legend's rows. The colours belong to the painter (mapview/shadepaint.h);
// here a class is a row of the legend, which names its palette and its place in it.

// The values the map can be shaded by, in the order the menu and the key list name them.
enum class ShadeKey : uint8_t {
    None,
    Wages,
    Peasants,
    Taxes, // the silver the region's peasants hold, what taxing gives
    Entertainment,
    Product, // the amount of an item the region produces
    Sale,    // the price of an item the market sells
    Wanted,  // the price the market pays for an item
    Age,     // months since the hex was last seen
    Weather, // this month's weather
    WeatherNext,
    Factions, // the faction whose units stand there, the player's own first
};

// A key and, for Product, Sale and Wanted, the item: its abbreviation or its name as the
// report writes it ("HORS", "horses"), any case.
struct ShadeChoice {
    ShadeKey key = ShadeKey::None;
    std::string item;

    bool operator==(const ShadeChoice&) const = default;
};

// The key as written on the command line and in the profile ("weather-next"); "none" for None.
const char* ShadeKeyWord(ShadeKey key);
// Every key but None, as a list for a message: "wages, peasants, ..., factions".
std::string ShadeKeyWords();
bool ShadeNeedsItem(ShadeKey key);

// Reads "KEY[:ITEM]". An item given to a key that takes none is refused as unknown.
enum class ShadeParse { Ok, UnknownKey, MissingItem };
ShadeParse ParseShadeChoice(std::string_view text, ShadeChoice& choice);
// "sale:HORS", "wages", "none": what ParseShadeChoice reads back.
std::string ShadeChoiceText(const ShadeChoice& choice);

// The weather kinds of the engine's weather sentence.
enum class WeatherKind : uint8_t { Clear, Winter, Monsoon, Blizzard, MagicClear };
constexpr int kWeatherKinds = 5;
// This month's and next month's weather from a region's sentence: "The weather was clear last
// month; it will be monsoon season next month." (the report's "last month" is the month the
// report ends, the one on show). Either is nullopt where the sentence does not say.
struct WeatherForecast {
    std::optional<WeatherKind> now;
    std::optional<WeatherKind> next;
};
WeatherForecast ParseWeather(std::string_view sentence);

// Where a class takes its colour from.
enum class ShadePalette : uint8_t { Scale, Weather, Faction };

// A row of the legend: the colour (an index into the palette) and the words.
struct ShadeRow {
    ShadePalette palette = ShadePalette::Scale;
    int colour = 0;
    Str text;
};

// The classes of one level's hexes for one choice, and the legend.
class ShadeMap {
public:
    // Steps of the colour scale of the numeric keys.
    static constexpr int kScaleSteps = 6;
    // Colours for factions; the factions beyond share the last one.
    static constexpr int kFactionColours = 10;

    bool IsEmpty() const { return classes_.empty(); }
    // The legend's heading ("Wages") and rows, from lowest to highest value.
    const Str& Title() const { return title_; }
    const std::vector<ShadeRow>& Rows() const { return rows_; }
    // The row of hex c's class, or null where the hex has no value (left unshaded).
    const ShadeRow* ClassOf(const AtlCoord& c) const;
    // The row index of c's class; -1 for none.
    int ClassIndex(const AtlCoord& c) const;
    size_t ShadedCount() const { return classes_.size(); }

private:
    friend class ShadeBuilder;
    Str title_;
    std::vector<ShadeRow> rows_;
    std::unordered_map<AtlCoord, uint8_t> classes_; // keyed at (x, y) of the level
};

// The words of the legend by their numbers in base/messagetable.h, filled with their "%s"
// arguments: the window passes the language in use, vexlor-cli the English.
using ShadeText = std::function<Str(int id, std::initializer_list<std::string_view> args)>;

// Gives each hex of level z of map (built for doc's turn on show) its class for choice. Hexes
// without the value stay without a class. Numbers are split into at most kScaleSteps classes
// of about equal numbers of hexes (one per value where there are few); age into fixed spans
// (this month, 1, 2-3, 4-6 and 7-12 months, more than a year); weather by kind, taken from the
// sighting of the month on show, or for this month's weather from the month before's forecast;
// factions by the faction with the most units in the hex, the player's own always first.
ShadeMap ShadeLevel(const VexlorDoc& doc, const AtlMap& map, int z, const ShadeChoice& choice,
                    const ShadeText& text);

// An item a Product, Sale or Wanted choice can name: those the map's hexes list for the key.
struct ShadeItem {
    Str abbr;
    Str name;
};
// The items of the key on the map, by name; none for the other keys.
std::vector<ShadeItem> ShadeItems(const AtlMap& map, ShadeKey key);
