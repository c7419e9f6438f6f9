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
