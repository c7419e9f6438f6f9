#include "app/globals.h"
#include "app/hostpath.h"
#include "app/langfiles.h"
#include "app/startup.h"
#include "testdir.h"

#include <gtest/gtest.h>

namespace {

// A program folder laid out for one case: a "program" file and the language files given.
struct ProgramFolder : ::testing::Test {
    TestDir dir;
    DynLib program{dir.File("vexlor").c_str()};
    Str code;

    void TearDown() override {
        Language.SetModule(nullptr, false);
        HelpFilePath = Str();
    }
    void Setup(const char* start) {
        code = start;
        SetupLanguage(code, &program);
    }
    Str LoadedFile() const {
        HINSTANCE module = Language.GetHModule();
        return module ? module->FileName() : Str();
    }
};

} // namespace

TEST(HostPath, NamesAreResolvedAgainstTheModulesFolder) {
    DynLib module("/opt/vexlor/vexlor");
    EXPECT_EQ(makehostpath_("vexenu.so", &module), "/opt/vexlor/vexenu.so");
    EXPECT_EQ(makehostpath_("", &module), "/opt/vexlor");
    EXPECT_EQ(makehostpath_(".", &module), "/opt/vexlor");
    EXPECT_EQ(makehostpath_("help/vexenu.html", &module), "/opt/vexlor/help/vexenu.html");
    EXPECT_EQ(makehostpath_("/etc/vexlor.INI", &module), "/etc/vexlor.INI");
    DynLib atRoot("/vexlor");
    EXPECT_EQ(makehostpath_("vexenu.so", &atRoot), "/vexenu.so");
    EXPECT_EQ(makehostpath_(".", &atRoot), "/");
    // Too long a result is refused, never cut to some other name.
    EXPECT_TRUE(makehostpath_(std::string(kMaxHostPath, 'x').c_str(), &module).IsEmpty());
    EXPECT_EQ(GetApplicationName(), std::string("Vexlor"));
}

TEST_F(ProgramFolder, TheChosenLanguageIsLoadedWithItsHelp) {
    dir.Copy(VEXLOR_VEXENU_SO, "vexenu.so");
    dir.Copy(VEXLOR_TESTLANG_DEU, "vexdeu.so");
    dir.Copy(VEXLOR_VEXENU_HTML, "vexenu.html");
    dir.Write("vexdeu.html", "<html>Hilfe</html>");
    Setup("deu");
    EXPECT_EQ(code, "deu");
    EXPECT_EQ(LoadedFile(), dir.File("vexdeu.so").c_str());
    EXPECT_EQ(Language.LoadStringA(1001), "Deutsch");
    EXPECT_EQ(Language.LoadMenuA(1).front().text, "&Datei");
    EXPECT_EQ(Language.strerror(2150), "Network Error #2150");
    EXPECT_EQ(HelpFilePath, dir.File("vexdeu.html").c_str());
}

TEST_F(ProgramFolder, AMissingLanguageFallsBackToEnglishAndTheFallbackIsKept) {
    dir.Copy(VEXLOR_VEXENU_SO, "vexenu.so");
    dir.Copy(VEXLOR_VEXENU_HTML, "vexenu.html");
    Setup("deu");
    EXPECT_EQ(code, "enu");
    EXPECT_EQ(Language.LoadStringA(1001), "English");
    EXPECT_EQ(HelpFilePath, dir.File("vexenu.html").c_str());
}

TEST_F(ProgramFolder, WithoutEnglishAnyLanguageLibraryWithANameIsTaken) {
    dir.Copy(VEXLOR_TESTLANG_NAMELESS, "vexabc.so"); // first by name, but has no language name
    dir.Copy(VEXLOR_TESTLANG_DEU, "vexdeu.so");
    dir.Write("vex.so", "not a language file");
    Setup("fra");
    EXPECT_EQ(code, "deu");
    EXPECT_EQ(LoadedFile(), dir.File("vexdeu.so").c_str());
    EXPECT_TRUE(HelpFilePath.IsEmpty());
}

TEST_F(ProgramFolder, ALibraryThatDoesNotLoadOrHasNoNameIsPassedOver) {
    dir.Write("vexdeu.so", "this is text, not a library");
    dir.Copy(VEXLOR_TESTLANG_NAMELESS, "vexfra.so");
    dir.Copy(VEXLOR_VEXENU_SO, "vexenu.so");
    Setup("deu");
    EXPECT_EQ(code, "enu");
    Setup("fra");
    EXPECT_EQ(code, "enu");
    EXPECT_EQ(Language.LoadStringA(1000), "Vexlor");
}

TEST_F(ProgramFolder, WithNoLanguageLibraryTheProgramRunsWithoutTexts) {
    dir.Write("vexdeu.so", "broken");
    dir.Copy(VEXLOR_TESTLANG_NAMELESS, "vexabc.so");
    Setup("deu");
    EXPECT_EQ(code, "deu"); // left as it was
    EXPECT_EQ(Language.GetHModule(), nullptr);
    EXPECT_TRUE(Language.LoadStringA(1000).IsEmpty());
    EXPECT_TRUE(Language.LoadMenuA(1).empty());
    EXPECT_EQ(Language.strerror(5), "Error #5");
    EXPECT_TRUE(HelpFilePath.IsEmpty());
}

TEST_F(ProgramFolder, ALibraryWithoutErrorFunctionsGivesNumbers) {
    dir.Copy(VEXLOR_TESTLANG_NOERRORS, "vexdeu.so");
    Setup("deu");
    EXPECT_EQ(code, "deu");
    EXPECT_EQ(Language.LoadStringA(1104), "Datei kann nicht geöffnet werden");
    EXPECT_EQ(Language.strerror(5), "Error #5");
    EXPECT_EQ(Language.strerror_Execute(2), "Error #2");
}

TEST_F(ProgramFolder, HelpIsFoundOnItsOwnWithoutChangingTheCode) {
    dir.Copy(VEXLOR_TESTLANG_DEU, "vexdeu.so");
    dir.Write("vexita.html", "<html>Aiuto</html>");
    Setup("deu");
    EXPECT_EQ(code, "deu");
    EXPECT_EQ(HelpFilePath, dir.File("vexita.html").c_str());
    dir.Copy(VEXLOR_VEXENU_HTML, "vexenu.html");
    Setup("deu");
    EXPECT_EQ(HelpFilePath, dir.File("vexenu.html").c_str());
}

TEST_F(ProgramFolder, ACodeThatIsNoFileNameIsNeverUsedAsOne) {
    TestDir other;
    other.Copy(VEXLOR_TESTLANG_DEU, "vexevil.so");
    dir.Copy(VEXLOR_VEXENU_SO, "vexenu.so");
    Setup(("/../" + other.Path() + "/vexevil").c_str());
    EXPECT_EQ(code, "enu");
    EXPECT_EQ(LoadedFile(), dir.File("vexenu.so").c_str());
}

TEST(EnumLangFiles, StopsAtTheFirstFileThatPasses) {
    TestDir dir;
    dir.Copy(VEXLOR_TESTLANG_NAMELESS, "vexaaa.so");
    dir.Copy(VEXLOR_TESTLANG_DEU, "vexbbb.so");
    dir.Copy(VEXLOR_VEXENU_SO, "vexccc.so");
    EnumLangFiles any(dir.Path().c_str(), "vex???.so", 0);
    EXPECT_EQ(any.FileName(), "vexaaa.so");
    EnumLangFiles named(dir.Path().c_str(), "vex???.so", 1001);
    EXPECT_EQ(named.FileName(), "vexbbb.so");
    EXPECT_EQ(named.LangName(), "Deutsch");
    EnumLangFiles none(dir.Path().c_str(), "vex???.dll", 0);
    EXPECT_FALSE(none.Found());
    EnumLangFiles missing(dir.File("no-such-folder").c_str(), "vex???.so", 0);
    EXPECT_FALSE(missing.Found());
}
