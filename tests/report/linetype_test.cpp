#include "report/extrasreader.h"
#include "report/linetype.h"
#include "report/regions.h"
#include "report/reportlines.h"
#include "report/unitlines.h"
#include "report_test_util.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
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

namespace {

bool IsAttitude(int type) {
    return type == LineType::Hostile || type == LineType::Unfriendly || type == LineType::Neutral ||
           type == LineType::Friendly || type == LineType::Ally;
}

bool IsMarket(int type) {
    return type == LineType::Wages || type == LineType::Wanted || type == LineType::ForSale ||
           type == LineType::Entertainment || type == LineType::Products;
}

bool IsHeading(int type) {
    return type == LineType::ReportFor || type == LineType::EngineVersion ||
           type == LineType::FactionStatus || type == LineType::Events ||
           type == LineType::DeclaredAttitudes || type == LineType::UnclaimedSilver ||
           type == LineType::Exits || type == LineType::OrdersTemplate;
}

std::string Where(const std::filesystem::path& file, const ReportLine* n) {
    return file.string() + ":" + std::to_string(n->line) + ": " + std::string(n->text.View());
}

} // namespace

// The keywords as the engine writes them: every type is given to some line of the real
// reports, and each line is of the kind its type says, as the reader of that kind (or its
// place in the report) shows.
TEST(GetLineType, RealReportsGiveEveryTypeToTheLinesMeantForIt) {
    std::map<int, int> seen;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(VEXLOR_REPORTS_DIR)) {
        if (entry.path().extension() != ".rep") continue;
        const std::string text = ReadPath(entry.path());
        imwstream in(text.data(), text.size());
        ReportLines lines;
        ASSERT_EQ(lines.Read(in, nullptr), 0) << entry.path();
        const ReportLine* previous = nullptr;
        int paragraph = LineType::Empty; // the type of the paragraph's first line
        bool paragraphHasRule = false, inRegions = false, inOrders = false;
        StrAssocList names;
        FactionNames factions(names);
        for (const ReportLine* n = lines.First(); n; previous = n, n = n->Next()) {
            const int type = GetLineType(n->text.Get());
            const std::string where = Where(entry.path(), n);
            ++seen[type];
            if (type == LineType::Empty) {
                paragraph = LineType::Empty;
                paragraphHasRule = false;
                continue;
            }
            const bool first = paragraph == LineType::Empty;
            if (first) paragraph = type;
            if (IsHeading(type)) {
                EXPECT_TRUE(first) << where;
            }
            if (type == LineType::OrdersTemplate) inOrders = true;
            if (inOrders) continue;
            const char* p = n->text.Get();
            if (type == LineType::Rule) {
                // A region line stands before every rule.
                ASSERT_NE(previous, nullptr) << where;
                const char* region = previous->text.Get();
                TerrainType terrain;
                AtlCoord coord;
                Str name, town, townType;
                EXPECT_EQ(ReadLocationBasicInfo(region, terrain, coord, name, town, townType), 0)
                    << where;
                paragraphHasRule = inRegions = true;
            } else if (type == LineType::Exits) {
                const ReportLine* exit = n->Next();
                ASSERT_NE(exit, nullptr) << where;
                ExitRecord record;
                EXPECT_TRUE(IsNoExitLine(exit->text.Get()) ||
                            ReadExitLine(exit->text.Get(), record) == 0)
                    << Where(entry.path(), exit);
            } else if ((type == LineType::OwnUnit || type == LineType::OtherUnit) && inRegions) {
                UnitNode unit;
                EXPECT_EQ(ReadUnitInfo(p, unit, factions), 0) << where;
            } else if (type == LineType::Building) {
                BuildingNode building;
                EXPECT_EQ(ReadBuildingInfo(p, building), 0) << where;
            } else if (type == LineType::Gate) {
                int32_t gate = 0, count = 0;
                EXPECT_EQ(ReadGateLine(p, gate, count), 0) << where;
            } else if (IsMarket(type)) {
                EXPECT_TRUE(paragraphHasRule) << where;
            } else if (IsAttitude(type)) {
                EXPECT_EQ(paragraph, LineType::DeclaredAttitudes) << where;
            } else if (type == LineType::Mages || type == LineType::TaxRegions ||
                       type == LineType::TradeRegions) {
                EXPECT_EQ(paragraph, LineType::FactionStatus) << where;
            }
        }
    }
    for (int type = LineType::Ordinary; type <= LineType::OwnUnit; ++type)
        EXPECT_GT(seen[type], 0) << "no real line of type " << type;
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
