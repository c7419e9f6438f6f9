#include "base/messagetext.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "map/shade.h"
#include "model/docfile.h"
#include "model/location.h"
#include "model/turn.h"
#include "tests/support/reportdoc.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

const AtlDate kJanuary(0, 1), kFebruary(1, 1), kMarch(2, 1);

Str English(int id, std::initializer_list<std::string_view> args) {
    return EnglishMessage(id, args);
}

ShadeMap Shade(const VexlorDoc& doc, const AtlMap& map, const char* choiceText, int z = 0) {
    ShadeChoice choice;
    EXPECT_EQ(ParseShadeChoice(choiceText, choice), ShadeParse::Ok) << choiceText;
    return ShadeLevel(doc, map, z, choice, English);
}

// The legend's words for hex (x, y), or "" where it is unshaded.
std::string ClassText(const ShadeMap& shade, int x, int y, int z = 0) {
    const ShadeRow* row = shade.ClassOf(AtlCoord(x, y, z));
    return row ? row->text.Get() : "";
}

// Faction 3's first turns of the 5.2.5 standard game, with the map of date.
struct Faction3 {
    VexlorDoc doc;
    AtlMap map;
    Faction3(int turns, AtlDate date) {
        EXPECT_EQ(AddReports(doc, ReportSeries(VEXLOR_REPORTS_DIR "/head-standard", 3, turns)), "");
        FormatMap(doc, map, date);
    }
};

} // namespace

TEST(ShadeChoice, KeysItemsAndWhatIsRefused) {
    ShadeChoice choice;
    EXPECT_EQ(ParseShadeChoice("wages", choice), ShadeParse::Ok);
    EXPECT_EQ(choice, (ShadeChoice{ShadeKey::Wages, ""}));
    EXPECT_EQ(ParseShadeChoice("Weather-Next", choice), ShadeParse::Ok);
    EXPECT_EQ(choice.key, ShadeKey::WeatherNext);
    EXPECT_EQ(ParseShadeChoice("sale:HORS", choice), ShadeParse::Ok);
    EXPECT_EQ(choice, (ShadeChoice{ShadeKey::Sale, "HORS"}));
    // An item's name may hold blanks and colons are only split once.
    EXPECT_EQ(ParseShadeChoice("product:winged horses", choice), ShadeParse::Ok);
    EXPECT_EQ(choice.item, "winged horses");

    choice = {ShadeKey::Age, ""};
    EXPECT_EQ(ParseShadeChoice("wage", choice), ShadeParse::UnknownKey);
    EXPECT_EQ(ParseShadeChoice("", choice), ShadeParse::UnknownKey);
    EXPECT_EQ(ParseShadeChoice("wages:HORS", choice), ShadeParse::UnknownKey);
    EXPECT_EQ(ParseShadeChoice("sale", choice), ShadeParse::MissingItem);
    EXPECT_EQ(ParseShadeChoice("wanted:", choice), ShadeParse::MissingItem);
    EXPECT_EQ(choice, (ShadeChoice{ShadeKey::Age, ""})) << "a refused text leaves the choice";

    // Every key reads back from its own text, as the profile keeps it.
    for (ShadeChoice kept : {ShadeChoice{}, ShadeChoice{ShadeKey::Factions, ""},
                             ShadeChoice{ShadeKey::Wanted, "GRAI"}}) {
        ShadeChoice back{ShadeKey::Wages, "x"};
        EXPECT_EQ(ParseShadeChoice(ShadeChoiceText(kept), back), ShadeParse::Ok);
        EXPECT_EQ(back, kept);
    }
    EXPECT_EQ(ShadeKeyWords(), "wages, peasants, taxes, entertainment, product, sale, wanted, "
                               "age, weather, weather-next, factions");
}

TEST(ShadeWeather, TheEngineSentences) {
    using K = WeatherKind;
    struct Case {
        const char* sentence;
        std::optional<K> now, next;
    } cases[] = {
        {"The weather was clear last month; it will be clear next month.", K::Clear, K::Clear},
        {"It was winter last month; it will be clear next month.", K::Winter, K::Clear},
        // A wrapped sentence, joined as the reader keeps it.
        {"It was monsoon season last month; it will be monsoon season next month.", K::Monsoon,
         K::Monsoon},
        {"There was an unnatural blizzard last month; it will be winter next month.", K::Blizzard,
         K::Winter},
        {"It was unnaturally clear last month; it will be blizzard next month.", K::MagicClear,
         K::Blizzard},
        {"It was foggy last month; it will be clear next month.", std::nullopt, K::Clear},
        {"", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        WeatherForecast forecast = ParseWeather(c.sentence);
        EXPECT_EQ(forecast.now, c.now) << c.sentence;
        EXPECT_EQ(forecast.next, c.next) << c.sentence;
    }
}

TEST(ShadeLevel, RegionValuesAsTheReportsGiveThem) {
    Faction3 f(2, kFebruary);
    // February: plain (36,4) wages $15.1, 2613 peasants, $2665, leaders for sale at $120;
    // forest (16,6) $12.9, 3216 peasants, leaders at $103, grain wanted at $21; jungle (0,32)
    // $14.2, 25570 peasants, leaders at $113, horses at $75. The nexus has no people, and the
    // report's "Wages: $0." there is no value.
    ShadeMap wages = Shade(f.doc, f.map, "wages");
    EXPECT_EQ(wages.Title(), "Wages");
    EXPECT_EQ(ClassText(wages, 36, 4), "15");
    EXPECT_EQ(ClassText(wages, 16, 6), "12");
    EXPECT_EQ(ClassText(wages, 0, 32), "14");
    // Higher values lie further up the scale.
    EXPECT_LT(wages.ClassOf({16, 6, 0})->colour, wages.ClassOf({0, 32, 0})->colour);
    EXPECT_LT(wages.ClassOf({0, 32, 0})->colour, wages.ClassOf({36, 4, 0})->colour);
    EXPECT_EQ(Shade(f.doc, f.map, "wages", 2).ShadedCount(), 0u) << "the nexus has no wages";

    ShadeMap peasants = Shade(f.doc, f.map, "peasants");
    EXPECT_EQ(ClassText(peasants, 36, 4), "2613");
    EXPECT_EQ(ClassText(peasants, 0, 32), "25570");
    EXPECT_EQ(ClassText(Shade(f.doc, f.map, "taxes"), 36, 4), "2665");

    ShadeMap leaders = Shade(f.doc, f.map, "sale:lead");
    EXPECT_EQ(leaders.Title(), "For sale: leaders [LEAD], price");
    EXPECT_EQ(ClassText(leaders, 36, 4), "120");
    EXPECT_EQ(ClassText(leaders, 16, 6), "103");
    EXPECT_EQ(ClassText(leaders, 0, 32), "113");
    // By name as the report writes it; only where the market lists it.
    ShadeMap horses = Shade(f.doc, f.map, "sale:horses");
    EXPECT_EQ(ClassText(horses, 0, 32), "75");
    EXPECT_EQ(horses.ShadedCount(), 1u);
    EXPECT_EQ(ClassText(Shade(f.doc, f.map, "wanted:grain"), 16, 6), "21");
    EXPECT_EQ(ClassText(Shade(f.doc, f.map, "product:HORS"), 36, 4), "20");

    // The items offered for a choice are those the map lists for its key.
    std::vector<std::string> sold;
    for (const ShadeItem& item : ShadeItems(f.map, ShadeKey::Sale))
        sold.push_back(item.abbr.Get());
    EXPECT_NE(std::find(sold.begin(), sold.end(), "LEAD"), sold.end());
    EXPECT_EQ(std::find(sold.begin(), sold.end(), "GRAI"), sold.end()) << "grain is only wanted";
}

TEST(ShadeLevel, WeatherOfTheMonthOnShowAndTheForecastOfTheMonthBefore) {
    // February at (36,4): "It was winter last month; it will be clear next month."; at (0,32)
    // clear and clear.
    Faction3 f(2, kFebruary);
    ShadeMap now = Shade(f.doc, f.map, "weather");
    EXPECT_EQ(now.Title(), "Weather this month");
    EXPECT_EQ(ClassText(now, 36, 4), "winter");
    EXPECT_EQ(ClassText(now, 0, 32), "clear");
    EXPECT_EQ(now.ClassOf({36, 4, 0})->palette, ShadePalette::Weather);
    ShadeMap next = Shade(f.doc, f.map, "weather-next");
    EXPECT_EQ(next.Title(), "Weather next month");
    EXPECT_EQ(ClassText(next, 36, 4), "clear");

    // March: (16,6) was last seen in February ("winter ... clear next month"), whose report
    // foretold March's weather; nothing foretells April's there.
    Faction3 march(3, kMarch);
    EXPECT_EQ(ClassText(Shade(march.doc, march.map, "weather"), 16, 6), "clear");
    EXPECT_EQ(ClassText(Shade(march.doc, march.map, "weather-next"), 16, 6), "");
    EXPECT_EQ(ClassText(Shade(march.doc, march.map, "age"), 16, 6), "1 month ago");

    // April: seen two months before, it has no weather, and its age says so.
    Faction3 april(4, AtlDate(3, 1));
    EXPECT_EQ(ClassText(Shade(april.doc, april.map, "weather"), 16, 6), "");
    ShadeMap age = Shade(april.doc, april.map, "age");
    EXPECT_EQ(ClassText(age, 16, 6), "2-3 months ago");
    EXPECT_EQ(ClassText(age, 36, 4), "this month");
    EXPECT_LT(age.ClassOf({36, 4, 0})->colour, age.ClassOf({16, 6, 0})->colour);
}

TEST(ShadeLevel, ManyValuesSplitIntoOrderedClassesOfSimilarSize) {
    // The game master's view of a whole world: about 2,000 regions with peasants.
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, {VEXLOR_REPORTS_DIR "/large/head-standard-world.rep"}), "");
    AtlMap map;
    FormatMap(doc, map, doc.LastTurn()->date);
    ShadeMap shade = Shade(doc, map, "peasants");
    ASSERT_EQ(shade.Rows().size(), size_t(ShadeMap::kScaleSteps));
    std::map<int, int> lowest, highest, count; // by class
    map.GetPlain(0)->ForEachHex([&](const AtlCoord& c, const AtlHexData& hex) {
        int row = shade.ClassIndex(c);
        int peasants = hex.Location().peasants;
        EXPECT_EQ(row < 0, peasants < 0) << c.x << "," << c.y;
        if (row < 0) return;
        if (!count[row]++) lowest[row] = highest[row] = peasants;
        lowest[row] = std::min(lowest[row], peasants);
        highest[row] = std::max(highest[row], peasants);
    });
    int total = 0;
    for (const auto& [row, n] : count)
        total += n;
    for (int row = 0; row < ShadeMap::kScaleSteps; ++row) {
        // Classes follow the values and the legend says which.
        if (row > 0) {
            EXPECT_LT(highest[row - 1], lowest[row]);
        }
        std::string span = std::to_string(lowest[row]) + "-" + std::to_string(highest[row]);
        EXPECT_EQ(shade.Rows()[size_t(row)].text, span.c_str());
        EXPECT_EQ(shade.Rows()[size_t(row)].colour, row);
        EXPECT_GT(count[row], total / ShadeMap::kScaleSteps / 3) << "class " << row;
    }
}

TEST(ShadeLevel, FactionsWithTheOwnFirst) {
    Faction3 f(8, AtlDate(7, 1));
    ShadeMap shade = Shade(f.doc, f.map, "factions");
    ASSERT_FALSE(shade.Rows().empty());
    EXPECT_EQ(shade.Rows()[0].text, "Red Wolves (3)");
    EXPECT_EQ(shade.Rows()[0].palette, ShadePalette::Faction);
    // Every hex where the player's units stand is the player's, whoever else is there.
    int own = 0;
    f.map.GetPlain(0)->ForEachHex([&](const AtlCoord& c, const AtlHexData& hex) {
        bool mine = false, any = false;
        for (const UnitNode& unit : hex.Location().units) {
            mine |= unit.faction.Number() == 3;
            any |= unit.faction.Number() > 0;
        }
        EXPECT_EQ(shade.ClassIndex(c) == 0, mine) << c.x << "," << c.y;
        EXPECT_EQ(shade.ClassIndex(c) >= 0, any) << c.x << "," << c.y;
        own += mine;
    });
    EXPECT_GT(own, 0);
}

// Weather reads the extras of the month on show and the month before only: a long game's other
// turns stay the file's bytes, whatever months the hexes on show were seen in.
TEST(ShadeLevel, WeatherReadsTwoTurnsOfExtrasAtMost) {
    TempFolder folder("shade");
    const std::string path = (folder.path / "wolves.atl").string();
    {
        Faction3 made(8, AtlDate(7, 1));
        ASSERT_EQ(SaveDocFile(made.doc, path.c_str()), DocSaved);
    }
    VexlorDoc doc;
    ASSERT_EQ(OpenDocFile(doc, path.c_str()), DocRead);
    AtlMap map;
    FormatMap(doc, map, AtlDate(7, 1));
    std::set<int> seenIn;
    map.GetPlain(0)->ForEachHex(
        [&](const AtlCoord&, const AtlHexData& hex) { seenIn.insert(hex.seenDate.Value()); });
    ASSERT_GT(seenIn.size(), 3u) << "hexes last seen in several months";
    for (const char* key : {"weather", "weather-next"})
        EXPECT_GT(Shade(doc, map, key).ShadedCount(), 0u);
    for (const TurnNode& turn : doc.Turns())
        EXPECT_EQ(turn.extras.IsKept(), turn.date < AtlDate(6, 1)) << turn.date.GetString().Get();
}
