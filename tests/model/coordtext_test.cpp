#include "model/atlcoord.h"
#include "model/coordtext.h"
#include "model/levelname.h"

#include <gtest/gtest.h>

#include <cctype>
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

// The forms find (numbers or the program's level names) and the other commands (numbers or a
// report's level words) take.
TEST(CoordText, AcceptedAndRefusedForms) {
    struct Case {
        const char* text;
        const char* names;
        const char* words;
    } cases[] = {
        {"0,32", "0,32", "0,32"},
        {"(0,32)", "0,32", "0,32"},
        {" ( 0 , 32 )\t", "0,32", "0,32"},
        {"-2,+4", "-2,4", "-2,4"},
        {"32767,-32768,255", "32767,-32768,255", "32767,-32768,255"},
        {"3,5, 0 ", "3,5,0", "3,5,0"},
        {"4,6,underworld", "4,6,1", "4,6,1"},
        {"0,0,NEXUS", "0,0,2", "0,0,2"},
        {"(0,0, Deep Underworld )", "0,0,3", "0,0,3"},
        {"4,6,abyss", "4,6,7", "4,6,7"},
        {"4,6,level 9", "4,6,9", "-"},
        // The surface is never written as a word in reports: there it is an unknown word.
        {"4,6,surface", "4,6,0", "4,6,3"},
        // An unknown word is a deeper level, as in reports; find finds nothing there.
        {"4,6,somewhere", "-", "4,6,3"},
        {"4,6,deep", "-", "4,6,3"},
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
        EXPECT_EQ(Parsed(c.text, LevelForms::NumbersOrNames), c.names) << c.text;
        EXPECT_EQ(Parsed(c.text, LevelForms::NumbersOrWords), c.words) << c.text;
    }
    // Every hex as the program and the reports write it reads back as the same hex.
    for (LevelForms forms : {LevelForms::NumbersOrNames, LevelForms::NumbersOrWords})
        for (int z = 0; z < kNamedLevels; ++z) {
            AtlCoord coord(-3, 5, z);
            auto back = ParseCoordText(coord.GetString().Get(), forms);
            ASSERT_TRUE(back) << coord.GetString().Get();
            EXPECT_EQ(AtlCoord(back->x, back->y, back->z.value_or(0)), coord);
        }
}

// Each name the program gives a level (the status bar's) is that level's again, in any case.
TEST(LevelName, NamesReadBackInAnyCase) {
    for (int z = 0; z <= 255; ++z) {
        std::string name = LevelName(z);
        EXPECT_EQ(LevelOfName(name), z) << name;
        for (char& c : name)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(LevelOfName(" " + name + "\t"), z) << name;
    }
    for (const char* other : {"", "level", "level 3", "level 256", "level x", "deep", "nexus2"})
        EXPECT_FALSE(LevelOfName(other)) << other;
    // A report's words: the deeper levels by name, anything else the first deep level.
    EXPECT_EQ(LevelFromWord("Abyss"), 7);
    EXPECT_EQ(LevelFromWord("surface"), 3);
    EXPECT_EQ(LevelFromWord("level 12"), 3);
}
