// Allies' maps held with the player's: taken from another faction's reports or map, kept where a
// version-1 reader never looks, removed, taken again, and the player's own map written for them.
// Faction 3 of the head-standard game is the player; 4 and 5 saw many of the same hexes.
#include "base/wstream.h"
#include "doc/docmessages.h"
#include "doc_test_util.h"
#include "model/docfile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::vector<std::string> Reports(int faction, int from = 1, int to = 8) {
    std::vector<std::string> paths;
    for (int turn = from; turn <= to; ++turn)
        paths.push_back(Rep("head-standard/" + std::to_string(faction) + "-turn" +
                            std::to_string(turn) + ".rep"));
    return paths;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Image(const VexlorDoc& doc) {
    omwstream os;
    EXPECT_TRUE(WriteDocImage(os, doc));
    return std::string(os.Bytes().begin(), os.Bytes().end());
}

// A map of one faction's eight reports, saved at path; its bytes.
std::string SaveMap(int faction, const std::string& path) {
    Desk d;
    ReportsOutcome added = d.doc.AddReports(Reports(faction));
    EXPECT_EQ(added.Count(DocOutcomeKind::ReportAdded), 8);
    EXPECT_EQ(d.doc.SaveAs(path.c_str()).kind, DocOutcomeKind::Done);
    return ReadBytes(path);
}

// The area ends with its end chunk: a tag and a zero length.
constexpr size_t kEndChunk = 8;

std::string Message(const DocOutcome& o) {
    return DocMessage(o).Get();
}

} // namespace

TEST(Allies, AnotherFactionsReportJoinsItsAllyOnlyWhenThePlayerSaysSo) {
    Desk d;
    ASSERT_EQ(d.doc.AddReports(Reports(3, 1, 4)).Count(DocOutcomeKind::ReportAdded), 4);
    const std::string four = Rep("head-standard/4-turn1.rep");

    // No: refused as before, and no empty ally is left behind.
    DocOutcome refused = d.doc.AddReport(four);
    EXPECT_EQ(refused.kind, DocOutcomeKind::OtherFaction);
    EXPECT_EQ(d.questions.asked, std::vector<std::string>{"ally Blue Herons (4)"});
    EXPECT_TRUE(d.doc.Doc().Extras().allies.IsEmpty());
    EXPECT_EQ(std::string(AllyQuestion(refused).Get()),
              "This is the report of Blue Herons (4). Add it as an ally's report?");

    // Yes to all in a batch: one question for both allies; the player's report of the batch
    // goes the normal way, and an ally's month after the player's last is kept and shown.
    d.questions.asked.clear();
    d.questions.answers = {DocAnswer::YesToAll};
    std::vector<std::string> batch = Reports(4, 1, 6);
    batch.push_back(Rep("head-standard/5-turn2.rep"));
    batch.push_back(Rep("head-standard/3-turn5.rep"));
    ReportsOutcome added = d.doc.AddReports(batch);
    EXPECT_EQ(d.questions.asked, std::vector<std::string>{"ally Blue Herons (4) (all)"});
    EXPECT_EQ(added.Count(DocOutcomeKind::AllyReportAdded), 7);
    EXPECT_EQ(added.Count(DocOutcomeKind::ReportAdded), 1);
    EXPECT_EQ(std::string(ReportsSummary(added).Get()),
              "Reports added: 8, replaced: 0, kept: 0, refused: 0.");
    const DocOutcome& green = *std::find_if(added.reports.begin(), added.reports.end(),
                                            [](const DocOutcome& o) { return o.faction == 5; });
    EXPECT_EQ(Message(green),
              Rep("head-standard/5-turn2.rep") + ": February, Year 1 added for Green Oaks (5).");
    const AllyMaps& allies = d.doc.Doc().Extras().allies;
    ASSERT_EQ(allies.All().size(), 2u);
    EXPECT_EQ(allies.All()[0]->doc->GetFaction().Number(), 4);
    EXPECT_EQ(std::string(allies.All()[0]->name.Get()), "Blue Herons");
    EXPECT_EQ(allies.All()[0]->doc->Turns().LongCountNodes(), 6);
    EXPECT_TRUE(allies.All()[0]->file.empty());
    EXPECT_EQ(std::string(allies.All()[1]->name.Get()), "Green Oaks");
    EXPECT_EQ(d.doc.Doc().Turns().LongCountNodes(), 5);
    EXPECT_EQ(d.doc.ShownDate(), AtlDate(5, 1)); // June, the ally's
    EXPECT_EQ(d.doc.ShowDate(AtlDate(5, 1)).kind, DocOutcomeKind::Done);
    EXPECT_EQ(d.doc.ShowDate(AtlDate(6, 1)).kind, DocOutcomeKind::NoSuchTurn);
    EXPECT_TRUE(d.doc.IsModified());

    // A month held for the ally asks the replace question as the player's own does, naming
    // whose turn it is; kept, then replaced.
    d.questions.asked.clear();
    d.questions.answers = {DocAnswer::Yes, DocAnswer::No, DocAnswer::Yes, DocAnswer::Yes};
    EXPECT_EQ(d.doc.AddReport(four).kind, DocOutcomeKind::ReportKept);
    DocOutcome replaced = d.doc.AddReport(four);
    EXPECT_EQ(replaced.kind, DocOutcomeKind::AllyReportReplaced);
    EXPECT_EQ(Message(replaced), four + ": January, Year 1 replaced for Blue Herons (4).");
    EXPECT_EQ(d.questions.asked,
              (std::vector<std::string>{"ally Blue Herons (4)", "replace January, Year 1 of 4",
                                        "ally Blue Herons (4)", "replace January, Year 1 of 4"}));
    EXPECT_EQ(allies.All()[0]->doc->Turns().LongCountNodes(), 6);

    // A report broken off inside a unit is refused whole, where the player's own would keep
    // the regions before the break; nothing of the ally changes.
    const std::string dir = Scratch("allies_cut");
    std::string july = ReadBytes(Rep("head-standard/4-turn7.rep"));
    WriteFile(dir + "/cut.rep", july.substr(0, july.find("Guards (408)") + 20));
    const std::string blueBefore = Image(*allies.All()[0]->doc);
    d.questions.answers = {DocAnswer::Yes};
    DocOutcome cut = d.doc.AddReport(dir + "/cut.rep");
    EXPECT_EQ(cut.kind, DocOutcomeKind::ReportBrokenOff);
    EXPECT_EQ(cut.regions, 0);
    EXPECT_EQ(Image(*allies.All()[0]->doc), blueBefore);
}

TEST(Allies, ThePlayersOwnBytesStayThroughAddRemoveAndRefresh) {
    const std::string dir = Scratch("allies_bytes");
    const std::string own = SaveMap(3, dir + "/red.atl");
    const std::string blue = SaveMap(4, dir + "/blue.atl");
    SaveMap(5, dir + "/green.atl");
    const std::string red = dir + "/red.atl";

    Desk d;
    ASSERT_EQ(d.doc.Open(red.c_str()).kind, DocOutcomeKind::Done);
    DocOutcome added = d.doc.AddAllyMap((dir + "/blue.atl").c_str());
    EXPECT_EQ(added.kind, DocOutcomeKind::AllyMapAdded);
    EXPECT_EQ(Message(added), dir + "/blue.atl: 8 months of Blue Herons (4) added.");
    EXPECT_EQ(d.doc.AddAllyMap((dir + "/green.atl").c_str()).kind, DocOutcomeKind::AllyMapAdded);
    ASSERT_EQ(d.doc.Save().kind, DocOutcomeKind::Done);
    // Taken and saved without making the objects of a single turn of the ally's.
    auto allKept = [](const VexlorDoc& doc) {
        bool kept = doc.FirstTurn() != nullptr;
        for (const TurnNode* turn = doc.FirstTurn(); turn; turn = turn->Next())
            kept = kept && turn->IsKept();
        return kept;
    };
    EXPECT_TRUE(allKept(*d.doc.Doc().Extras().allies.Find(4)->doc));
    const std::string withAllies = ReadBytes(red);
    // Everything before the end of the player's own area, which a version-1 reader and
    // every earlier chunk see, is as it was; the allies follow.
    ASSERT_GT(withAllies.size(), own.size() + blue.size());
    EXPECT_EQ(withAllies.substr(0, own.size() - kEndChunk), own.substr(0, own.size() - kEndChunk));

    // Opened again: each ally's map is the very map it was taken from, its exits, units' details
    // and events included, and stays as the file's bytes until asked for.
    Desk again;
    ASSERT_EQ(again.doc.Open(red.c_str()).kind, DocOutcomeKind::Done);
    const AllyMaps& allies = again.doc.Doc().Extras().allies;
    ASSERT_EQ(allies.All().size(), 2u);
    EXPECT_TRUE(allKept(*allies.All()[0]->doc));
    EXPECT_TRUE(allKept(*allies.All()[1]->doc));
    EXPECT_EQ(Image(*allies.All()[0]->doc), blue);
    EXPECT_EQ(allies.All()[0]->file, std::filesystem::path(dir + "/blue.atl").lexically_normal());
    EXPECT_EQ(std::string(allies.All()[1]->name.Get()), "Green Oaks");
    EXPECT_EQ(again.doc.Doc().Turns().LongCountNodes(), 8);

    // Refreshed from its file, then removed one by one: at the end the very bytes of before.
    EXPECT_EQ(again.doc.RefreshAlly(4).kind, DocOutcomeKind::AllyMapAdded);
    EXPECT_EQ(Image(*allies.Find(4)->doc), blue);
    ASSERT_EQ(again.doc.Save().kind, DocOutcomeKind::Done);
    EXPECT_EQ(ReadBytes(red), withAllies);
    DocOutcome removed = again.doc.RemoveAlly(4);
    EXPECT_EQ(Message(removed), "Blue Herons (4) removed: its months are no longer on the map.");
    EXPECT_EQ(again.doc.RemoveAlly(4).kind, DocOutcomeKind::NoSuchAlly);
    EXPECT_EQ(again.doc.RemoveAlly(5).kind, DocOutcomeKind::AllyRemoved);
    ASSERT_EQ(again.doc.Save().kind, DocOutcomeKind::Done);
    EXPECT_EQ(ReadBytes(red), own);
}

TEST(Allies, AMapIsRefusedWholeForDamageFactionZeroOrTheOwnFaction) {
    const std::string dir = Scratch("allies_refused");
    const std::string own = SaveMap(3, dir + "/red.atl");
    const std::string blue = SaveMap(4, dir + "/blue.atl");
    const std::string red = dir + "/red.atl";
    // Cut inside the turns, and cut inside the area (the turns whole, their exits not).
    WriteFile(dir + "/cut-turns.atl", blue.substr(0, blue.size() / 3));
    WriteFile(dir + "/cut-area.atl", blue.substr(0, blue.size() - 40));
    {
        Desk nobody;
        nobody.doc.StartNew((dir + "/nobody.atl").c_str());
        ASSERT_EQ(nobody.doc.Save().kind, DocOutcomeKind::Done);
    }

    Desk d;
    // A map of no faction yet cannot tell the player's months from an ally's.
    d.doc.StartNew((dir + "/new.atl").c_str());
    EXPECT_EQ(d.doc.AddAllyMap((dir + "/blue.atl").c_str()).kind, DocOutcomeKind::AllyNeedsOwnMap);
    ASSERT_EQ(d.doc.Open(red.c_str()).kind, DocOutcomeKind::Done);
    struct Case {
        std::string file;
        DocOutcomeKind kind;
        std::string message;
    } cases[] = {
        {dir + "/cut-turns.atl", DocOutcomeKind::AllyMapDamaged,
         " is damaged or cut short, so nothing of it was added as an ally's map."},
        {dir + "/cut-area.atl", DocOutcomeKind::AllyMapDamaged,
         " is damaged or cut short, so nothing of it was added as an ally's map."},
        {dir + "/nobody.atl", DocOutcomeKind::AllyMapNoFaction,
         " is a map of no faction (faction 0) and cannot be added as an ally's map."},
        {red, DocOutcomeKind::AllyMapOwnFaction,
         " is a map of your own faction (3), not of an ally."},
        {Rep("head-standard/4-turn1.rep"), DocOutcomeKind::NotADocument, " is not a map document."},
    };
    d.observer.changes = 0;
    for (const Case& c : cases) {
        DocOutcome o = d.doc.AddAllyMap(c.file.c_str());
        EXPECT_EQ(o.kind, c.kind) << c.file;
        EXPECT_EQ(Message(o), c.file + c.message);
        EXPECT_TRUE(IsFailure(o.kind));
    }
    EXPECT_EQ(d.observer.changes, 0);
    EXPECT_FALSE(d.doc.IsModified());
    EXPECT_TRUE(d.doc.Doc().Extras().allies.IsEmpty());

    // Refreshing: an ally of reports only has no file; a file that now holds another faction's
    // map leaves the ally as it was.
    d.questions.answers = {DocAnswer::Yes};
    ASSERT_EQ(d.doc.AddReport(Rep("head-standard/5-turn1.rep")).kind,
              DocOutcomeKind::AllyReportAdded);
    EXPECT_EQ(Message(d.doc.RefreshAlly(5)), "Green Oaks (5) was added from reports, not from a "
                                             "map, so there is no map to take it from again.");
    EXPECT_EQ(d.doc.RefreshAlly(6).kind, DocOutcomeKind::NoSuchAlly);
    ASSERT_EQ(d.doc.AddAllyMap((dir + "/blue.atl").c_str()).kind, DocOutcomeKind::AllyMapAdded);
    SaveMap(5, dir + "/blue.atl");
    DocOutcome other = d.doc.RefreshAlly(4);
    EXPECT_EQ(other.kind, DocOutcomeKind::AllyMapOtherFaction);
    EXPECT_EQ(Image(*d.doc.Doc().Extras().allies.Find(4)->doc), blue);
    EXPECT_EQ(d.doc.Doc().Extras().allies.Find(5)->doc->Turns().LongCountNodes(), 1);
}

TEST(Allies, AMapPassesOnOnlyItsOwnTurnsAndJoinsTheMonthsHeld) {
    const std::string dir = Scratch("allies_own_turns");
    SaveMap(3, dir + "/red.atl");
    // Blue's map holds Green as its ally, and red holds two months of blue already.
    Desk blue;
    blue.questions.answers = {DocAnswer::YesToAll};
    ASSERT_EQ(blue.doc.AddReports(Reports(4, 1, 6)).Count(DocOutcomeKind::ReportAdded), 6);
    ASSERT_EQ(blue.doc.AddReports(Reports(5)).Count(DocOutcomeKind::AllyReportAdded), 8);
    ASSERT_EQ(blue.doc.SaveAs((dir + "/blue.atl").c_str()).kind, DocOutcomeKind::Done);

    Desk d;
    ASSERT_EQ(d.doc.Open((dir + "/red.atl").c_str()).kind, DocOutcomeKind::Done);
    d.questions.answers = {DocAnswer::YesToAll};
    ASSERT_EQ(d.doc.AddReports(Reports(4, 6, 8)).Count(DocOutcomeKind::AllyReportAdded), 3);
    DocOutcome added = d.doc.AddAllyMap((dir + "/blue.atl").c_str());
    EXPECT_EQ(added.turns, 6);
    const AllyMaps& allies = d.doc.Doc().Extras().allies;
    ASSERT_EQ(allies.All().size(), 1u);
    const VexlorDoc& four = *allies.All()[0]->doc;
    EXPECT_EQ(four.Turns().LongCountNodes(), 8); // January to June from the map, July and August
    EXPECT_TRUE(four.Extras().allies.IsEmpty());
    EXPECT_EQ(four.FindTurn(AtlDate(5, 1))->LocationCount(),
              blue.doc.Doc().FindTurn(AtlDate(5, 1))->LocationCount());
}

TEST(Allies, ADamagedAllyLosesNothingOfTheOthersAndIsKeptForTheNextSave) {
    const std::string dir = Scratch("allies_damaged_chunk");
    const std::string own = SaveMap(3, dir + "/red.atl");
    SaveMap(4, dir + "/blue.atl");
    SaveMap(5, dir + "/green.atl");
    const std::string red = dir + "/red.atl";
    {
        Desk d;
        ASSERT_EQ(d.doc.Open(red.c_str()).kind, DocOutcomeKind::Done);
        d.doc.AddAllyMap((dir + "/blue.atl").c_str());
        d.doc.AddAllyMap((dir + "/green.atl").c_str());
        ASSERT_EQ(d.doc.Save().kind, DocOutcomeKind::Done);
    }
    // The first ally's image loses its signature.
    std::string bytes = ReadBytes(red);
    const size_t chunk = bytes.find("ALLY", own.size() - kEndChunk);
    ASSERT_NE(chunk, std::string::npos);
    const size_t image = bytes.find("Atlantis Vexlor", chunk);
    bytes[image] = 'X';
    WriteFile(red, bytes);

    Desk d;
    DocOutcome opened = d.doc.Open(red.c_str());
    EXPECT_EQ(opened.kind, DocOutcomeKind::ExtrasDamaged);
    const AllyMaps& allies = d.doc.Doc().Extras().allies;
    ASSERT_EQ(allies.All().size(), 1u);
    EXPECT_EQ(allies.All()[0]->doc->GetFaction().Number(), 5);
    EXPECT_EQ(allies.All()[0]->doc->Turns().LongCountNodes(), 8);
    EXPECT_EQ(d.doc.Doc().Turns().LongCountNodes(), 8);
    // Saved, the damaged ally goes back as it was, beside the others.
    d.doc.RemoveAlly(5);
    ASSERT_EQ(d.doc.Save().kind, DocOutcomeKind::Done);
    const std::string saved = ReadBytes(red);
    EXPECT_EQ(saved.substr(0, own.size() - kEndChunk), own.substr(0, own.size() - kEndChunk));
    EXPECT_NE(saved.find(bytes.substr(chunk, 200)), std::string::npos);
}

TEST(Allies, TheExportIsThePlayersOwnMapThatAnAllyTakesBack) {
    const std::string dir = Scratch("allies_export");
    const std::string own = SaveMap(3, dir + "/red.atl");
    SaveMap(4, dir + "/blue.atl");
    const std::string red = dir + "/red.atl";
    Desk d;
    ASSERT_EQ(d.doc.Open(red.c_str()).kind, DocOutcomeKind::Done);
    ASSERT_EQ(d.doc.AddAllyMap((dir + "/blue.atl").c_str()).kind, DocOutcomeKind::AllyMapAdded);

    // All months: the player's own map, byte for byte, without the ally.
    EXPECT_EQ(d.doc.ExportForAlly((dir + "/all.atl").c_str(), AtlDate()).kind,
              DocOutcomeKind::Done);
    EXPECT_EQ(ReadBytes(dir + "/all.atl"), own);
    EXPECT_EQ(d.doc.FileName(), Str(red.c_str()));
    EXPECT_TRUE(d.doc.IsModified());
    EXPECT_EQ(d.doc.ExportForAlly(red.c_str(), AtlDate()).kind,
              DocOutcomeKind::ExportIsTheDocument);

    // From May on, taken by blue as its ally's map: the months are those of the player's map.
    ASSERT_EQ(d.doc.ExportForAlly((dir + "/may.atl").c_str(), AtlDate(4, 1)).kind,
              DocOutcomeKind::Done);
    Desk blue;
    ASSERT_EQ(blue.doc.Open((dir + "/blue.atl").c_str()).kind, DocOutcomeKind::Done);
    DocOutcome taken = blue.doc.AddAllyMap((dir + "/may.atl").c_str());
    EXPECT_EQ(taken.kind, DocOutcomeKind::AllyMapAdded);
    EXPECT_EQ(taken.turns, 4);
    EXPECT_EQ(taken.factionName, "Red Wolves");
    const VexlorDoc& red3 = *blue.doc.Doc().Extras().allies.Find(3)->doc;
    EXPECT_EQ(red3.FirstTurn()->date, AtlDate(4, 1));
    for (const TurnNode* turn = red3.FirstTurn(); turn; turn = turn->Next()) {
        const TurnNode* mine = d.doc.Doc().FindTurn(turn->date);
        EXPECT_EQ(turn->LocationCount(), mine->LocationCount());
        ASSERT_TRUE(turn->extras.Find());
        EXPECT_EQ(turn->extras.Find()->Units().size(), mine->extras.Find()->Units().size());
    }
}
