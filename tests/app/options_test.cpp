#include "app/options.h"
#include "app/profile.h"
#include "testdir.h"

#include <gtest/gtest.h>

TEST(Options, FirstRunHasTheDefaultsAndExitWritesAllTenKeys) {
    TestDir dir;
    ApplicationProfile profile(dir.File("vexlor.INI").c_str());
    Options options;
    options.Read(profile);
    EXPECT_EQ(options.language, "enu");
    EXPECT_TRUE(options.lastDir.IsEmpty());
    EXPECT_FALSE(options.headings.bWantedOpen || options.headings.bForSaleOpen ||
                 options.headings.bProductsOpen || options.headings.bMyUnitsOpen ||
                 options.headings.bOtherUnitsOpen || options.headings.bBuildingsOpen ||
                 options.headings.bExitsOpen || options.headings.bAlliedUnitsOpen);
    options.Write(profile);
    EXPECT_EQ(dir.Read("vexlor.INI"), "[Options]\n"
                                      "Language=enu\n"
                                      "LastDir=\n"
                                      "\n"
                                      "[RightPane]\n"
                                      "bWantedOpen=0\n"
                                      "bForSaleOpen=0\n"
                                      "bProductsOpen=0\n"
                                      "bMyUnitsOpen=0\n"
                                      "bOtherUnitsOpen=0\n"
                                      "bBuildingsOpen=0\n"
                                      "bExitsOpen=0\n"
                                      "bAlliedUnitsOpen=0\n");
}

TEST(Options, ValuesRoundTripAndAnyNonZeroFlagIsTrue) {
    TestDir dir;
    dir.Write("vexlor.INI", "[Options]\nLanguage=deu\nLastDir=/home/me/atlantis game\n"
                            "[RightPane]\nbProductsOpen=2\nbMyUnitsOpen=-1\nbWantedOpen=0\n"
                            "bBuildingsOpen=yes\n");
    ApplicationProfile profile(dir.File("vexlor.INI").c_str());
    Options options;
    options.headings.bBuildingsOpen = true; // a value that is not a number keeps what there was
    options.Read(profile);
    EXPECT_EQ(options.language, "deu");
    EXPECT_EQ(options.lastDir, "/home/me/atlantis game");
    EXPECT_TRUE(options.headings.bProductsOpen);
    EXPECT_TRUE(options.headings.bMyUnitsOpen);
    EXPECT_FALSE(options.headings.bWantedOpen);
    EXPECT_TRUE(options.headings.bBuildingsOpen);
    options.Write(profile);
    EXPECT_EQ(profile.GetString("RightPane", "bProductsOpen", "", 8), "1");
    EXPECT_EQ(profile.GetString("RightPane", "bMyUnitsOpen", "", 8), "1");
    EXPECT_EQ(profile.GetString("RightPane", "bBuildingsOpen", "", 8), "1");

    Options again;
    again.Read(profile);
    EXPECT_EQ(again.language, options.language);
    EXPECT_EQ(again.lastDir, options.lastDir);
    EXPECT_EQ(again.headings.bProductsOpen, options.headings.bProductsOpen);
}

TEST(Options, ALanguageCodeThatCouldNameNoLanguageFileReadsAsEnglish) {
    TestDir dir;
    ApplicationProfile profile(dir.File("vexlor.INI").c_str());
    for (const char* bad : {"../../etc/x", "de u", "", "a.b", "x/y"}) {
        profile.WriteString("Options", "Language", bad);
        Options options;
        options.language = "fra";
        options.Read(profile);
        EXPECT_EQ(options.language, "enu") << bad;
    }
    profile.WriteString("Options", "Language", std::string(2000, 'd').c_str());
    Options options;
    options.Read(profile);
    EXPECT_EQ(options.language, "enu");
}

TEST(Options, ALastDirectoryWithALineBreakIsNotWrittenAndBreaksNothing) {
    TestDir dir;
    ApplicationProfile profile(dir.File("vexlor.INI").c_str());
    Options options;
    options.lastDir = "/tmp/evil\n[Options]\nLanguage=xyz";
    options.headings.bForSaleOpen = true;
    options.Write(profile);
    Options read;
    read.Read(profile);
    EXPECT_EQ(read.language, "enu");
    EXPECT_TRUE(read.lastDir.IsEmpty());
    EXPECT_TRUE(read.headings.bForSaleOpen);
}
