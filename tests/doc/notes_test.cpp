// The player's notes and bookmarks through the controller: the modified flag, save and open,
// the version-1 bytes they leave alone, and a damaged chunk.
#include "doc_test_util.h"
#include "model/docfile.h"

#include <gtest/gtest.h>

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST(Notes, SetAndRemoveMarkTheDocumentAndSurviveSaveAndOpen) {
    std::string dir = Scratch("notes");
    Desk d;
    ASSERT_EQ(d.doc.AddReport(Rep("head-standard/3-turn1.rep")).kind, DocOutcomeKind::ReportAdded);
    const std::string plain = dir + "/plain.atl", noted = dir + "/noted.atl";
    ASSERT_EQ(d.doc.SaveAs(plain.c_str()).kind, DocOutcomeKind::Done);
    ASSERT_FALSE(d.doc.IsModified());

    // Erisort's hex, a hex nothing is known of, and one of the underworld.
    const AtlCoord erisort(0, 32), unknown(40, 2), below(3, 5, 1);
    d.observer.changes = 0;
    EXPECT_TRUE(d.doc.SetNote(erisort, "Buy horses here\r\nthe guards are Blue Herons  \n\n"));
    EXPECT_TRUE(d.doc.IsModified());
    EXPECT_EQ(d.observer.changes, 1);
    EXPECT_FALSE(d.doc.SetNote(erisort, "Buy horses here\nthe guards are Blue Herons"));
    EXPECT_EQ(d.observer.changes, 1); // the same text changes nothing
    EXPECT_TRUE(d.doc.SetNote(unknown, "Sail\there?"));
    EXPECT_TRUE(d.doc.SetBookmark(below, true));
    EXPECT_FALSE(d.doc.SetBookmark(below, true));
    EXPECT_TRUE(d.doc.SetBookmark(erisort, true));
    ASSERT_EQ(d.doc.SaveAs(noted.c_str()).kind, DocOutcomeKind::Done);

    // The version-1 document is the same bytes; the notes are in the area after it.
    const std::string before = ReadAll(plain), after = ReadAll(noted);
    const size_t area = before.find(std::string("VexlorX\x1a", 8));
    ASSERT_NE(area, std::string::npos);
    ASSERT_GT(after.size(), before.size());
    EXPECT_EQ(after.compare(0, area, before, 0, area), 0);
    EXPECT_NE(after.find("NOTE", area), std::string::npos);

    Desk back;
    ASSERT_EQ(back.doc.Open(noted.c_str()).kind, DocOutcomeKind::Done);
    const HexNotes& notes = back.doc.Doc().Extras().notes;
    ASSERT_EQ(notes.All().size(), 3u);
    EXPECT_EQ(notes.Find(erisort)->text, "Buy horses here\nthe guards are Blue Herons");
    EXPECT_EQ(notes.Find(unknown)->text, "Sail\there?");
    EXPECT_TRUE(notes.Find(below)->text.IsEmpty());
    EXPECT_EQ(notes.Bookmarks(), (std::vector<AtlCoord>{erisort, below}));
    EXPECT_FALSE(back.doc.IsModified());

    // A note belongs to the hex, not to a turn: another turn shows it as well.
    ASSERT_EQ(back.doc.AddReport(Rep("head-standard/3-turn2.rep")).kind,
              DocOutcomeKind::ReportAdded);
    EXPECT_TRUE(back.doc.Doc().Extras().notes.HasText(erisort));

    // Removing every note and bookmark leaves a document without the chunk.
    EXPECT_TRUE(d.doc.SetNote(erisort, "  \n"));
    EXPECT_TRUE(d.doc.Doc().Extras().notes.Find(erisort)->IsBookmarked());
    EXPECT_TRUE(d.doc.SetBookmark(erisort, false));
    EXPECT_EQ(d.doc.Doc().Extras().notes.Find(erisort), nullptr);
    EXPECT_TRUE(d.doc.SetNote(unknown, ""));
    EXPECT_TRUE(d.doc.SetBookmark(below, false));
    ASSERT_EQ(d.doc.Save().kind, DocOutcomeKind::Done);
    EXPECT_EQ(ReadAll(noted), before);
}

TEST(Notes, ADamagedChunkIsSaidAndKeptAndLosesNothingElse) {
    std::string dir = Scratch("notes_damaged");
    Desk d;
    ASSERT_EQ(d.doc.AddReport(Rep("head-standard/3-turn1.rep")).kind, DocOutcomeKind::ReportAdded);
    const std::string path = dir + "/damaged.atl";
    d.doc.SetNote(AtlCoord(0, 32), "Buy horses here");
    ASSERT_EQ(d.doc.SaveAs(path.c_str()).kind, DocOutcomeKind::Done);

    // The note's text cut short inside a chunk whose frame is whole: its length says 15, 5
    // bytes follow.
    std::string bytes = ReadAll(path);
    size_t tag = bytes.find("NOTE");
    ASSERT_NE(tag, std::string::npos);
    size_t text = bytes.find("Buy horses here", tag);
    ASSERT_NE(text, std::string::npos);
    bytes.erase(text + 5, 10);
    bytes[tag + 4] = static_cast<char>(bytes[tag + 4] - 10);
    WriteFile(path, bytes);

    Desk back;
    EXPECT_EQ(back.doc.Open(path.c_str()).kind, DocOutcomeKind::ExtrasDamaged);
    EXPECT_TRUE(back.doc.Doc().Extras().notes.IsEmpty());
    EXPECT_EQ(back.doc.Doc().Turns().LongCountNodes(), 1);
    EXPECT_TRUE(back.doc.Doc().LastTurn()->Locations().GetFirst() != nullptr);

    // A new note saved beside the damaged bytes, which stay for a later program.
    back.doc.SetNote(AtlCoord(2, 32), "Tower");
    ASSERT_EQ(back.doc.Save().kind, DocOutcomeKind::Done);
    uint32_t length = 0;
    for (int i = 3; i >= 0; --i)
        length = length << 8 | static_cast<unsigned char>(bytes[tag + 4 + static_cast<size_t>(i)]);
    EXPECT_NE(ReadAll(path).find(bytes.substr(tag, 8 + length)), std::string::npos);
    Desk again;
    EXPECT_EQ(again.doc.Open(path.c_str()).kind, DocOutcomeKind::ExtrasDamaged);
    EXPECT_EQ(again.doc.Doc().Extras().notes.Find(AtlCoord(2, 32))->text, "Tower");
}
