#include "cli/docjson.h"

#include "model/vexlordoc.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Json(std::string_view cp1252) {
    std::string out;
    AppendJsonText(out, cp1252);
    return out;
}

} // namespace

TEST(DocJson, TextsBecomeUtf8FromWindows1252) {
    EXPECT_EQ(Json("Verdorf"), "\"Verdorf\"");
    EXPECT_EQ(Json("Caf\xE9 \xC6lves \xFF"), "\"Caf\xC3\xA9 \xC3\x86lves \xC3\xBF\"");
    EXPECT_EQ(Json("\x80\x9F\x99"),
              "\"\xE2\x82\xAC\xC5\xB8\xE2\x84\xA2\""); // euro, Y diaeresis, TM
    EXPECT_EQ(Json("\xA0"), "\"\xC2\xA0\"");
    // The five unassigned bytes have no letter; they stay the control of the same number.
    EXPECT_EQ(Json("\x81\x8D\x8F\x90\x9D"), "\"\\u0081\\u008d\\u008f\\u0090\\u009d\"");
}

TEST(DocJson, TextsAreEscaped) {
    EXPECT_EQ(Json("say \"hi\" \\ \t\n\r\b\f"), "\"say \\\"hi\\\" \\\\ \\t\\n\\r\\b\\f\"");
    EXPECT_EQ(Json(std::string_view("a\0b\x1F\x7F", 5)), "\"a\\u0000b\\u001f\\u007f\"");
    EXPECT_EQ(Json(""), "\"\"");
}

TEST(DocJson, EmptyDocumentAndTurn) {
    VexlorDoc doc;
    std::string out;
    AppendDocJson(out, doc);
    EXPECT_EQ(out, "{\"faction\": 0, \"turns\": []}");
    doc.SetFaction(-1);
    doc.RegisterTurn(AtlDate(-1));
    out.clear();
    AppendDocJson(out, doc);
    EXPECT_EQ(out, "{\"faction\": -1, \"turns\": [{\"date\": -1, \"dateText\": \", Year 0\", "
                   "\"text\": \"\", \"factions\": [], \"locations\": []}]}");
}

TEST(DocJson, KeptExtrasFollowTheRecordsKeys) {
    VexlorDoc doc;
    TurnNode* turn = doc.RegisterTurn(AtlDate(5, 1));
    LocationNode* loc = turn->RegisterLoc(AtlCoord(36, 4));
    auto* unit = new UnitNode();
    unit->number = 359;
    loc->units.Add(unit);
    turn->RegisterLoc(AtlCoord(37, 3)); // known only from an exit: no extras of its own
    TurnExtras extras;
    RegionExtras& region = extras.Region(AtlCoord(36, 4));
    region.gate = 28;
    region.weather = "Clear.";
    ExitRecord exit;
    exit.direction = AtlDirection::Northeast;
    exit.target = AtlCoord(37, 3, 1);
    exit.terrain = TerrainType(TerrainType::Plain);
    exit.regionName = "Cluen";
    region.exits.push_back(exit);
    UnitExtras& details = extras.Unit(359);
    details.weight = 10;
    details.skills.push_back({"pattern", "PATT", 2, 90});
    extras.events.events.push_back("Seer (359): Studies.");

    std::string out;
    AppendTurnJson(out, *turn, &extras);
    EXPECT_NE(out.find("\"items\": [], \"weight\": 10, \"capacity\": \"\", \"skills\": [{\"name\": "
                       "\"pattern\", \"abbr\": \"PATT\", \"level\": 2, \"days\": 90}], "
                       "\"combatSpell\": \"\", \"canStudy\": []}"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("\"flags\": 0, \"exits\": [{\"direction\": \"Northeast\", \"x\": 37, \"y\": "
                       "3, \"z\": 1, \"terrain\": 6, \"terrainName\": \"plain\", \"regionName\": "
                       "\"Cluen\", \"townName\": \"\", \"townType\": \"\"}], \"gate\": 28, "
                       "\"gateCount\": 0, \"weather\": \"Clear.\"}, {"),
              std::string::npos)
        << out;
    // The neighbour ends with the record's last key.
    EXPECT_TRUE(out.ends_with("\"flags\": 0}], \"errors\": [], \"battles\": [], \"events\": "
                              "[\"Seer (359): Studies.\"]}"))
        << out;
}
