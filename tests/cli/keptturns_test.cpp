// A document's turns read from their kept bytes when asked for give what reading every turn at
// once gives: the same file when saved, the same dump, the same descriptions, and the same
// refusal of a damaged chunk. On the real reports.
#include "base/wstream.h"
#include "cli/docjson.h"
#include "descr/descrtree.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "model/docfile.h"
#include "model/extarea.h"
#include "model/recordio.h"
#include "model/vexlordoc.h"
#include "tests/support/reportdoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

namespace {

Bytes Saved(VexlorDoc& doc) {
    omwstream out;
    EXPECT_EQ(WriteDocFile(out, doc), 0);
    return out.Bytes();
}

// The file read as the program reads it, or with every turn's extras read at once.
void Read(const Bytes& file, VexlorDoc& doc, ExtReading reading) {
    ASSERT_EQ(ReadDocFile(KeptBytes::Copy(file.data(), file.size()), doc), DocRead);
    if (reading == ExtReading::WhenAsked) return;
    doc.Extras() = DocExtras();
    for (TurnNode* t = doc.FirstTurn(); t; t = t->Next())
        t->extras = {};
    const size_t version1 = Saved(doc).size(); // without extras: the version-1 part alone
    ReadExtArea(KeptBytes::Copy(file.data() + version1, file.size() - version1), doc, reading);
}

long TurnsWithExtras(const VexlorDoc& doc) {
    long n = 0;
    for (const TurnNode& turn : doc.Turns())
        n += turn.extras.Find() != nullptr;
    return n;
}

long KeptTurns(const VexlorDoc& doc) {
    long n = 0;
    for (const TurnNode& turn : doc.Turns())
        n += turn.IsKept();
    return n;
}

std::string Json(const VexlorDoc& doc) {
    std::string json;
    AppendDocJson(json, doc);
    return json;
}

// The description of every hex with kept extras, at every turn.
std::string Descriptions(const VexlorDoc& doc) {
    std::string text;
    for (const TurnNode& turn : doc.Turns()) {
        const TurnExtras* extras = KeptExtras(doc, turn.date);
        if (!extras) continue;
        AtlMap map;
        FormatMap(doc, map, turn.date);
        for (const auto& [coord, region] : extras->Regions())
            if (auto root = BuildDescrTree(doc, map, coord, DescrOptions()))
                text += TreeText(*root);
    }
    return text;
}

// The file with its region chunk's first turn damaged: how: 0, a count of regions that runs
// past the chunk's end; 1, an exit in a direction that does not exist.
Bytes WithRegionsDamaged(Bytes file, int how) {
    const std::string tag = "RGNX";
    auto at = std::search(file.begin(), file.end(), tag.begin(), tag.end());
    EXPECT_NE(at, file.end());
    // The chunk's length, the number of turns and the first turn's date come first.
    unsigned char* turn = &*at + 4 + 4 + 4 + 4;
    if (how == 0) {
        std::fill(turn, turn + 4, 0xFF);
    } else {
        // The first region: count, coordinate, gate and count of gates, weather, exits.
        unsigned char* weather = turn + 4 + 5 + 8;
        unsigned char* exits = weather + 2 + (weather[0] | weather[1] << 8);
        EXPECT_TRUE(exits[0] || exits[1]);
        exits[2] = 6;
    }
    return file;
}

} // namespace

TEST(KeptTurns, ReadWhenAskedOrAllAtOnceTheDocumentIsTheSame) {
    const std::string reports = VEXLOR_REPORTS_DIR;
    for (auto [folder, turns] : {std::pair{"head-standard", 8},
                                 {"head-neworigins", 9},
                                 {"v404-standard", 8},
                                 {"repo-snapshot-standard", 14}}) {
        SCOPED_TRACE(folder);
        VexlorDoc made;
        ASSERT_EQ(AddReports(made, ReportSeries(reports + "/" + folder, 3, turns)), "");
        const Bytes file = Saved(made);

        VexlorDoc asked, atOnce;
        Read(file, asked, ExtReading::WhenAsked);
        Read(file, atOnce, ExtReading::AtOnce);
        // Saved before any turn was asked for (its kept bytes), and from the objects.
        EXPECT_TRUE(Saved(asked) == file);
        EXPECT_TRUE(Saved(atOnce) == file);
        // A dump makes the objects of one turn at a time and leaves every turn kept.
        const long kept = KeptTurns(asked);
        EXPECT_GT(kept, 0);
        EXPECT_EQ(Json(asked), Json(atOnce));
        EXPECT_EQ(KeptTurns(asked), kept);
        EXPECT_EQ(TurnsWithExtras(asked), TurnsWithExtras(atOnce));
        EXPECT_EQ(Descriptions(asked), Descriptions(atOnce));
        EXPECT_FALSE(Descriptions(asked).empty());

        // A turn replaced after opening is written from its objects, the others as they were.
        const std::string third = ReportSeries(reports + "/" + folder, 3, 3).back();
        ASSERT_EQ(AddReports(asked, {third}), "");
        ASSERT_EQ(AddReports(atOnce, {third}), "");
        EXPECT_TRUE(Saved(asked) == Saved(atOnce));

        // A damaged chunk is refused whole both ways, and the others read alike.
        for (int how : {0, 1}) {
            const Bytes damaged = WithRegionsDamaged(file, how);
            VexlorDoc damagedAsked, damagedAtOnce;
            Read(damaged, damagedAsked, ExtReading::WhenAsked);
            Read(damaged, damagedAtOnce, ExtReading::AtOnce);
            EXPECT_TRUE(damagedAsked.Extras().damaged);
            EXPECT_TRUE(damagedAtOnce.Extras().damaged);
            EXPECT_EQ(Json(damagedAsked), Json(damagedAtOnce));
            EXPECT_TRUE(Saved(damagedAsked) == Saved(damagedAtOnce));
        }
    }
}

namespace {

// The file as a program that knew no wage decimals wrote it: without the WAGE chunk.
Bytes WithoutWageDecimals(Bytes file) {
    const std::string tag = "WAGE";
    auto at = std::search(file.begin(), file.end(), tag.begin(), tag.end());
    EXPECT_NE(at, file.end());
    if (at == file.end()) return file;
    const size_t length = at[4] | at[5] << 8 | at[6] << 16 | static_cast<size_t>(at[7]) << 24;
    file.erase(at, at + 8 + static_cast<std::ptrdiff_t>(length));
    return file;
}

std::string Described(const VexlorDoc& doc, const AtlCoord& c) {
    AtlMap map;
    FormatMap(doc, map, doc.LastTurn()->date);
    auto root = BuildDescrTree(doc, map, c, DescrOptions());
    return root ? TreeText(*root) : "";
}

} // namespace

// Wages keep the decimal the report gave from the report to the pane and the dump, through a
// save and a reopen; a map written without it shows the whole silver as before. The version-1
// records are the same either way.
TEST(KeptTurns, WagesKeepTheirDecimalThroughSaveAndReopen) {
    VexlorDoc added;
    ASSERT_EQ(AddReports(added, ReportSeries(VEXLOR_REPORTS_DIR "/head-standard", 3, 8)), "");
    const AtlCoord erisort(0, 32), ocean(13, 1);
    const Bytes file = Saved(added);
    for (ExtReading reading : {ExtReading::WhenAsked, ExtReading::AtOnce}) {
        VexlorDoc doc;
        Read(file, doc, reading);
        EXPECT_NE(Described(doc, erisort).find("  Wages: $14.2 (Max: $7159)\n"), std::string::npos);
        // "$0." is a whole number with the sentence's full stop.
        EXPECT_NE(Described(doc, ocean).find("  Wages: $0\n"), std::string::npos);
        const std::string json = Json(doc);
        EXPECT_NE(json.find("\"wages\": 14, \"wagesExact\": 14.2, \"maxWages\": 7159"),
                  std::string::npos);
        EXPECT_EQ(json.find("\"wages\": 0, \"wagesExact\""), std::string::npos);
        EXPECT_EQ(Saved(doc), file);
    }

    VexlorDoc old;
    const Bytes oldFile = WithoutWageDecimals(file);
    Read(oldFile, old, ExtReading::WhenAsked);
    EXPECT_FALSE(old.Extras().damaged);
    EXPECT_NE(Described(old, erisort).find("  Wages: $14 (Max: $7159)\n"), std::string::npos);
    EXPECT_EQ(Json(old).find("wagesExact"), std::string::npos);
    EXPECT_EQ(Saved(old), oldFile);
}
