#include "app/lang.h"
#include "app/resources.h"

#include <gtest/gtest.h>

namespace {

struct English : ::testing::Test {
    void SetUp() override {
        lang.SetModule(DynLib::Load(VEXLOR_VEXENU_SO));
        ASSERT_NE(lang.GetHModule(), nullptr);
    }
    LangWithError lang;
};

} // namespace

TEST_F(English, StringTableHoldsTheWindowTexts) {
    EXPECT_EQ(lang.LoadStringA(1000), "Vexlor");
    EXPECT_EQ(lang.LoadStringA(1001), "English");
    EXPECT_EQ(lang.LoadStringA(1100), "File %s has changed.\n\nDo you want to save the changes?");
    EXPECT_EQ(lang.LoadStringA(1101), "This report is for turn (%s) which is already loaded. "
                                      "Rewrite old turn information?");
    EXPECT_EQ(lang.LoadStringA(1102), "This report is for another faction. You can not combine "
                                      "reports for different factions in one document.");
    EXPECT_EQ(lang.LoadStringA(1103), "Unable to save document");
    EXPECT_EQ(lang.LoadStringA(1104), "Unable to open file");
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
                      "  &SaveAs\tCtrl+Shift+S 104\n  -\n"
                      "  &Add report 105\n  &Export map... 106\n  -\n  E&xit\tCtrl+Q 100\n"
                      "&View\n"
                      "  Plain up 200\n  Plain down 201\n  -\n  Next turn\tAlt+Right 202\n"
                      "  Prev turn\tAlt+Left 203\n  First turn\tAlt+Home 204\n"
                      "  Last turn\tAlt+End 205\n  -\n  &Find...\tCtrl+F 206\n"
                      "  Turn &events...\tCtrl+E 207\n  -\n"
                      "  Zoom &in\tCtrl++ 220\n  Zoom &out\tCtrl+- 221\n"
                      "  &Actual size\tCtrl+0 222\n  &Whole level 223\n"
                      "\b&Help\n"
                      "  &Index\tF1 901\n  &Using help 902\n  -\n  &About... 903\n");
    EXPECT_TRUE(lang.LoadMenuA(2).empty());
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

TEST_F(English, FormattingFillsOnlyTextArguments) {
    EXPECT_EQ(lang.sprintf(1100, {"/maps/red.atl"}),
              "File /maps/red.atl has changed.\n\nDo you want to save the changes?");
    EXPECT_EQ(lang.sprintf(1101, {"May, Year 1"}),
              "This report is for turn (May, Year 1) which "
              "is already loaded. Rewrite old turn information?");
    // A missing argument gives nothing rather than reading past the arguments given.
    EXPECT_EQ(lang.sprintf(1100, {}), "File  has changed.\n\nDo you want to save the changes?");
    EXPECT_TRUE(lang.sprintf(4242, {"x"}).IsEmpty());
}

TEST(Lang, WithoutALibraryEverythingIsEmptyAndErrorsAreNumbers) {
    LangWithError none;
    EXPECT_EQ(none.GetHModule(), nullptr);
    EXPECT_TRUE(none.LoadStringA(1000).IsEmpty());
    EXPECT_TRUE(none.LoadMenuA(1).empty());
    DialogTemplate about;
    EXPECT_FALSE(none.LoadDialogA(300, about));
    EXPECT_EQ(none.strerror(5), "Error #5");
    EXPECT_EQ(none.strerror_CommDlg(65535), "Error #65535");
}
