// The records are described once (model/records.h) and walked three ways: written, read into
// objects, and skimmed without objects when a file opens. On every document the tests build
// from the real reports, the skim and the reader must agree record by record, and an opened
// file must keep its turns as bytes until one is shown.
#include "tests/support/reportdoc.h"
#include "tests/support/tempfolder.h"

#include "base/wstream.h"
#include "model/docfile.h"
#include "model/extchunks.h"
#include "model/records.h"
#include "model/turnchunk.h"
#include "model/vexlordoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

namespace {

// Each faction's reports of each folder of real reports, in turn order; each world report alone.
std::map<std::string, std::vector<std::string>> RealReportSets() {
    std::map<std::string, std::map<int, std::string>> byTurn;
    for (const auto& folder : fs::directory_iterator(VEXLOR_REPORTS_DIR)) {
        if (!folder.is_directory()) continue;
        for (const auto& file : fs::directory_iterator(folder.path())) {
            const std::string name = file.path().filename().string();
            if (file.path().extension() != ".rep") continue;
            const size_t turn = name.find("-turn");
            const std::string set = folder.path().filename().string() + "/" +
                                    (turn == std::string::npos ? name : name.substr(0, turn));
            const int number = turn == std::string::npos ? 0 : std::stoi(name.substr(turn + 5));
            byTurn[set][number] = file.path().string();
        }
    }
    std::map<std::string, std::vector<std::string>> sets;
    for (const auto& [set, files] : byTurn)
        for (const auto& [turn, path] : files)
            sets[set].push_back(path);
    return sets;
}

Bytes Saved(VexlorDoc& doc) {
    omwstream out;
    EXPECT_EQ(WriteDocFile(out, doc), 0);
    return out.Bytes();
}

template <class Walk> Bytes Written(Walk walk) {
    omwstream out;
    ByteWriter w(out);
    EXPECT_TRUE(walk(w));
    return out.Bytes();
}

// The turn's location list: the sightings the skim noted against those of the objects the
// reader made, and the length each walked.
void ExpectSkimAgreesOnLocations(const TurnNode& turn, int& guarded, int& partial) {
    ASSERT_TRUE(turn.IsKept()) << "read into objects at open: a skim refused what the reader reads";
    std::vector<LocationSighting> skimmed;
    turn.ForEachSighting([&](const LocationSighting& s) { skimmed.push_back(s); });
    // The units noted when the turn was kept, before the objects are made.
    std::vector<std::pair<UnitSighting, AtlCoord>> skimmedUnits;
    turn.ForEachUnitSighting([&](const UnitSighting& unit, const AtlCoord& where) {
        skimmedUnits.push_back({unit, where});
    });
    ASSERT_TRUE(turn.IsKept()) << "the units were read from the turn's objects, not its notes";
    std::vector<LocationSighting> made;
    std::vector<std::pair<UnitSighting, AtlCoord>> madeUnits;
    for (const LocationNode& loc : turn.Locations()) {
        for (const UnitNode& unit : loc.units)
            madeUnits.push_back(
                {{static_cast<uint32_t>(made.size()), unit.number, unit.faction.Number()},
                 loc.coord});
        made.push_back(SightingOf(loc));
    }
    EXPECT_TRUE(skimmed == made);
    EXPECT_TRUE(skimmedUnits == madeUnits);
    for (const LocationSighting& s : made) {
        guarded += s.guarded;
        partial += s.partial;
    }

    const Bytes bytes =
        Written([&](ByteWriter& w) { return DocRecords::Locations(w, turn.Locations()); });
    std::vector<LocationSighting> again;
    std::vector<uint32_t> ends;
    EXPECT_EQ(SkimLocationList(bytes.data(), bytes.size(), again, ends), bytes.size());
    ASSERT_EQ(ends.size(), made.size());
    EXPECT_EQ(ends.back(), bytes.size());
    ByteReader in(KeptBytes::Copy(bytes.data(), bytes.size()));
    ListT<LocationNode> read;
    EXPECT_TRUE(DocRecords::Locations(in, read));
    EXPECT_EQ(in.Offset(), bytes.size());
}

// Each per-turn part of the extension area: the skim's shape and length against the objects
// the reader makes of the same bytes.
void ExpectSkimAgreesOnParts(const TurnExtras& extras) {
    for (const ExtChunkKind& chunk : ExtChunkKinds()) {
        if (!chunk.perTurn) continue;
        const TurnPartKind& kind = *chunk.perTurn;
        omwstream out;
        kind.write(out, extras);
        const Bytes bytes = out.Bytes();

        ByteSkim skim(bytes.data(), bytes.size());
        EXPECT_TRUE(kind.skim(skim));
        EXPECT_EQ(skim.Offset(), bytes.size());
        EXPECT_TRUE(skim.normal);
        EXPECT_EQ(skim.elements == 0, !kind.has(extras));

        ByteReader in(KeptBytes::Copy(bytes.data(), bytes.size()));
        TurnExtras read;
        EXPECT_TRUE(kind.read(in, read));
        EXPECT_EQ(in.Offset(), bytes.size());
        omwstream back;
        kind.write(back, read);
        EXPECT_TRUE(back.Bytes() == bytes);
    }
}

} // namespace

TEST(RecordWalk, SkimAndReaderAgreeOnEveryRecordOfTheRealDocuments) {
    const auto sets = RealReportSets();
    ASSERT_GE(sets.size(), 16u);
    int guarded = 0, partial = 0, parts = 0;
    for (const auto& [name, paths] : sets) {
        SCOPED_TRACE(name);
        VexlorDoc made;
        ASSERT_EQ(AddReports(made, paths), "");
        const Bytes file = Saved(made);
        VexlorDoc doc;
        ASSERT_EQ(ReadDocFile(KeptBytes::Copy(file.data(), file.size()), doc), DocRead);
        EXPECT_FALSE(doc.Extras().damaged);
        for (const TurnNode& turn : doc.Turns()) {
            SCOPED_TRACE(turn.date.Value());
            ExpectSkimAgreesOnLocations(turn, guarded, partial);
            const TurnExtras* extras = KeptExtras(doc, turn.date);
            ASSERT_TRUE(extras);
            EXPECT_TRUE(*extras == *KeptExtras(made, turn.date));
            ExpectSkimAgreesOnParts(*extras);
            ++parts;
        }
        EXPECT_TRUE(Saved(doc) == file);
    }
    // The marks the skim notes occur in the real games, so a skim that lost one would show.
    EXPECT_GT(guarded, 0);
    EXPECT_GT(partial, 0);
    EXPECT_GT(parts, 100);
}

TEST(RecordWalk, AnOpenedFileKeepsItsTurnsAsBytesUntilOneIsShown) {
    VexlorDoc made;
    ASSERT_EQ(
        AddReports(made, ReportSeries(std::string(VEXLOR_REPORTS_DIR) + "/head-standard", 3, 8)),
        "");
    TempFolder folder("recordwalk");
    const std::string path = (folder.path / "game.atl").string();
    ASSERT_EQ(SaveDocFile(made, path.c_str()), DocSaved);

    VexlorDoc doc;
    ASSERT_EQ(OpenDocFile(doc, path.c_str()), DocRead);
    auto kept = [&] {
        long n = 0;
        for (const TurnNode& turn : doc.Turns())
            n += turn.IsKept();
        return n;
    };
    const long turns = doc.Turns().LongCountNodes();
    ASSERT_EQ(turns, 8);
    EXPECT_EQ(kept(), turns);
    // The map's index of sightings is built from the notes, not from objects.
    doc.Sightings();
    EXPECT_EQ(kept(), turns);
    // Showing a turn makes its objects, and only its.
    EXPECT_GT(doc.LastTurn()->Locations().LongCountNodes(), 0);
    EXPECT_FALSE(doc.LastTurn()->IsKept());
    EXPECT_EQ(kept(), turns - 1);
    // Describing a hex reads the extras of its turn, and only its.
    ASSERT_TRUE(KeptExtras(doc, doc.FirstTurn()->date));
    EXPECT_FALSE(doc.FirstTurn()->IsKept());
    EXPECT_EQ(kept(), turns - 2);
}

// A map damaged in place (two bytes changed anywhere) opens whole or as damaged, and the map
// of every turn names real locations. Should a kept list ever read shorter when it is shown
// than when it was skimmed, the map leaves out what is missing and the index is rebuilt from
// what was read, instead of handing on no location.
TEST(RecordWalk, AMapDamagedInPlaceNeverShowsAMissingLocation) {
    VexlorDoc made;
    ASSERT_EQ(
        AddReports(made, ReportSeries(std::string(VEXLOR_REPORTS_DIR) + "/head-standard", 3, 4)),
        "");
    const Bytes file = Saved(made);
    auto expectEveryMapWhole = [](const VexlorDoc& doc) {
        for (const TurnNode& turn : doc.Turns())
            doc.Sightings().ForEachAt(turn.date, [&](const SightingIndex::Shown& shown) {
                ASSERT_NE(shown.loc, nullptr);
                EXPECT_EQ(shown.loc->coord, shown.coord);
            });
    };
    int damaged = 0;
    for (size_t at = 21; at + 2 <= file.size(); at += file.size() / 97) {
        Bytes changed = file;
        changed[at] ^= 0xFF;
        changed[at + 1] ^= 0xFF;
        VexlorDoc doc;
        const DocReadResult result =
            ReadDocFile(KeptBytes::Copy(changed.data(), changed.size()), doc);
        ASSERT_TRUE(result == DocRead || result == DocReadFailed) << at;
        damaged += result == DocReadFailed || doc.Extras().damaged;
        expectEveryMapWhole(doc);
    }
    EXPECT_GT(damaged, 0);

    // The count of the first turn's list, made 1 behind the reader's back.
    const Bytes list = Written(
        [&](ByteWriter& w) { return DocRecords::Locations(w, made.FirstTurn()->Locations()); });
    auto held = std::make_shared<Bytes>(file);
    const auto at = std::search(held->begin(), held->end(), list.begin(), list.end());
    ASSERT_NE(at, held->end());
    VexlorDoc doc;
    ASSERT_EQ(ReadDocFile(KeptBytes{held, held->data(), held->size()}, doc), DocRead);
    const long skimmed = [&] {
        long n = 0;
        doc.FirstTurn()->ForEachSighting([&](const LocationSighting&) { ++n; });
        return n;
    }();
    ASSERT_GT(skimmed, 1);
    doc.Sightings();
    at[0] = 1;
    at[1] = 0;
    int shown = 0;
    doc.Sightings().ForEachAt(doc.FirstTurn()->date, [&](const SightingIndex::Shown& s) {
        ASSERT_NE(s.loc, nullptr);
        ++shown;
    });
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(doc.FirstTurn()->Locations().LongCountNodes(), 1);
    expectEveryMapWhole(doc);
}
