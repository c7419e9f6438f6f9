#include "app/initext.h"
#include "app/profile.h"
#include "testdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <optional>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Sets (or with nullopt unsets) an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// Whether another user could put a file where path is to be written: its folder, or the
// nearest one that exists, belongs to someone else or may be written by others.
bool OthersCouldWrite(const std::string& path) {
    std::filesystem::path dir = std::filesystem::path(path).parent_path();
    while (!std::filesystem::exists(dir))
        dir = dir.parent_path();
    struct stat st;
    if (stat(dir.c_str(), &st) != 0) return true;
    return st.st_uid != geteuid() || (st.st_mode & 022) != 0;
}

} // namespace

TEST(IniText, EditingOneKeyKeepsTheRestOfTheFileAsWritten) {
    IniText ini("; settings of Vexlor\r\n"
                "[options]\r\n"
                "  Language = deu  \r\n"
                "\r\n"
                "[Other]\r\n"
                "Kept=yes\r\n");
    EXPECT_EQ(ini.Get("Options", "language"), "deu"); // names compare without case
    ASSERT_TRUE(ini.Set("Options", "LastDir", "/home/me/game"));
    ASSERT_TRUE(ini.Set("OPTIONS", "Language", "enu"));
    ASSERT_TRUE(ini.Set("RightPane", "bWantedOpen", "1"));
    EXPECT_EQ(ini.Text(), "; settings of Vexlor\n"
                          "[options]\n"
                          "Language=enu\n"
                          "LastDir=/home/me/game\n"
                          "\n"
                          "[Other]\n"
                          "Kept=yes\n"
                          "\n"
                          "[RightPane]\n"
                          "bWantedOpen=1\n");
}

TEST(IniText, ValuesReadBackExactlyAsSet) {
    IniText ini;
    for (std::string value : {"", "  padded  ", "\"quoted\"", "'single'", "a=b;c", "ü ß"}) {
        ASSERT_TRUE(ini.Set("S", "k", value)) << value;
        EXPECT_EQ(IniText(ini.Text()).Get("S", "k"), value);
    }
}

TEST(IniText, RefusesWhatWouldBreakTheFile) {
    IniText ini("[S]\nk=old\n");
    EXPECT_FALSE(ini.Set("S", "k", "two\nlines"));
    EXPECT_FALSE(ini.Set("S", "k", "cr\r"));
    EXPECT_FALSE(ini.Set("S", "a=b", "v"));
    EXPECT_FALSE(ini.Set("S", "", "v"));
    EXPECT_FALSE(ini.Set("S", " k", "v"));
    EXPECT_FALSE(ini.Set("S", ";k", "v"));
    EXPECT_FALSE(ini.Set("S]", "k", "v"));
    EXPECT_FALSE(ini.Set("", "k", "v"));
    EXPECT_EQ(ini.Text(), "[S]\nk=old\n");
}

TEST(IniText, RemovesWholeSections) {
    IniText ini("\xEF\xBB\xBF[A]\nx=1\ny=2\n[B]\nz=3\n[a]\nw=4\n");
    EXPECT_EQ(ini.Get("A", "x"), "1"); // the byte-order mark is not part of the first line
    EXPECT_TRUE(ini.RemoveSection("a"));
    EXPECT_FALSE(ini.Get("A", "x"));
    EXPECT_EQ(ini.Text(), "[B]\nz=3\n");
    EXPECT_FALSE(ini.RemoveSection("A"));
}

TEST(ApplicationProfile, PathIsTheProgramsWithIniExtension) {
    EXPECT_EQ(ApplicationProfile::IniPathFor("/opt/vexlor/vexlor"), "/opt/vexlor/vexlor.INI");
    EXPECT_EQ(ApplicationProfile::IniPathFor("C:\\Games\\vexlor.exe"), "C:\\Games\\vexlor.INI");
    EXPECT_EQ(ApplicationProfile::IniPathFor("/opt/v1.2/vexlor"), "/opt/v1.2/vexlor.INI");
    EXPECT_EQ(ApplicationProfile::IniPathFor("/a/b.c/"), "/a/b.c/.INI");
}

TEST(ApplicationProfile, ReadOnlyOrInstalledProgramFolderUsesTheConfigurationFolder) {
    TestDir config;
    ScopedEnv xdg("XDG_CONFIG_HOME", config.Path());
    DynLib installed("/nonexistent-folder/bin/vexlor");
    EXPECT_EQ(ApplicationProfile(&installed).GetIniFile(), config.File("vexlor.INI").c_str());

    TestDir writable;
    DynLib beside(writable.File("vexlor").c_str());
    EXPECT_EQ(ApplicationProfile(&beside).GetIniFile(), writable.File("vexlor.INI").c_str());

    // An installed folder says so, and keeps no profile even when it could be written.
    writable.Write(ApplicationProfile::kPerUserMarker, "");
    EXPECT_EQ(ApplicationProfile(&beside).GetIniFile(), config.File("vexlor.INI").c_str());

    // A program folder that others may write is no place for the settings either.
    TestDir shared;
    chmod(shared.Path().c_str(), 0777);
    DynLib inShared(shared.File("vexlor").c_str());
    EXPECT_EQ(ApplicationProfile(&inShared).GetIniFile(), config.File("vexlor.INI").c_str());
}

TEST(ApplicationProfile, SettingsNeverGoWhereOthersCanWrite) {
    TestDir shared;
    chmod(shared.Path().c_str(), 01777); // as the system's temporary folder
    TestDir sharedHome;
    chmod(sharedHome.Path().c_str(), 0703); // writable by every user, though not the group
    for (std::optional<std::string> config :
         {std::optional<std::string>(), std::optional(shared.Path())})
        for (std::optional<std::string> home :
             {std::optional<std::string>(), std::optional(sharedHome.Path())}) {
            ScopedEnv xdg("XDG_CONFIG_HOME", config), homeEnv("HOME", home);
            std::string path = ApplicationProfile::UserIniPathFor("/opt/vexlor/vexlor").Get();
            // The user database's home when it is private, else nowhere.
            if (!path.empty()) EXPECT_FALSE(OthersCouldWrite(path)) << path;
            EXPECT_EQ(path.find(shared.Path()), std::string::npos);
            EXPECT_EQ(path.find(sharedHome.Path()), std::string::npos);
            EXPECT_EQ(
                ApplicationProfile::UserIniPathFor("/opt/vexlor/vexlor", shared.Path().c_str()),
                "");
        }

    // Without a private folder nothing is kept, and the program still runs on its defaults.
    ScopedEnv xdg("XDG_CONFIG_HOME", shared.Path()), home("HOME", std::nullopt);
    ApplicationProfile nowhere(
        ApplicationProfile::UserIniPathFor("vexlor", sharedHome.Path().c_str()).Get());
    EXPECT_EQ(nowhere.GetIniFile(), "");
    EXPECT_FALSE(nowhere.WriteString("Options", "Language", "deu"));
    EXPECT_EQ(nowhere.GetString("Options", "Language", "enu", 1024), "enu");

    // A profile named inside a shared folder is not written there.
    ApplicationProfile planted(shared.File("vexlor.INI").c_str());
    EXPECT_FALSE(planted.WriteString("Options", "Language", "deu"));
    EXPECT_FALSE(std::filesystem::exists(shared.File("vexlor.INI")));
}

TEST(ApplicationProfile, AMissingConfigurationFolderIsMadeForTheUserAlone) {
    TestDir mine;
    std::string config = mine.File("made/config");
    ScopedEnv xdg("XDG_CONFIG_HOME", config);
    ApplicationProfile profile(
        ApplicationProfile::UserIniPathFor("/opt/vexlor/vexlor", nullptr).Get());
    EXPECT_EQ(profile.GetIniFile(), (config + "/vexlor.INI").c_str());
    ASSERT_TRUE(profile.WriteString("Options", "Language", "enu"));
    for (const std::string& dir : {mine.File("made"), config}) {
        struct stat st;
        ASSERT_EQ(stat(dir.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u) << dir;
    }
    // $HOME is passed over for $XDG_CONFIG_HOME, and used when that is not private.
    chmod(config.c_str(), 0775);
    ScopedEnv home("HOME", mine.Path());
    EXPECT_EQ(ApplicationProfile::UserIniPathFor("vexlor", nullptr),
              mine.File(".config/vexlor.INI").c_str());
}

TEST(ApplicationProfile, MissingFileOrKeyGivesTheDefault) {
    TestDir dir;
    ApplicationProfile profile(dir.File("vexlor.INI").c_str());
    EXPECT_EQ(profile.GetString("Options", "Language", "enu", 1024), "enu");
    EXPECT_EQ(profile.GetInt("Options", "Separator1", 600), 600);
    EXPECT_TRUE(profile.ClearGroup("Options"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("vexlor.INI"))); // clearing made no file
}

TEST(ApplicationProfile, WritesPlainTextAPersonCanRead) {
    TestDir dir;
    ApplicationProfile profile(dir.File("vexlor.INI").c_str());
    ASSERT_TRUE(profile.WriteString("Options", "Language", "enu"));
    ASSERT_TRUE(profile.WriteInt("Options", "Separator1", 400));
    ASSERT_TRUE(profile.WriteInt("Window", "X", -20));
    EXPECT_EQ(dir.Read("vexlor.INI"),
              "[Options]\nLanguage=enu\nSeparator1=400\n\n[Window]\nX=-20\n");
    EXPECT_EQ(profile.GetInt("Options", "Separator1", 0), 400);
    EXPECT_EQ(profile.GetInt("Window", "X", 0), -20);
    ASSERT_TRUE(profile.ClearGroup("Window"));
    EXPECT_EQ(dir.Read("vexlor.INI"), "[Options]\nLanguage=enu\nSeparator1=400\n");
}

TEST(ApplicationProfile, NumbersThatAreNotNumbersGiveTheDefault) {
    TestDir dir;
    dir.Write("p.INI", "[N]\na=12\nb=+3\nc=-4 \nd=2x\ne=\nf=99999999999\ng=0x10\nh= 7\n");
    ApplicationProfile profile(dir.File("p.INI").c_str());
    EXPECT_EQ(profile.GetInt("N", "a", -1), 12);
    EXPECT_EQ(profile.GetInt("N", "b", -1), 3);
    EXPECT_EQ(profile.GetInt("N", "c", -1), -4);
    EXPECT_EQ(profile.GetInt("N", "d", -1), -1);
    EXPECT_EQ(profile.GetInt("N", "e", -1), -1);
    EXPECT_EQ(profile.GetInt("N", "f", -1), -1);
    EXPECT_EQ(profile.GetInt("N", "g", -1), -1);
    EXPECT_EQ(profile.GetInt("N", "h", -1), 7);
}

TEST(ApplicationProfile, StringsAreCutToTheBufferSize) {
    TestDir dir;
    ApplicationProfile profile(dir.File("p.INI").c_str());
    ASSERT_TRUE(profile.WriteString("Options", "Language", std::string(1500, 'x').c_str()));
    EXPECT_EQ(profile.GetString("Options", "Language", "enu", 1024).Length(), 1023);
    EXPECT_EQ(profile.GetString("Options", "Language", "enu", 4), "xxx");
    EXPECT_EQ(profile.GetString("Options", "Missing", "default", 4), "def");
}

TEST(ApplicationProfile, AFailedWriteLeavesTheFileAsItWas) {
    TestDir dir;
    dir.Write("p.INI", "[Options]\nLanguage=deu\n");
    ApplicationProfile profile(dir.File("p.INI").c_str());
    EXPECT_FALSE(profile.WriteString("Options", "LastDir", "line\nbreak"));
    EXPECT_EQ(dir.Read("p.INI"), "[Options]\nLanguage=deu\n");

    // A file too large to be a profile is neither read nor replaced.
    std::string huge = "[Options]\nLanguage=deu\n" + std::string(2 << 20, ';');
    dir.Write("big.INI", huge);
    ApplicationProfile big(dir.File("big.INI").c_str());
    EXPECT_EQ(big.GetString("Options", "Language", "enu", 1024), "enu");
    EXPECT_FALSE(big.WriteString("Options", "Language", "fra"));
    EXPECT_EQ(dir.Read("big.INI").size(), huge.size());

    // A folder in the way of the file.
    std::filesystem::create_directory(dir.File("dir.INI"));
    ApplicationProfile folder(dir.File("dir.INI").c_str());
    EXPECT_FALSE(folder.WriteString("Options", "Language", "fra"));
    EXPECT_EQ(folder.GetString("Options", "Language", "enu", 1024), "enu");
}

TEST(ApplicationProfile, WritingKeepsTheFilesPermissionsAndFollowsLinks) {
    TestDir dir;
    dir.Write("real.INI", "[Options]\n");
    chmod(dir.File("real.INI").c_str(), 0640);
    std::filesystem::create_symlink(dir.File("real.INI"), dir.File("link.INI"));
    ApplicationProfile profile(dir.File("link.INI").c_str());
    ASSERT_TRUE(profile.WriteString("Options", "Language", "enu"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.INI")));
    EXPECT_EQ(dir.Read("real.INI"), "[Options]\nLanguage=enu\n");
    struct stat st;
    ASSERT_EQ(stat(dir.File("real.INI").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // No temporary is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              2);
}
