#include "app/lang.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// The error-message library and the English language library, called as the program calls
// a language library's error functions.
struct ErrorLibraries : ::testing::Test {
    void SetUp() override {
        errlex.SetModule(DynLib::Load(VEXLOR_ERRLEX_SO));
        english.SetModule(DynLib::Load(VEXLOR_VEXENU_SO));
        ASSERT_NE(errlex.GetHModule(), nullptr);
        ASSERT_NE(english.GetHModule(), nullptr);
    }
    LangWithError errlex;
    LangWithError english;
};

bool StartsWith(const Str& text, const char* prefix) {
    return text.View().substr(0, std::char_traits<char>::length(prefix)) == prefix;
}

} // namespace

TEST_F(ErrorLibraries, SystemCodesComeFromTheTable) {
    EXPECT_EQ(errlex.strerror(0), "No error");
    EXPECT_EQ(errlex.strerror(1), "Incorrect function");
    EXPECT_EQ(errlex.strerror(2), "The system cannot find the file specified");
    EXPECT_EQ(errlex.strerror(50), "The network request is not supported");
    EXPECT_EQ(errlex.strerror(10004), "Interrupted function call");
    EXPECT_EQ(errlex.strerror(11001), "Host not found");
    EXPECT_EQ(errlex.strerror(12001), "No more Internet handles can be allocated");
    EXPECT_EQ(errlex.strerror(-2), "Volume has no label");
    EXPECT_EQ(errlex.strerror(6118),
              "The list of servers for this workgroup is not currently available");
}

TEST_F(ErrorLibraries, CodesWithoutTextTakeThePatternOfTheirRange) {
    EXPECT_EQ(errlex.strerror(2150), "Network Error #2150");
    EXPECT_EQ(errlex.strerror(2100), "Network Error #2100");
    EXPECT_EQ(errlex.strerror(2999), "Network Error #2999");
    EXPECT_EQ(errlex.strerror(12100), "Internet Error #12100");
    EXPECT_EQ(errlex.strerror(12160), "The request was not redirected"); // a row, past the range
    EXPECT_EQ(errlex.strerror(12161), "Error #12161");
    EXPECT_EQ(errlex.strerror(600), "Remote Access Error #600");
    EXPECT_EQ(errlex.strerror(752), "Remote Access Error #752");
    EXPECT_EQ(errlex.strerror(753), "Error #753");
    EXPECT_EQ(errlex.strerror(10000), "Window Socket Error #10000");
    EXPECT_EQ(errlex.strerror(10120), "Window Socket Error #10120");
    EXPECT_EQ(errlex.strerror(10121), "Error #10121");
    EXPECT_EQ(errlex.strerror(-100), "Error #-100");
}

TEST_F(ErrorLibraries, TheOtherThreeFunctions) {
    EXPECT_EQ(errlex.strerror_GetVolumeLabel(18), "Volume has no label");
    EXPECT_EQ(errlex.strerror_GetVolumeLabel(-4), "Unknown drive");
    EXPECT_EQ(errlex.strerror_GetVolumeLabel(5), "Access is denied");

    Str notFound = errlex.strerror_Execute(2);
    EXPECT_TRUE(
        StartsWith(notFound, "Cannot find the specified file (or one of its components). "));
    EXPECT_GT(notFound.Length(), 70); // with its further advice
    EXPECT_EQ(errlex.strerror_Execute(0),
              "System is out of memory, executable file is corrupt, or relocations are invalid.");
    EXPECT_EQ(errlex.strerror_Execute(3), "The specified path is invalid.");
    EXPECT_EQ(errlex.strerror_Execute(7), "Error #7 running file");

    EXPECT_EQ(errlex.strerror_CommDlg(65535), "Common Dialog Error");
    EXPECT_EQ(errlex.strerror_CommDlg(1),
              "Invalid structure size for the corresponding common dialog box");
    EXPECT_EQ(errlex.strerror_CommDlg(4108), "Default printer does not match");
    EXPECT_EQ(errlex.strerror_CommDlg(8193), "No fonts exist");
    EXPECT_EQ(errlex.strerror_CommDlg(16385), "Invalid buffer");
    EXPECT_EQ(errlex.strerror_CommDlg(13), "Common Dialog Error #13");
}

TEST_F(ErrorLibraries, CodesAtTheEndsOfTheRangeLookUpNothing) {
    EXPECT_EQ(errlex.strerror(INT_MAX), ("Error #" + std::to_string(INT_MAX)).c_str());
    EXPECT_EQ(errlex.strerror(INT_MIN), ("Error #" + std::to_string(INT_MIN)).c_str());
    EXPECT_EQ(errlex.strerror_Execute(INT_MAX),
              ("Error #" + std::to_string(INT_MAX) + " running file").c_str());
    EXPECT_EQ(errlex.strerror_CommDlg(INT_MAX),
              ("Common Dialog Error #" + std::to_string(INT_MAX)).c_str());
    EXPECT_EQ(errlex.strerror_CommDlg(-5001), "Common Dialog Error #-5001");
}

TEST_F(ErrorLibraries, EveryTextFitsTheBufferWhole) {
    // A text cut at the 255 characters of the library's buffer would end mid-sentence.
    int rows = 0;
    for (int code = -4; code <= 12200; ++code) {
        Str text = errlex.strerror(code);
        EXPECT_LT(text.Length(), 255) << code;
        rows +=
            !StartsWith(text, "Error #") && text.View().find(" Error #") == std::string_view::npos;
    }
    for (int code = 0; code <= 32; ++code)
        EXPECT_LT(errlex.strerror_Execute(code).Length(), 255);
    EXPECT_GT(rows, 850);
}

TEST_F(ErrorLibraries, TheLanguageLibraryNeverGivesItsWindowTextsAsErrorTexts) {
    // Its strings 1000 to 1104 sit where error codes 950 to 1054 would be looked up.
    EXPECT_EQ(english.strerror(950), "Error #950");
    EXPECT_EQ(english.strerror(1050), "Error #1050");
    EXPECT_EQ(english.strerror_Execute(999), "Error #999 running file");
    EXPECT_EQ(english.strerror(0), "Error #0");
    EXPECT_EQ(english.strerror(2150), "Network Error #2150");
    EXPECT_EQ(english.strerror_GetVolumeLabel(18), "Error #-2");
    EXPECT_EQ(english.strerror_CommDlg(65535), "Common Dialog Error");
}
