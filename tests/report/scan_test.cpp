#include "report/scan.h"

#include <gtest/gtest.h>

TEST(Scanners, ReadBeforeTrimsAndStopsOnTheDelimiter) {
    const char* line = "   Cluen  , 2613 peasants";
    const char* cursor = line;
    Str name;
    ASSERT_EQ(read_before(cursor, name, ",."), 0);
    EXPECT_EQ(name, "Cluen");
    EXPECT_EQ(*cursor, ',');
    const char* none = "no delimiter";
    const char* c2 = none;
    Str kept("kept");
    EXPECT_EQ(read_before(c2, kept, ",."), -1);
    EXPECT_EQ(c2, none);
    EXPECT_EQ(kept, "kept");
}

TEST(Scanners, ReadNumberTakesUnsignedDigits) {
    const char* text = " 42abc";
    const char* cursor = text;
    int n = 0;
    ASSERT_EQ(ReadNumber(cursor, n), 0);
    EXPECT_EQ(n, 42);
    EXPECT_EQ(*cursor, 'a');
    const char* minus = "-5";
    cursor = minus;
    EXPECT_EQ(ReadNumber(cursor, n), -1);
    EXPECT_EQ(cursor, minus);
    EXPECT_EQ(n, 42);
    const char* huge = "99999999999999999999";
    cursor = huge;
    ASSERT_EQ(ReadNumber(cursor, n), 0);
    EXPECT_EQ(n, 2147483647); // saturates rather than wrapping to a small number
}

TEST(Scanners, EnclosedNumbersAndTexts) {
    const char* text = " (359) [100] ( plainsmen ) [LEAD]";
    const char* cursor = text;
    int n = 0;
    Str s;
    ASSERT_EQ(ReadParanNumber(cursor, n), 0);
    EXPECT_EQ(n, 359);
    ASSERT_EQ(ReadBracketNumber(cursor, n), 0);
    EXPECT_EQ(n, 100);
    ASSERT_EQ(ReadParanStr(cursor, s), 0);
    EXPECT_EQ(s, "plainsmen");
    ASSERT_EQ(ReadBracketStr(cursor, s), 0);
    EXPECT_EQ(s, "LEAD");
    EXPECT_EQ(*cursor, 0);
    const char* bad = "(12";
    cursor = bad;
    EXPECT_EQ(ReadParanNumber(cursor, n), -1);
    EXPECT_EQ(cursor, bad);
}

TEST(Scanners, ReadCoordsWithAndWithoutLevel) {
    struct Case {
        const char* text;
        AtlCoord expected;
    } cases[] = {{"(36,4) in", AtlCoord(36, 4, 0)},
                 {"(3,4,underworld)", AtlCoord(3, 4, 1)},
                 {"(0,0,nexus)", AtlCoord(0, 0, 2)},
                 {"(1,1,somewhere)", AtlCoord(1, 1, 3)}};
    for (const Case& c : cases) {
        const char* cursor = c.text;
        AtlCoord coord(9, 9, 9);
        ASSERT_EQ(ReadCoords(cursor, coord), 0) << c.text;
        EXPECT_EQ(coord, c.expected) << c.text;
        EXPECT_EQ(cursor[-1], ')');
    }
    for (const char* bad : {"(3;4)", "(3,4", "3,4)", "(3,x)", "(3,4;1)"}) {
        const char* cursor = bad;
        AtlCoord coord(9, 9, 9);
        EXPECT_EQ(ReadCoords(cursor, coord), -1) << bad;
        EXPECT_EQ(coord, AtlCoord(9, 9, 9));
        EXPECT_EQ(cursor, bad);
    }
}

TEST(Scanners, TemplatesAndSpaces) {
    const char* text = "  , contains Verdorf";
    const char* cursor = text;
    EXPECT_EQ(skiptempl(cursor, ", contains "), -1);
    skipspaces(cursor);
    EXPECT_EQ(skiptempl(cursor, ", contains "), 0);
    EXPECT_STREQ(cursor, "Verdorf");
    const char* tab = "\tx";
    cursor = tab;
    skipspaces(cursor);
    EXPECT_EQ(cursor, tab); // tabs are not blanks here
    const char* padded = "ab   ";
    const char* end = padded + 5;
    skipspacesback(padded, end);
    EXPECT_EQ(end, padded + 2);
    EXPECT_EQ(searchback(padded, padded + 4, 'a'), padded);
    EXPECT_EQ(searchback(padded, padded + 4, 'z'), nullptr);
    const char* set = "abc.def,";
    EXPECT_EQ(FindSet(set, ",."), set + 3);
    EXPECT_EQ(FindSet("abc", ",."), nullptr);
}

TEST(Scanners, OnlyTheFirstBracketGroupIsExamined) {
    const char* faction = "Blue Herons (4)";
    EXPECT_EQ(FindNumInParan(faction), faction + 12);
    const char* unit = "Seer (359), Red Wolves (3)";
    EXPECT_EQ(FindNumInParan(unit), unit + 5);
    EXPECT_EQ(FindNumInParan("a (word) and (12)"), nullptr);
    const char* empty = "x ()";
    EXPECT_EQ(FindNumInParan(empty), empty + 2); // no digits is still a number group
    const char* item = "2 leaders [LEAD], 9 wood [WOOD]";
    EXPECT_EQ(FindContraction(item), item + 10);
    EXPECT_EQ(FindContraction("Ship [100] : Longship"), nullptr);
    EXPECT_EQ(FindContraction("no brackets"), nullptr);
}

TEST(Scanners, EveryLevelWordHasItsOwnLevel) {
    struct Case {
        const char* text;
        int level;
    } cases[] = {{"(0,0,underworld)", 1},      {"(0,0,nexus)", 2},
                 {"(0,0,deep underworld)", 3}, {"(0,0,very deep underworld)", 4},
                 {"(0,0, underdeep )", 5},     {"(0,0,deep underdeep)", 6},
                 {"(0,0,abyss)", 7},           {"(0,0,somewhere else)", 3}};
    for (const Case& c : cases) {
        const char* cursor = c.text;
        AtlCoord coord;
        ASSERT_EQ(ReadCoords(cursor, coord), 0) << c.text;
        EXPECT_EQ(coord.z, c.level) << c.text;
    }
    // Each level's text reads back as that level.
    for (int z = 1; z < 8; ++z) {
        Str text = AtlCoord(0, 0, z).GetString();
        const char* cursor = text.Get();
        AtlCoord coord;
        ASSERT_EQ(ReadCoords(cursor, coord), 0) << text.Get();
        EXPECT_EQ(coord.z, z) << text.Get();
    }
}
