#include "report/linetype.h"

#include <gtest/gtest.h>

#include <string>

TEST(GetLineType, KeywordsAtTheStartOfTheLine) {
    EXPECT_EQ(GetLineType(nullptr), LineType::Missing);
    EXPECT_EQ(GetLineType(""), LineType::Empty);
    EXPECT_EQ(GetLineType("Exits:"), LineType::Exits);
    EXPECT_EQ(GetLineType("  Wanted: none."), LineType::Wanted);
    EXPECT_EQ(GetLineType("Wanted: none."), LineType::Ordinary);
    EXPECT_EQ(GetLineType("---------"), LineType::Ordinary);
    EXPECT_EQ(GetLineType(std::string(60, '-').c_str()), LineType::Rule);
    EXPECT_EQ(GetLineType("--------------"), LineType::Rule);
    EXPECT_EQ(GetLineType("- City Guard (47), on guard"), LineType::OtherUnit);
    EXPECT_EQ(GetLineType("* Seer (359)"), LineType::OwnUnit);
    EXPECT_EQ(GetLineType("+ Ship [100] : Longship"), LineType::Building);
    EXPECT_EQ(GetLineType("Atlantis Report For:"), LineType::ReportFor);
    EXPECT_EQ(GetLineType("Atlantis Engine Version: 5.2.5 (beta)"), LineType::EngineVersion);
    EXPECT_EQ(GetLineType("Unfriendly : Creatures (2)."), LineType::Unfriendly);
    EXPECT_EQ(GetLineType("Unclaimed silver: 2030."), LineType::UnclaimedSilver);
    EXPECT_EQ(GetLineType("There is a Gate here (Gate 28 of 31)."), LineType::Gate);
    EXPECT_EQ(GetLineType("Orders Template (Long Format):"), LineType::OrdersTemplate);
    EXPECT_EQ(GetLineType("plain (36,4) in Cluen"), LineType::Ordinary);
    EXPECT_EQ(GetLineType("  Entertainment available: $148."), LineType::Entertainment);
    EXPECT_EQ(GetLineType("  Entertainment"), LineType::Ordinary); // the keyword is not complete
}

TEST(GetLineType, EveryKeywordIsFoundByTheBinarySearch) {
    // Each keyword of the table, looked up on its own, must come back with its row.
    const std::pair<const char*, int> rows[] = {{"Ally :", 2},
                                                {"Atlantis Engine Version:", 3},
                                                {"Atlantis Report For:", 4},
                                                {"Declared Attitudes ", 5},
                                                {"Events during turn:", 6},
                                                {"Faction Status:", 7},
                                                {"Friendly :", 8},
                                                {"Hostile :", 9},
                                                {"Mages:", 10},
                                                {"Neutral :", 11},
                                                {"Tax Regions:", 12},
                                                {"Trade Regions:", 13},
                                                {"Unfriendly :", 14},
                                                {"Skill reports:", 15},
                                                {"Unclaimed silver:", 16},
                                                {"Exits:", 17},
                                                {"Orders Template", 18},
                                                {"--------------", 19},
                                                {"+ ", 20},
                                                {"  Entertainment available:", 21},
                                                {"  For Sale:", 22},
                                                {"  Products:", 23},
                                                {"  Wages:", 24},
                                                {"  Wanted:", 25},
                                                {"There is a Gate here", 26},
                                                {"- ", 27},
                                                {"* ", 28}};
    for (auto [keyword, type] : rows)
        EXPECT_EQ(GetLineType(keyword), type) << keyword;
}

TEST(Keywords, MonthsAreExactAndCaseSensitive) {
    const char* names[] = {"January", "February", "March",     "April",   "May",      "June",
                           "July",    "August",   "September", "October", "November", "December"};
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(GetMonthNum(names[m]), m) << names[m];
    EXPECT_EQ(GetMonthNum("march"), -1);
    EXPECT_EQ(GetMonthNum("Marc"), -1);
    EXPECT_EQ(GetMonthNum(""), -1);
    EXPECT_EQ(GetMonthNum(nullptr), -1);
}

TEST(Keywords, CommonWordsTerrainsAndDirections) {
    const std::pair<const char*, int> terrains[] = {
        {"mountain", 1}, {"forest", 2},       {"ocean", 3},   {"swamp", 4},
        {"tundra", 5},   {"plain", 6},        {"jungle", 7},  {"desert", 8},
        {"cavern", 9},   {"underforest", 10}, {"tunnels", 11}};
    for (auto [word, code] : terrains) {
        TerrainType t("old");
        EXPECT_EQ(GetTerrainType(word, t), 0) << word;
        EXPECT_EQ(t.GetType(), code) << word;
        EXPECT_TRUE(t.GetName().IsEmpty());
    }
    TerrainType t;
    EXPECT_EQ(GetTerrainType("volcano", t), 0);
    EXPECT_EQ(t.GetType(), TerrainType::Other);
    EXPECT_EQ(t.GetName(), "volcano");
    EXPECT_EQ(GetTerrainType("North", t), -1);
    EXPECT_EQ(GetTerrainType("", t), -1);
    EXPECT_EQ(GetTerrainType("Ocean", t), 0); // the report writes terrains in lower case
    EXPECT_EQ(t.GetType(), TerrainType::Other);

    const std::pair<const char*, AtlDirection::Type> directions[] = {
        {"North", AtlDirection::North},         {"Northeast", AtlDirection::Northeast},
        {"Northwest", AtlDirection::Northwest}, {"South", AtlDirection::South},
        {"Southeast", AtlDirection::Southeast}, {"Southwest", AtlDirection::Southwest}};
    for (auto [word, dir] : directions) {
        AtlDirection::Type d = AtlDirection::South;
        EXPECT_EQ(GetDirectionType(word, d), 0) << word;
        EXPECT_EQ(d, dir);
    }
    AtlDirection::Type d = AtlDirection::South;
    EXPECT_EQ(GetDirectionType("ocean", d), -1);
    EXPECT_EQ(GetDirectionType("north", d), -1);
    EXPECT_EQ(d, AtlDirection::South);
    EXPECT_EQ(GetCommonToken("underforest"), 16);
    EXPECT_EQ(GetCommonToken("tunnels"), 15);
}

TEST(Begcmp, PrefixComparisonOfSignedBytes) {
    EXPECT_EQ(begcmp("Exits: none", "Exits:"), 0);
    EXPECT_EQ(begcmp("Ex", "Exits:"), 1);
    EXPECT_EQ(begcmp("Ea", "Ex"), -1);
    EXPECT_EQ(begcmp("Ez", "Ex"), 1);
    EXPECT_EQ(begcmp("\xe9", "a"), -1); // signed: bytes above 127 sort first
}
