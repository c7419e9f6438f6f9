#include "model/atlcoord.h"
#include "model/coordtext.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "x,y" or "x,y,z" for a parse, "-" for a refusal.
std::string Parsed(const char* text, LevelForms levels) {
    auto c = ParseCoordText(text, levels);
    if (!c) return "-";
    std::string shown = std::to_string(c->x) + "," + std::to_string(c->y);
    return c->z ? shown + "," + std::to_string(*c->z) : shown;
}

} // namespace

// The forms the find box (numbers only) and the command line (numbers or level words) take.
TEST(CoordText, AcceptedAndRefusedForms) {
    struct Case {
        const char* text;
        const char* numbers;
        const char* words;
    } cases[] = {
        {"0,32", "0,32", "0,32"},
        {"(0,32)", "0,32", "0,32"},
        {" ( 0 , 32 )\t", "0,32", "0,32"},
        {"-2,+4", "-2,4", "-2,4"},
        {"32767,-32768,255", "32767,-32768,255", "32767,-32768,255"},
        {"3,5, 0 ", "3,5,0", "3,5,0"},
        {"4,6,underworld", "-", "4,6,1"},
        {"4,6,deep underworld", "-", "4,6,3"},
        {"4,6,abyss", "-", "4,6,7"},
        // An unknown word is a deeper level, as in reports.
        {"4,6,somewhere", "-", "4,6,3"},
        {"", "-", "-"},
        {"0", "-", "-"},
        {"0;32", "-", "-"},
        {"a,1", "-", "-"},
        {"1,", "-", "-"},
        {",1", "-", "-"},
        {"1,2,", "-", "-"},
        {"1,2,256", "-", "-"},
        {"1,2,-1", "-", "-"},
        {"1,2,3x", "-", "-"},
        {"1,2,3,4", "-", "-"},
        {"32768,0", "-", "-"},
        {"1 2,3", "-", "-"},
        {"+-1,2", "-", "-"},
        {"1.5,2", "-", "-"},
        {"(1,2", "-", "-"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Parsed(c.text, LevelForms::Numbers), c.numbers) << c.text;
        EXPECT_EQ(Parsed(c.text, LevelForms::NumbersOrWords), c.words) << c.text;
    }
    // Every hex as the program and the reports write it reads back as the same hex.
    for (int z = 0; z < 8; ++z) {
        AtlCoord coord(-3, 5, z);
        auto back = ParseCoordText(coord.GetString().Get(), LevelForms::NumbersOrWords);
        ASSERT_TRUE(back) << coord.GetString().Get();
        EXPECT_EQ(AtlCoord(back->x, back->y, back->z.value_or(0)), coord);
    }
}
