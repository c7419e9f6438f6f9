#include "app/lang.h"
#include "app/langres.h"
#include "app/resources.h"
#include "base/messagetext.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct English : ::testing::Test {
    void SetUp() override {
        lang.SetModule(DynLib::Load(VEXLOR_VEXENU_SO));
        ASSERT_NE(lang.GetHModule(), nullptr);
    }
    LangWithError lang;
};

} // namespace

// The English library and the program's fallback are one table: every string the library
// answers is the table's English text, and every text of the table is in the library.
TEST_F(English, StringTableIsTheMessageTable) {
    auto resources =
        reinterpret_cast<VexResourcesFn>(lang.GetHModule()->Symbol(VEX_RESOURCES_NAME));
    ASSERT_NE(resources, nullptr);
    const VexLangRes* tables = resources();
    std::set<unsigned> answered;
    for (int i = 0; i < tables->stringCount; ++i) {
        const VexStringRes& row = tables->strings[i];
        EXPECT_TRUE(answered.insert(row.id).second) << "string " << row.id << " twice";
        EXPECT_STREQ(row.text, EnglishMessage(static_cast<int>(row.id))) << "string " << row.id;
    }
    std::set<int> ids;
    for (const MessageRow& row : kMessageTable) {
        EXPECT_TRUE(ids.insert(row.id).second) << "message " << row.id << " twice";
        EXPECT_NE(*row.english, 0) << "message " << row.id;
        EXPECT_EQ(lang.LoadStringA(static_cast<unsigned>(row.id)), row.english);
        EXPECT_EQ(lang.Text(row.id), row.english);
    }
    EXPECT_EQ(answered.size(), ids.size());
    // The language's own name, by which the library is offered at start.
    EXPECT_EQ(lang.LoadStringA(Msg::LanguageName), "English");
    EXPECT_TRUE(lang.LoadStringA(1002).IsEmpty());
    EXPECT_EQ(lang.LoadStringA(1000, 4), "Vex");
    EXPECT_EQ(lang.LoadStringA(1000, -3), "Vexlor");
}

TEST_F(English, MainMenuHasItsTitlesEntriesAndCommands) {
    MenuTemplate menu = lang.LoadMenuA(1);
    std::string layout;
    for (const MenuItemDef& item : menu) {
        layout += std::string(item.depth * 2, ' ');
        layout += item.separator ? "-" : std::string(item.text.View());
        if (item.id) layout += " " + std::to_string(item.id);
        layout += "\n";
    }
    EXPECT_EQ(layout, "&File\n"
                      "  &New\tCtrl+N 101\n  &Open\tCtrl+O 102\n  &Save\tCtrl+S 103\n"
                      "  Sa&ve as...\tCtrl+Shift+S 104\n  -\n"
                      "  &Add report 105\n  &Export map... 106\n  Export se&lection... 250\n  -\n"
                      "  Add ally's &map... 230\n  Export for an all&y... 231\n  -\n"
                      "  E&xit\tCtrl+Q 100\n"
                      "&View\n"
                      "  Plain &up\tAlt+Up 200\n  Plain &down\tAlt+Down 201\n  -\n"
                      "  Next turn\tAlt+Right 202\n"
                      "  Prev turn\tAlt+Left 203\n  First turn\tAlt+Home 204\n"
                      "  Last turn\tAlt+End 205\n  -\n  &Find...\tCtrl+F 206\n"
                      "  Turn &events...\tCtrl+E 207\n  &Changes... 285\n  &Minimap\tCtrl+M 255\n"
                      "  F&action... 270\n"
                      "  &Reference... 271\n  A&llies... 232\n  Uni&ts... 295\n"
                      "  Faction&s... 296\n  Histor&y... 280\n  Clear trac&k 290\n  -\n"
                      "  Zoom &in\tCtrl++ 220\n  Zoom &out\tCtrl+- 221\n"
                      "  Actual si&ze\tCtrl+0 222\n  &Whole level 223\n  -\n"
                      "  Your units at &newest known places 224\n"
                      "  S&hade\n"
                      "    &None 240\n    &Wages 241\n    &Peasants 242\n    &Taxes 243\n"
                      "    &Entertainment 244\n    An &item's amount or price... 245\n"
                      "    &Last seen 246\n    Weather t&his month 247\n"
                      "    Weather ne&xt month 248\n    &Factions 249\n"
                      "&Bookmarks\n"
                      "  &Note...\tF2 260\n  &Bookmark this hex\tCtrl+B 261\n"
                      "\b&Help\n"
                      "  &Index\tF1 901\n  &Using help 902\n  -\n  &About... 903\n");
    EXPECT_TRUE(lang.LoadMenuA(2).empty());
}

// Within one menu no two entries share a mnemonic: its key would reach only the first.
TEST_F(English, NoTwoEntriesOfAMenuShareAMnemonic) {
    std::vector<std::map<char, std::string>> letters; // by depth, those of the menu being walked
    for (const MenuItemDef& item : lang.LoadMenuA(1)) {
        letters.resize(static_cast<size_t>(item.depth) + 1); // a deeper menu walked is left
        if (item.separator) continue;
        const std::string text = item.text.Get();
        const size_t mark = text.find('&');
        if (mark == std::string::npos || mark + 1 >= text.size()) continue;
        const char key =
            static_cast<char>(std::tolower(static_cast<unsigned char>(text[mark + 1])));
        auto [first, isNew] = letters.back().try_emplace(key, text);
        EXPECT_TRUE(isNew) << "\"" << text << "\" and \"" << first->second << "\" share '" << key
                           << "'";
    }
}

// Every text a player reads, walked for the misspellings that once stood in them.
TEST_F(English, NoTextHoldsAKnownMisspelling) {
    const char* const misspelt[] = {"reprt",   "SaveAs",  "can not", "Yes to All", "No to All",
                                    "recieve", "seperat", "occured", "existant",   "teh "};
    std::vector<std::string> texts;
    for (const MessageRow& row : kMessageTable)
        texts.emplace_back(row.english);
    for (const MenuItemDef& item : lang.LoadMenuA(1))
        texts.emplace_back(item.text.View());
    std::ifstream help(VEXLOR_VEXENU_HTML);
    ASSERT_TRUE(help) << VEXLOR_VEXENU_HTML;
    texts.emplace_back(std::istreambuf_iterator<char>(help), std::istreambuf_iterator<char>());
    for (const std::string& text : texts)
        for (const char* wrong : misspelt)
            EXPECT_EQ(text.find(wrong), std::string::npos)
                << wrong << " in: " << text.substr(0, 80);
    // The batch questions and the file filters read as meant.
    EXPECT_STREQ(EnglishMessage(Msg::ReportFilter),
                 "Atlantis reports (*.rep)|*.rep|All files (*.*)|*.*|");
    EXPECT_STREQ(EnglishMessage(Msg::ButtonYesToAll), "Yes to &all");
    EXPECT_STREQ(EnglishMessage(Msg::ButtonNoToAll), "No to a&ll");
}

TEST_F(English, AboutDialog) {
    DialogTemplate about;
    ASSERT_TRUE(lang.LoadDialogA(300, about));
    EXPECT_EQ(about.caption, "About");
    EXPECT_EQ(about.font, "MS Sans Serif");
    EXPECT_EQ(about.pointSize, 8);
    EXPECT_EQ(about.cx, 148);
    EXPECT_EQ(about.cy, 92);
    ASSERT_EQ(about.controls.size(), 4u);
    EXPECT_EQ(about.controls[0].text, "Vexlor");
    EXPECT_EQ(about.controls[1].text, "Version 1.0");
    EXPECT_EQ(about.controls[0].kind, ControlDef::CText);
    EXPECT_EQ(about.controls[3].kind, ControlDef::DefPushButton);
    EXPECT_EQ(about.controls[3].id, 1);
    EXPECT_EQ(about.controls[3].text, "OK");
    for (const ControlDef& c : about.controls) {
        EXPECT_LE(c.x + c.cx, about.cx);
        EXPECT_LE(c.y + c.cy, about.cy);
    }
    EXPECT_FALSE(lang.LoadDialogA(301, about));
}

TEST(Lang, ATranslationsTextsComeFirstAndEnglishFillsItsGaps) {
    Lang german;
    german.SetModule(DynLib::Load(VEXLOR_TESTLANG_DEU));
    ASSERT_NE(german.GetHModule(), nullptr);
    EXPECT_EQ(german.Text(Msg::CannotOpen), "Datei kann nicht geöffnet werden");
    EXPECT_EQ(german.Text(Msg::EventsHeading), "Events during turn:");
}

TEST(Lang, WithoutALibraryEverythingIsEmptyAndErrorsAreNumbers) {
    LangWithError none;
    EXPECT_EQ(none.GetHModule(), nullptr);
    EXPECT_TRUE(none.LoadStringA(1000).IsEmpty());
    EXPECT_TRUE(none.LoadMenuA(1).empty());
    DialogTemplate about;
    EXPECT_FALSE(none.LoadDialogA(300, about));
    EXPECT_EQ(none.strerror(5), "Error #5");
    // The window's texts stand in English.
    EXPECT_EQ(none.Text(Msg::NothingFound), "Nothing found");
    EXPECT_TRUE(none.Text(4242).IsEmpty());
    EXPECT_EQ(none.strerror_CommDlg(65535), "Error #65535");
}
