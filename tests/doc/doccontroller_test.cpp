// The document controller without a window: every outcome, what it leaves in the document,
// and the message a player reads for it.
#include "doc/docmessages.h"
#include "doc_test_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const AtlDate kJanuary1(0, 1);

std::string Message(const DocOutcome& o) {
    return DocMessage(o).Get();
}

} // namespace

TEST(DocController, OpenTellsWhyAFileIsNoDocumentAndKeepsTheOpenOne) {
    std::string dir = Scratch("open");
    Desk d;
    ASSERT_EQ(d.doc.AddReport(Rep("head-standard/3-turn1.rep")).kind, DocOutcomeKind::ReportAdded);
    ASSERT_EQ(d.doc.SaveAs((dir + "/whole.atl").c_str()).kind, DocOutcomeKind::Done);
    std::string whole;
    {
        std::ifstream in(dir + "/whole.atl", std::ios::binary);
        whole.assign(std::istreambuf_iterator<char>(in), {});
    }
    WriteFile(dir + "/empty.atl", "");
    WriteFile(dir + "/short.atl", whole.substr(0, 19)); // inside the version
    std::string newer = whole;
    newer[17] = 2;
    WriteFile(dir + "/newer.atl", newer);

    struct Case {
        std::string file;
        DocOutcomeKind kind;
        std::string message;
    } cases[] = {
        {dir + "/missing.atl", DocOutcomeKind::CannotOpen,
         " cannot be opened: The system cannot find the file specified."},
        {dir + "/empty.atl", DocOutcomeKind::NotADocument, " is not a map document."},
        {dir + "/short.atl", DocOutcomeKind::NotADocument, " is not a map document."},
        {Rep("head-standard/3-turn2.rep"), DocOutcomeKind::NotADocument, " is not a map document."},
        {dir + "/newer.atl", DocOutcomeKind::UnknownVersion,
         " was written by a newer version of Vexlor and cannot be read."},
    };
    d.observer.changes = 0;
    for (const Case& c : cases) {
        DocOutcome o = d.doc.Open(c.file.c_str());
        EXPECT_EQ(o.kind, c.kind) << c.file;
        EXPECT_EQ(Message(o), c.file + c.message);
        EXPECT_TRUE(IsFailure(o.kind));
        EXPECT_EQ(d.doc.FileName(), Str((dir + "/whole.atl").c_str()));
        EXPECT_EQ(d.doc.Doc().Turns().LongCountNodes(), 1);
    }
    EXPECT_EQ(d.observer.changes, 0);

    // Damaged: what could be read, without the name, marked changed.
    WriteFile(dir + "/damaged.atl", whole.substr(0, 40)); // inside the turn
    DocOutcome damaged = d.doc.Open((dir + "/damaged.atl").c_str());
    EXPECT_EQ(damaged.kind, DocOutcomeKind::DocumentDamaged);
    EXPECT_EQ(Message(damaged), dir + "/damaged.atl is damaged or cut short: only the part "
                                      "before the damage was read.");
    EXPECT_TRUE(d.doc.FileName().IsEmpty());
    EXPECT_TRUE(d.doc.IsModified());
    EXPECT_EQ(d.observer.changes, 1);

    DocOutcome opened = d.doc.Open((dir + "/whole.atl").c_str());
    EXPECT_EQ(opened.kind, DocOutcomeKind::Done);
    EXPECT_EQ(Message(opened), "");
    EXPECT_FALSE(d.doc.IsModified());
    EXPECT_EQ(d.doc.ShownDate(), kJanuary1);
}

TEST(DocController, EachReportOutcomeAndItsMessage) {
    std::string dir = Scratch("reports");
    WriteFile(dir + "/empty.rep", "\n\n");
    WriteFile(dir + "/text.rep", "Dear diary,\nnothing happened.\n");
    WriteFile(dir + "/header.rep", "Atlantis Report For:\nRed Wolves (3)\nMay, Year 1\n\n");
    Desk d;
    DocOutcome added = d.doc.AddReport(Rep("head-standard/3-turn1.rep"));
    EXPECT_EQ(added.kind, DocOutcomeKind::ReportAdded);
    EXPECT_EQ(Message(added), Rep("head-standard/3-turn1.rep") + ": January, Year 1 added.");
    EXPECT_TRUE(d.doc.IsModified());
    EXPECT_EQ(d.doc.ShownDate(), kJanuary1);

    struct Case {
        std::string file;
        DocOutcomeKind kind;
        std::string message;
    } cases[] = {
        {dir + "/missing.rep", DocOutcomeKind::CannotOpen,
         " cannot be opened: The system cannot find the file specified."},
        {dir + "/empty.rep", DocOutcomeKind::ReportEmpty, " is empty."},
        {dir + "/text.rep", DocOutcomeKind::NotAReport, " is not an Atlantis turn report."},
        {dir + "/header.rep", DocOutcomeKind::ReportBrokenOff, " breaks off at line 5."},
        {Rep("head-standard/4-turn1.rep"), DocOutcomeKind::OtherFaction,
         " is for faction 4, the map is for faction 3."},
        // No to the question keeps the loaded turn, and is no failure.
        {Rep("head-standard/3-turn1.rep"), DocOutcomeKind::ReportKept,
         ": January, Year 1 was already loaded and is kept."},
    };
    int changes = d.observer.changes;
    for (const Case& c : cases) {
        DocOutcome o = d.doc.AddReport(c.file);
        EXPECT_EQ(o.kind, c.kind) << c.file;
        EXPECT_EQ(Message(o), c.file + c.message);
        EXPECT_EQ(IsFailure(o.kind), c.kind != DocOutcomeKind::ReportKept);
    }
    EXPECT_EQ(d.doc.Doc().Turns().LongCountNodes(), 1);
    EXPECT_EQ(d.observer.changes, changes);
    // Another faction's report is offered as an ally's first; No refuses it as before.
    EXPECT_EQ(d.questions.asked,
              (std::vector<std::string>{"ally Blue Herons (4)", "replace January, Year 1"}));

    d.questions.answers = {DocAnswer::Yes};
    DocOutcome replaced = d.doc.AddReport(Rep("head-standard/3-turn1.rep"));
    EXPECT_EQ(replaced.kind, DocOutcomeKind::ReportReplaced);
    EXPECT_EQ(Message(replaced), Rep("head-standard/3-turn1.rep") + ": January, Year 1 replaced.");
    EXPECT_EQ(ReplaceQuestion(replaced),
              Str((Rep("head-standard/3-turn1.rep") +
                   " is for January, Year 1, which is already loaded. Replace the loaded turn?")
                      .c_str()));
}

TEST(DocController, SeveralReportsGoInTheOrderOfTheirTurnsWithOneAnswerForAllAndProgress) {
    Desk d;
    ASSERT_EQ(d.doc.AddReport(Rep("v404-standard/3-turn2.rep")).kind, DocOutcomeKind::ReportAdded);
    ASSERT_EQ(d.doc.AddReport(Rep("v404-standard/3-turn3.rep")).kind, DocOutcomeKind::ReportAdded);
    std::vector<std::pair<int, int>> progress;
    d.doc.SetProgress([&](int done, int total) { progress.emplace_back(done, total); });
    d.questions.answers = {DocAnswer::YesToAll};
    ReportsOutcome all = d.doc.AddReports(
        {Rep("v404-standard/3-turn4.rep"), "no-such.rep", Rep("v404-standard/3-turn3.rep"),
         Rep("v404-standard/3-turn1.rep"), Rep("v404-standard/3-turn2.rep")});
    std::vector<std::string> order;
    for (const DocOutcome& o : all.reports)
        order.push_back(o.file.substr(o.file.rfind('/') + 1));
    EXPECT_EQ(order, (std::vector<std::string>{"3-turn1.rep", "3-turn2.rep", "3-turn3.rep",
                                               "3-turn4.rep", "no-such.rep"}));
    // One question for the two loaded turns.
    EXPECT_EQ(d.questions.asked, std::vector<std::string>{"replace February, Year 1 (all)"});
    EXPECT_EQ(all.Count(DocOutcomeKind::ReportReplaced), 2);
    EXPECT_EQ(progress.front(), std::make_pair(0, 5));
    EXPECT_EQ(progress.back(), std::make_pair(5, 5));
    EXPECT_EQ(d.doc.ShownDate(), AtlDate(3, 1)); // the newest was on show: it moved on
    EXPECT_EQ(ReportsSummary(all),
              Str("Reports added: 2, replaced: 2, kept: 0, refused: 1.\n\nRefused:\nno-such.rep "
                  "cannot be opened: The system cannot find the file specified."));

    // Opening moves on twice for each turn (read, and its part of what follows the records),
    // once they are indexed and once more when all is read.
    std::string path = Scratch("progress") + "/wolves.atl";
    ASSERT_EQ(d.doc.SaveAs(path.c_str()).kind, DocOutcomeKind::Done);
    progress.clear();
    ASSERT_EQ(d.doc.Open(path.c_str()).kind, DocOutcomeKind::Done);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), std::make_pair(1, 10));
    EXPECT_EQ(progress[4], std::make_pair(5, 10));
    EXPECT_EQ(progress.back(), std::make_pair(10, 10));
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_TRUE(
        std::all_of(progress.begin(), progress.end(), [](auto p) { return p.second == 10; }));

    // Another faction, not taken as an ally's: No stops the batch.
    d.questions.asked.clear();
    d.questions.answers = {DocAnswer::No, DocAnswer::No};
    ReportsOutcome stopped =
        d.doc.AddReports({Rep("v404-standard/4-turn1.rep"), Rep("v404-standard/3-turn5.rep")});
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(stopped.reports.size(), 1u);
    EXPECT_EQ(d.questions.asked,
              (std::vector<std::string>{"ally Blue Herons (4) (all)", "faction 4"}));
    EXPECT_EQ(d.doc.Doc().Turns().LongCountNodes(), 4);
}

TEST(DocController, SaveFailureNamesTheFileAndTheReasonAndKeepsTheChanges) {
    Desk d;
    d.doc.AddReport(Rep("head-standard/3-turn1.rep"));
    std::string path = Scratch("save") + "/missing/wolves.atl";
    DocOutcome saved = d.doc.SaveAs(path.c_str());
    EXPECT_EQ(saved.kind, DocOutcomeKind::SaveFailed);
    EXPECT_EQ(saved.errorNumber, ENOENT);
    EXPECT_EQ(Message(saved), path + " could not be saved: The system cannot find the file "
                                     "specified. The old file is unchanged.");
    EXPECT_TRUE(d.doc.IsModified());
    EXPECT_TRUE(d.doc.FileName().IsEmpty());
}

TEST(DocController, TheTurnOnShowStaysWithinTheDocument) {
    Desk d;
    EXPECT_EQ(d.doc.ShowDate(kJanuary1).kind, DocOutcomeKind::NoSuchTurn);
    d.doc.AddReports({Rep("head-standard/3-turn1.rep"), Rep("head-standard/3-turn3.rep")});
    EXPECT_EQ(d.doc.ShowDate(AtlDate(1, 1)).kind, DocOutcomeKind::Done); // between two turns
    EXPECT_EQ(d.doc.ShownDate(), AtlDate(1, 1));
    DocOutcome beyond = d.doc.ShowDate(AtlDate(3, 1));
    EXPECT_EQ(beyond.kind, DocOutcomeKind::NoSuchTurn);
    EXPECT_EQ(Message(beyond), " does not reach April, Year 1.");
    EXPECT_EQ(d.doc.ShownDate(), AtlDate(1, 1));
    // An older report leaves the turn on show where it is.
    d.doc.AddReport(Rep("head-standard/3-turn2.rep"));
    EXPECT_EQ(d.doc.ShownDate(), AtlDate(1, 1));
    d.doc.Close();
    EXPECT_TRUE(d.doc.Doc().Turns().IsEmpty());
    EXPECT_EQ(d.doc.ShownDate(), AtlDate());
}

// Two writers: a reservation admits one at a time; a save waits for another writer, and a
// file written by another program since it was read is left as it is.
TEST(DocController, TwoWritersNeverLoseATurn) {
    std::string path = Scratch("writers") + "/wolves.atl";
    Desk first, second;
    ASSERT_EQ(first.doc.Reserve(path.c_str(), 0).kind, DocOutcomeKind::Done);
    DocOutcome busy = second.doc.Reserve(path.c_str(), 50);
    EXPECT_EQ(busy.kind, DocOutcomeKind::Busy);
    EXPECT_EQ(Message(busy), path + " is being changed by another program; it is unchanged.");
    first.doc.StartNew(path.c_str());
    first.doc.AddReport(Rep("head-standard/3-turn1.rep"));
    second.doc.SetSaveWait(50);
    second.doc.AddReport(Rep("head-standard/3-turn2.rep"));
    EXPECT_EQ(second.doc.SaveAs(path.c_str()).kind, DocOutcomeKind::Busy);
    ASSERT_EQ(first.doc.Save().kind, DocOutcomeKind::Done); // and the lock is released
    ASSERT_EQ(second.doc.Reserve(path.c_str(), 0).kind, DocOutcomeKind::Done);
    second.doc.Release();

    Desk third;
    ASSERT_EQ(third.doc.Open(path.c_str()).kind, DocOutcomeKind::Done);
    first.doc.AddReport(Rep("head-standard/3-turn2.rep"));
    ASSERT_EQ(first.doc.Save().kind, DocOutcomeKind::Done);
    third.doc.AddReport(Rep("head-standard/3-turn3.rep"));
    DocOutcome changed = third.doc.Save();
    EXPECT_EQ(changed.kind, DocOutcomeKind::ChangedOnDisk);
    EXPECT_TRUE(third.doc.IsModified());
    Desk check;
    ASSERT_EQ(check.doc.Open(path.c_str()).kind, DocOutcomeKind::Done);
    EXPECT_EQ(check.doc.Doc().Turns().LongCountNodes(), 2);
}

TEST(DocController, AReadOnlyDocumentIsSaidBeforeAnythingAndNeverReplaced) {
    std::string path = Scratch("readonly") + "/wolves.atl";
    Desk d;
    d.doc.AddReport(Rep("head-standard/3-turn1.rep"));
    ASSERT_EQ(d.doc.SaveAs(path.c_str()).kind, DocOutcomeKind::Done);
    ::chmod(path.c_str(), 0444);
    Desk other;
    DocOutcome reserved = other.doc.Reserve(path.c_str(), 0);
    EXPECT_EQ(reserved.kind, DocOutcomeKind::ReadOnly);
    EXPECT_EQ(Message(reserved), path + " is read-only, so it was not changed.");
    d.doc.AddReport(Rep("head-standard/3-turn2.rep"));
    EXPECT_EQ(d.doc.Save().kind, DocOutcomeKind::ReadOnly);
    EXPECT_TRUE(d.doc.IsModified());
}

TEST(DocController, OutputPathsNeverTakeTheDocumentOrAnotherFile) {
    std::string dir = Scratch("output");
    Desk d;
    d.doc.AddReport(Rep("head-standard/3-turn1.rep"));
    ASSERT_EQ(d.doc.SaveAs((dir + "/wolves.atl").c_str()).kind, DocOutcomeKind::Done);
    WriteFile(dir + "/notes.txt", "notes");
    EXPECT_EQ(d.doc.CheckPictureOutput((dir + "/map.png").c_str()).kind, DocOutcomeKind::Done);
    DocOutcome self = d.doc.CheckPictureOutput((dir + "/wolves.atl").c_str());
    EXPECT_EQ(self.kind, DocOutcomeKind::PictureIsTheDocument);
    EXPECT_EQ(Message(self), dir + "/wolves.atl is the map document itself; choose another file "
                                   "for the picture.");
    EXPECT_EQ(d.doc.CheckPictureOutput((dir + "/notes.txt").c_str()).kind,
              DocOutcomeKind::NotAPicture);
}

// An extension area that could not all be read: the map opens whole with its name, the player
// is told, and a save keeps the unreadable bytes for every later opening to tell again.
TEST(DocController, ADamagedExtensionAreaIsSaidOnOpenAndKeptBySaves) {
    std::string dir = Scratch("extras");
    Desk d;
    ASSERT_EQ(d.doc.AddReport(Rep("head-standard/3-turn1.rep")).kind, DocOutcomeKind::ReportAdded);
    const std::string path = dir + "/wolves.atl";
    ASSERT_EQ(d.doc.SaveAs(path.c_str()).kind, DocOutcomeKind::Done);
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    // The region chunk told to be longer than the file: it and all after it cannot be read.
    const size_t tag = bytes.find("RGNX");
    ASSERT_NE(tag, std::string::npos);
    bytes[tag + 7] = 0x7F;
    WriteFile(path, bytes);

    DocOutcome opened = d.doc.Open(path.c_str());
    EXPECT_EQ(opened.kind, DocOutcomeKind::ExtrasDamaged);
    EXPECT_EQ(Message(opened), path + ": the map's exits, weather and unit details could not be "
                                      "read and were left out. The unreadable part is kept in "
                                      "the file as it was.");
    EXPECT_EQ(d.doc.FileName(), Str(path.c_str()));
    EXPECT_EQ(d.doc.Doc().Turns().LongCountNodes(), 1);

    // A report added and saved: the new turn's details and the unreadable bytes both stay.
    ASSERT_EQ(d.doc.AddReport(Rep("head-standard/3-turn2.rep")).kind, DocOutcomeKind::ReportAdded);
    ASSERT_EQ(d.doc.Save().kind, DocOutcomeKind::Done);
    std::string saved;
    {
        std::ifstream in(path, std::ios::binary);
        saved.assign(std::istreambuf_iterator<char>(in), {});
    }
    EXPECT_NE(saved.find(bytes.substr(tag)), std::string::npos);
    EXPECT_EQ(d.doc.Open(path.c_str()).kind, DocOutcomeKind::ExtrasDamaged);
    EXPECT_EQ(d.doc.Doc().Turns().LongCountNodes(), 2);
    EXPECT_NE(KeptExtras(d.doc.Doc(), d.doc.Doc().LastTurn()->date), nullptr);
}

// A map with other names (hard links) is told before its save: the save writes a new file,
// whole or not at all, and the other names keep the map as it was.
TEST(DocController, ASaveTellsFirstThatItPartsAFileFromItsOtherNames) {
    std::string dir = Scratch("links");
    Desk d;
    ASSERT_EQ(d.doc.AddReport(Rep("head-standard/3-turn1.rep")).kind, DocOutcomeKind::ReportAdded);
    const std::string path = dir + "/wolves.atl", other = dir + "/backup.atl";
    EXPECT_EQ(d.doc.CheckLinks(path.c_str()).kind, DocOutcomeKind::Done); // nothing there yet
    ASSERT_EQ(d.doc.SaveAs(path.c_str()).kind, DocOutcomeKind::Done);
    EXPECT_EQ(d.doc.CheckLinks(path.c_str()).kind, DocOutcomeKind::Done);
    ASSERT_EQ(::link(path.c_str(), other.c_str()), 0);
    std::string before;
    {
        std::ifstream in(path, std::ios::binary);
        before.assign(std::istreambuf_iterator<char>(in), {});
    }

    DocOutcome links = d.doc.CheckLinks(path.c_str());
    EXPECT_EQ(links.kind, DocOutcomeKind::LinksSplit);
    EXPECT_FALSE(IsFailure(links.kind));
    EXPECT_EQ(Message(links), path + " is one of 2 names of the same file (hard links). Saving "
                                     "gives this name a new file of its own; the other names "
                                     "keep the map as it was.");
    // Through a symbolic link too.
    const std::string symbolic = dir + "/current.atl";
    ASSERT_EQ(::symlink(path.c_str(), symbolic.c_str()), 0);
    EXPECT_EQ(d.doc.CheckLinks(symbolic.c_str()).names, 2);

    ASSERT_EQ(d.doc.AddReport(Rep("head-standard/3-turn2.rep")).kind, DocOutcomeKind::ReportAdded);
    ASSERT_EQ(d.doc.Save().kind, DocOutcomeKind::Done);
    std::string kept;
    {
        std::ifstream in(other, std::ios::binary);
        kept.assign(std::istreambuf_iterator<char>(in), {});
    }
    EXPECT_EQ(kept, before);
    EXPECT_EQ(d.doc.CheckLinks(path.c_str()).kind, DocOutcomeKind::Done);
    EXPECT_EQ(d.doc.Open(path.c_str()).kind, DocOutcomeKind::Done);
    EXPECT_EQ(d.doc.Doc().Turns().LongCountNodes(), 2);
}

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Everything a window asks of every turn as it steps through them: the locations, the
// extras and the sighting each hex of the turn's map shows.
int ShowEveryTurn(const VexlorDoc& doc) {
    int shown = 0;
    for (const TurnNode& turn : doc.Turns()) {
        shown += static_cast<int>(turn.Locations().LongCountNodes());
        turn.extras.Find();
        doc.Sightings().ForEachAt(turn.date, [&](const SightingIndex::Shown& hex) {
            EXPECT_NE(hex.loc, nullptr) << turn.date.GetString().Get();
        });
    }
    return shown;
}

// Ways another program changes a file in place, the same file (inode) staying under its name.
struct Underneath {
    const char* way;
    void (*change)(const std::string& path, const std::string& smaller);
};

const Underneath kUnderneath[] = {
    {"cut short",
     [](const std::string& path, const std::string&) { std::filesystem::resize_file(path, 4000); }},
    {"two bytes changed in place",
     [](const std::string& path, const std::string&) {
         std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
         f.seekp(static_cast<std::streamoff>(std::filesystem::file_size(path) / 4));
         f.write("\xff\xff", 2);
     }},
    {"a smaller map copied over it",
     [](const std::string& path, const std::string& smaller) { WriteFile(path, smaller); }},
};

} // namespace

// Another program cuts, changes or replaces the open map: nothing the document holds changes,
// every turn shows as it was read, Save As writes the map as it was read, and a Save (to the
// changed file, as the command line's add does) refuses and leaves no temporary behind.
TEST(DocController, AMapChangedUnderneathKeepsWhatWasReadAndNeverReachesASave) {
    std::string dir = Scratch("underneath");
    Desk made;
    for (int turn = 1; turn <= 2; ++turn)
        made.doc.AddReport(Rep("head-standard/3-turn" + std::to_string(turn) + ".rep"));
    ASSERT_EQ(made.doc.SaveAs((dir + "/smaller.atl").c_str()).kind, DocOutcomeKind::Done);
    for (int turn = 3; turn <= 4; ++turn)
        made.doc.AddReport(Rep("head-standard/3-turn" + std::to_string(turn) + ".rep"));
    ASSERT_EQ(made.doc.SaveAs((dir + "/whole.atl").c_str()).kind, DocOutcomeKind::Done);
    const std::string whole = ReadBytes(dir + "/whole.atl");
    const std::string smaller = ReadBytes(dir + "/smaller.atl");
    int locations = 0;
    {
        Desk read;
        ASSERT_EQ(read.doc.Open((dir + "/whole.atl").c_str()).kind, DocOutcomeKind::Done);
        locations = ShowEveryTurn(read.doc.Doc());
    }

    for (const Underneath& u : kUnderneath) {
        SCOPED_TRACE(u.way);
        const std::string path = dir + "/open.atl", copy = dir + "/copy.atl";
        WriteFile(path, whole);
        Desk d;
        ASSERT_EQ(d.doc.Reserve(path.c_str(), 0).kind, DocOutcomeKind::Done);
        ASSERT_EQ(d.doc.Open(path.c_str()).kind, DocOutcomeKind::Done);
        u.change(path, smaller);
        const std::string theirs = ReadBytes(path);
        ASSERT_NE(theirs, whole);

        EXPECT_EQ(ShowEveryTurn(d.doc.Doc()), locations);
        d.doc.AddReport(Rep("head-standard/3-turn5.rep"));
        const int added = static_cast<int>(d.doc.Doc().LastTurn()->Locations().LongCountNodes());
        DocOutcome saved = d.doc.Save();
        EXPECT_EQ(saved.kind, DocOutcomeKind::ChangedOnDisk);
        EXPECT_EQ(ReadBytes(path), theirs);
        EXPECT_TRUE(d.doc.IsModified());
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            EXPECT_EQ(entry.path().filename().string().find(".vexlor-save-"), std::string::npos)
                << entry.path();

        // What was read, whole, and the turn added.
        ASSERT_EQ(d.doc.SaveAs(copy.c_str()).kind, DocOutcomeKind::Done);
        Desk back;
        ASSERT_EQ(back.doc.Open(copy.c_str()).kind, DocOutcomeKind::Done);
        EXPECT_EQ(back.doc.Doc().Turns().LongCountNodes(), 5);
        EXPECT_EQ(ShowEveryTurn(back.doc.Doc()), locations + added);
    }
}
