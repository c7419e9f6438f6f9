#include "map/atlmap.h"
#include "map/formatmap.h"
#include "map/mapfind.h"
#include "model/hexnotes.h"
#include "model/levelname.h"
#include "tests/support/reportdoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The map of the document's last turn, from real reports (or typed ones in the engine's forms).
struct ShownMap {
    explicit ShownMap(const std::vector<std::string>& reports) {
        EXPECT_EQ(AddReports(doc, reports), "");
        FormatMap(doc, map, doc.LastTurn()->date);
    }
    VexlorDoc doc;
    AtlMap map;
};

bool IsNewestFirst(const std::vector<FindMatch>& found) {
    return std::is_sorted(found.begin(), found.end(),
                          [](const FindMatch& a, const FindMatch& b) { return a.seen > b.seen; });
}

} // namespace

// Every hex of every level, written as the program writes it and as a player types it, is
// found again: the game master's world (surface, underworld, nexus) and the typed report
// with every deeper level.
TEST(FindOnMap, FindsEachHexByEveryFormItWritesOrAPlayerTypes) {
    int levels = 0;
    for (const char* report : {VEXLOR_REPORTS_DIR "/large/head-standard-world.rep",
                               VEXLOR_TEST_DATA_DIR "/../typed/levels.rep"}) {
        ShownMap shown({report});
        for (int z : shown.map.Levels()) {
            ++levels;
            int step = 0;
            shown.map.GetPlain(z)->ForEachHexInRowOrder(
                [&](const AtlCoord& c, const AtlHexData& hex) {
                    // A sample of the large levels keeps the test quick; small ones go whole.
                    if (step++ % 37 != 0 && shown.map.GetPlain(z)->HexCount() > 100) return;
                    std::string xy = std::to_string(c.x) + "," + std::to_string(c.y);
                    // The surface is written without its level, as "(x,y)": found below.
                    std::string written = z ? c.GetString().Get() : xy + ",0";
                    for (const std::string& text :
                         {written, xy + "," + std::to_string(z),
                          "(" + xy + "," + std::to_string(z) + ")", xy + "," + LevelName(z),
                          " ( " + xy + " , " + Upper(LevelName(z)) + " ) "}) {
                        std::vector<FindMatch> found = FindOnMap(shown.map, text);
                        ASSERT_EQ(found.size(), 1u) << text;
                        EXPECT_EQ(found[0].coord, c) << text;
                        EXPECT_EQ(found[0].kind, FindKind::Hex);
                        EXPECT_EQ(found[0].text, c.GetString());
                        EXPECT_EQ(found[0].seen, hex.seenDate);
                    }
                    // Without a level: the hex, and the same x and y on any other level.
                    for (const std::string& text : {xy, "(" + xy + ")"}) {
                        std::vector<FindMatch> anywhere = FindOnMap(shown.map, text);
                        EXPECT_TRUE(std::any_of(anywhere.begin(), anywhere.end(),
                                                [&](const FindMatch& m) { return m.coord == c; }))
                            << text;
                    }
                });
        }
    }
    EXPECT_GE(levels, 7); // surface, underworld, nexus; deep, very deep underworld, abyss
    ShownMap levelsDoc({VEXLOR_TEST_DATA_DIR "/../typed/levels.rep"});
    // A level word that is no level's name finds nothing, rather than some deeper level.
    EXPECT_TRUE(FindOnMap(levelsDoc.map, "0,0,deep").empty());
}

// A level's name alone lists that level's newest known hexes, at most a screenful.
TEST(FindOnMap, ALevelsNameListsItsHexes) {
    ShownMap world({VEXLOR_REPORTS_DIR "/large/head-standard-world.rep"});
    for (const char* text : {"nexus", "Nexus", " NEXUS "}) {
        std::vector<FindMatch> found = FindOnMap(world.map, text);
        ASSERT_FALSE(found.empty()) << text;
        EXPECT_EQ(found[0].coord.z, 2) << text;
        EXPECT_EQ(found[0].kind, FindKind::Hex) << text;
    }
    std::vector<FindMatch> surface = FindOnMap(world.map, "Surface");
    size_t hexes = std::count_if(surface.begin(), surface.end(), [](const FindMatch& m) {
        return m.kind == FindKind::Hex && m.coord.z == 0;
    });
    EXPECT_EQ(hexes, kLevelHexesFound);
    EXPECT_TRUE(IsNewestFirst(surface));
    // A level the map holds nothing of lists nothing.
    EXPECT_TRUE(FindOnMap(world.map, "abyss").empty());
}

// A unit seen in several hexes over the months: each match carries the month of its sighting
// and the newest come first; within one month the order is the map's, level, y, x.
TEST(FindOnMap, ListsTheNewestSightingsFirstWithTheirMonths) {
    ShownMap game(ReportSeries(VEXLOR_REPORTS_DIR "/head-standard", 3, 8));
    std::vector<FindMatch> found = FindOnMap(game.map, "360");
    ASSERT_GT(found.size(), 1u);
    EXPECT_TRUE(IsNewestFirst(found));
    EXPECT_LT(found.back().seen, found.front().seen);
    for (size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].text, Str("Shipwrights (360)"));
        EXPECT_EQ(found[i].seen, game.map.GetHex(found[i].coord)->seenDate);
        if (i > 0 && found[i].seen == found[i - 1].seen)
            EXPECT_LT(found[i - 1].coord, found[i].coord);
    }
    // Names are ordered the same way.
    std::vector<FindMatch> erisort = FindOnMap(game.map, "erisort");
    ASSERT_GT(erisort.size(), 1u);
    EXPECT_TRUE(IsNewestFirst(erisort));
}

// The player's notes are found by any line that holds the text, case ignored, on known hexes
// and unknown ones alike, dated the map's month; coordinates name hexes only.
TEST(FindOnMap, FindsTheLinesOfThePlayersNotes) {
    ShownMap game(ReportSeries(VEXLOR_REPORTS_DIR "/head-standard", 3, 8));
    HexNotes& notes = game.doc.Extras().notes;
    const AtlCoord verdorf(0, 32), nowhere(60, 60, 1);
    notes.SetText(verdorf, "Guards of 404 here\nBuy HORSES in spring");
    notes.SetText(nowhere, "Horses? Ask the Herons");
    notes.SetBookmark(AtlCoord(2, 32), true); // no text: nothing to find
    FormatMap(game.doc, game.map, game.doc.LastTurn()->date);

    auto notesFound = [&](const char* text) {
        std::vector<FindMatch> found = FindOnMap(game.map, text);
        std::erase_if(found, [](const FindMatch& m) { return m.kind != FindKind::Note; });
        return found;
    };
    std::vector<FindMatch> horses = notesFound("horses");
    ASSERT_EQ(horses.size(), 2u);
    EXPECT_EQ(horses[0].coord, verdorf);
    EXPECT_EQ(horses[0].kind, FindKind::Note);
    EXPECT_STREQ(FindKindName(horses[0].kind), "note");
    EXPECT_EQ(horses[0].text, Str("Buy HORSES in spring"));
    EXPECT_EQ(horses[0].seen, game.map.Date());
    EXPECT_EQ(horses[1].coord, nowhere);
    EXPECT_EQ(horses[1].text, Str("Horses? Ask the Herons"));

    // A number finds the unit and the note that names it; a name the note and the town.
    std::vector<FindMatch> unit = FindOnMap(game.map, "404");
    ASSERT_EQ(unit.size(), 2u);
    EXPECT_EQ(unit[0].kind, FindKind::Unit);
    EXPECT_EQ(unit[1].kind, FindKind::Note);
    EXPECT_EQ(unit[1].text, Str("Guards of 404 here"));
    EXPECT_EQ(FindOnMap(game.map, "0,32").size(), 1u);
    EXPECT_EQ(notesFound("HERONS").size(), 1u);
    notes.SetText(nowhere, "");
    EXPECT_TRUE(notesFound("herons").empty());
}
