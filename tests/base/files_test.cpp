// Files under careless use and hostile input: what may be read, how a file is replaced, and
// one writer at a time.
#include "base/filelock.h"
#include "base/inputfile.h"
#include "base/picturetarget.h"
#include "base/replacefile.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Folder : TempFolder {
    Folder() : TempFolder("files") {}
};

void Write(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

std::string Read(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string ReadAll(InputFile& file) {
    std::string text;
    for (int c; (c = file.Stream().get()) >= 0;)
        text += static_cast<char>(c);
    return text;
}

} // namespace

TEST(InputFile, OnlyRegularFilesWithinTheLimitAreReadAndNothingBlocks) {
    Folder dir;
    Write(dir.path / "report.rep", "text");
    InputFile ok((dir.path / "report.rep").c_str(), 4);
    ASSERT_EQ(ok.GetResult(), InputFile::Opened);
    EXPECT_EQ(ReadAll(ok), "text");
    EXPECT_EQ(ok.Identity(), FileIdentity::OfPath((dir.path / "report.rep").c_str()));

    EXPECT_EQ(InputFile((dir.path / "report.rep").c_str(), 3).GetResult(), InputFile::TooLarge);
    // A FIFO with no writer would block an ordinary open for ever.
    ASSERT_EQ(::mkfifo((dir.path / "pipe").c_str(), 0600), 0);
    for (fs::path p : {dir.path / "pipe", fs::path("/dev/zero"), dir.path}) {
        InputFile refused(p.c_str(), 64 << 20);
        EXPECT_EQ(refused.GetResult(), InputFile::NotRegular) << p;
        EXPECT_FALSE(refused.Stream().good());
    }
    InputFile missing((dir.path / "missing.rep").c_str());
    EXPECT_EQ(missing.GetResult(), InputFile::CannotOpen);
    EXPECT_EQ(missing.Error(), ENOENT);
}

// The image is the file as it was when read, whatever another program does to the file
// afterwards (a mapping would fault on the pages cut away and show bytes changed in place); the
// file tells whether it is still the one that was read.
TEST(InputFile, TheImageStaysAsReadWhileTheFileIsCutOrChangedUnderneath) {
    Folder dir;
    const fs::path p = dir.path / "map.atl";
    std::string text;
    for (int i = 0; i < 200000; ++i)
        text += static_cast<char>('a' + i % 26);
    Write(p, text);
    InputFile file(p.c_str());
    ASSERT_EQ(file.GetResult(), InputFile::Opened);
    std::shared_ptr<const FileImage> image = file.Bytes();
    ASSERT_TRUE(image);
    EXPECT_TRUE(file.Unchanged());
    auto held = [&] {
        return std::string(reinterpret_cast<const char*>(image->Data()), image->Size());
    };
    EXPECT_EQ(held(), text);

    {
        std::fstream f(p, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(150000);
        f.write("##", 2);
    }
    EXPECT_FALSE(file.Unchanged());
    EXPECT_EQ(held(), text);
    fs::resize_file(p, 10);
    EXPECT_EQ(held(), text);
    // Read again, the file is what it is now.
    EXPECT_EQ(file.Bytes()->Size(), 10u);
}

TEST(SafeFileWriter, ReadOnlyFilesAndOtherKindsAreNotReplaced) {
    Folder dir;
    fs::path doc = dir.path / "game.atl";
    Write(doc, "old");
    fs::permissions(doc, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    // Refused even for the superuser, who could write it.
    EXPECT_FALSE(ReplaceFileContents(doc.c_str(), "new"));
    SafeFileWriter readOnly(doc.c_str());
    EXPECT_EQ(readOnly.GetResult(), SafeFileWriter::ReadOnly);
    EXPECT_EQ(Read(doc), "old");
    ::mkfifo((dir.path / "pipe").c_str(), 0600);
    EXPECT_EQ(SafeFileWriter((dir.path / "pipe").c_str()).GetResult(), SafeFileWriter::NotAFile);
    EXPECT_EQ(SafeFileWriter((dir.path / "no" / "x").c_str()).GetResult(),
              SafeFileWriter::CannotCreate);
    EXPECT_EQ(dir.Entries(), (std::set<std::string>{"game.atl", "pipe"}));
}

TEST(SafeFileWriter, LinksAreFollowedAndOwnerAndPermissionsKept) {
    Folder dir;
    fs::create_directory(dir.path / "maps");
    // A link that names no file yet makes that file and stays a link.
    fs::create_symlink("maps/game.atl", dir.path / "current.atl");
    ASSERT_TRUE(ReplaceFileContents((dir.path / "current.atl").c_str(), "one"));
    EXPECT_TRUE(fs::is_symlink(dir.path / "current.atl"));
    EXPECT_EQ(Read(dir.path / "maps" / "game.atl"), "one");

    fs::path file = dir.path / "maps" / "game.atl";
    ::chmod(file.c_str(), 0640);
    bool superuser = ::geteuid() == 0;
    if (superuser) {
        ASSERT_EQ(::chown(file.c_str(), 12345, 23456), 0);
    }
    ASSERT_TRUE(ReplaceFileContents((dir.path / "current.atl").c_str(), "two"));
    struct stat st;
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (superuser) {
        EXPECT_EQ(st.st_uid, 12345u);
        EXPECT_EQ(st.st_gid, 23456u);
    }
    EXPECT_EQ(Read(file), "two");
}

TEST(SafeFileWriter, TemporariesOfAKilledSaveGoAtTheNextSave) {
    Folder dir;
    fs::path doc = dir.path / "game.atl";
    Write(doc, "old");
    // No process has so large a number; a live one's temporary may be a save in progress.
    const std::string dead = "999999999", live = std::to_string(getpid());
    for (const std::string& name :
         {"game.atl.vexlor-save-" + dead + "-0", "game.atl.tmp" + dead + "-3",
          "game.atl.vexlor-save-" + live + "-7", "other.atl.vexlor-save-" + dead + "-0",
          std::string("game.atl.vexlor-save-notes")})
        Write(dir.path / name, "partial");
    ASSERT_TRUE(ReplaceFileContents(doc.c_str(), "new"));
    EXPECT_EQ(dir.Entries(),
              (std::set<std::string>{"game.atl", "game.atl.vexlor-save-" + live + "-7",
                                     "other.atl.vexlor-save-" + dead + "-0",
                                     std::string("game.atl.vexlor-save-notes")}));
}

TEST(TwoWriters, ASaveRefusesAFileChangedSinceItWasRead) {
    Folder dir;
    fs::path doc = dir.path / "game.atl";
    Write(doc, "first");
    FileIdentity read = FileIdentity::OfPath(doc.c_str());
    {
        SafeFileWriter writer(doc.c_str(), &read);
        ASSERT_TRUE(writer.IsOpen());
        // Another program saves while this one writes its copy.
        ASSERT_TRUE(ReplaceFileContents(doc.c_str(), "theirs"));
        writer.Channel().write("mine", 4);
        EXPECT_FALSE(writer.Commit());
        EXPECT_EQ(writer.GetResult(), SafeFileWriter::ChangedMeanwhile);
    }
    EXPECT_EQ(Read(doc), "theirs");
    EXPECT_EQ(SafeFileWriter(doc.c_str(), &read).GetResult(), SafeFileWriter::ChangedMeanwhile);
    // A file that was not there when reading began must still not be there.
    FileIdentity none;
    EXPECT_EQ(SafeFileWriter(doc.c_str(), &none).GetResult(), SafeFileWriter::ChangedMeanwhile);
    // What a save wrote is what the next save expects.
    FileIdentity now = FileIdentity::OfPath(doc.c_str());
    SafeFileWriter writer(doc.c_str(), &now);
    writer.Channel().write("mine", 4);
    ASSERT_TRUE(writer.Commit());
    EXPECT_EQ(writer.Written(), FileIdentity::OfPath(doc.c_str()));
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"game.atl"});
}

TEST(TwoWriters, TheLockAdmitsOneAtATimeAndFollowsAReplacedFile) {
    Folder dir;
    fs::path doc = dir.path / "game.atl";
    // No file yet: its folder is locked until it is made.
    FileLock first, second;
    ASSERT_TRUE(first.Acquire(doc.c_str(), 0));
    EXPECT_FALSE(second.Acquire(doc.c_str(), 50));
    Write(doc, "made");
    first.Release();
    ASSERT_TRUE(second.Acquire(doc.c_str(), 0));
    EXPECT_FALSE(first.Acquire(doc.c_str(), 50));
    // The holder saves by replacing the file: a new holder locks the new file at once.
    ASSERT_TRUE(ReplaceFileContents(doc.c_str(), "saved"));
    ASSERT_TRUE(first.Acquire(doc.c_str(), 0));
    second.Release();
    FileLock third;
    EXPECT_FALSE(third.Acquire(doc.c_str(), 0));
    // Nothing to lock: the write that follows says why it cannot be made.
    EXPECT_TRUE(third.Acquire((dir.path / "no" / "x").c_str(), 0));
    EXPECT_FALSE(third.IsHeld());
}

TEST(OutputPaths, APictureGoesWhereNothingIsOrOverAPictureOnly) {
    Folder dir;
    fs::path doc = dir.path / "game.atl", png = dir.path / "map.png", text = dir.path / "notes";
    Write(doc, "Atlantis Vexlor");
    Write(png, "\x89PNG\r\n\x1a\n and the rest");
    Write(text, "notes");
    fs::create_symlink(doc, dir.path / "link.png");
    fs::create_symlink(dir.path / "gone", dir.path / "dangling.png");
    ::mkfifo((dir.path / "pipe.png").c_str(), 0600);
    const char* d = doc.c_str();
    EXPECT_EQ(CheckPictureTarget((dir.path / "new.png").c_str(), d), PictureTarget::Free);
    EXPECT_EQ(CheckPictureTarget(png.c_str(), d), PictureTarget::Free);
    EXPECT_EQ(CheckPictureTarget(png.c_str(), nullptr), PictureTarget::Free);
    EXPECT_EQ(CheckPictureTarget(d, d), PictureTarget::IsTheDocument);
    EXPECT_EQ(CheckPictureTarget((dir.path / "link.png").c_str(), d), PictureTarget::IsTheDocument);
    EXPECT_EQ(CheckPictureTarget(text.c_str(), d), PictureTarget::NotAPicture);
    EXPECT_EQ(CheckPictureTarget(d, nullptr), PictureTarget::NotAPicture);
    EXPECT_EQ(CheckPictureTarget((dir.path / "pipe.png").c_str(), d), PictureTarget::NotAPicture);
    EXPECT_EQ(CheckPictureTarget((dir.path / "dangling.png").c_str(), d),
              PictureTarget::NotAPicture);
    EXPECT_EQ(CheckPictureTarget(dir.path.c_str(), d), PictureTarget::NotAPicture);
}
