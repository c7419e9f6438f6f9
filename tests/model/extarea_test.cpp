// The extension area after the version-1 document: what today's reader of version 1 sees of
// it (nothing), what survives damage, how the level widths are learned and kept, and per-turn
// chunks read when a turn is asked for.
#include "sample_doc.h"

#include "base/wio.h"
#include "base/wstream.h"
#include "model/docfile.h"
#include "model/extarea.h"
#include "model/recordio.h"
#include "model/turnextras.h"
#include "model/vexlordoc.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using Bytes = std::vector<unsigned char>;

namespace {

Bytes Written(VexlorDoc& doc) {
    omwstream out;
    EXPECT_EQ(WriteDocFile(out, doc), 0);
    return out.Bytes();
}

// The version-1 reader as it has always been: signature, version, the document record, done.
// It never asks whether the file ends there.
bool ReadAsVersion1(const Bytes& bytes, VexlorDoc& doc, size_t* consumed) {
    ByteReader in(KeptBytes::Copy(bytes.data(), bytes.size()));
    uint32_t version = 0;
    if (!in.Skip(kDocSignatureSize) || !in.U32(version) || version != 1 || !doc.Read(in))
        return false;
    *consumed = in.Offset(); // how far it read
    return true;
}

Bytes Chunk(const char* tag, const Bytes& payload) {
    Bytes chunk(tag, tag + 4);
    uint32_t n = static_cast<uint32_t>(payload.size());
    for (int i = 0; i < 4; ++i)
        chunk.push_back(static_cast<unsigned char>(n >> (8 * i)));
    chunk.insert(chunk.end(), payload.begin(), payload.end());
    return chunk;
}

Bytes Area(std::initializer_list<Bytes> chunks) {
    Bytes area = {'V', 'e', 'x', 'l', 'o', 'r', 'X', 0x1A};
    for (const Bytes& c : chunks)
        area.insert(area.end(), c.begin(), c.end());
    return area;
}

const Bytes kEnd = Chunk("END ", {});

DocReadResult ReadBytes(const Bytes& bytes, VexlorDoc& doc) {
    return ReadDocFile(KeptBytes::Copy(bytes.data(), bytes.size()), doc);
}

} // namespace

TEST(ExtArea, Version1ReaderReadsEveryByteItKnowsUnchangedAndStopsBeforeTheArea) {
    VexlorDoc plain;
    FillSampleDoc(plain);
    Bytes version1 = Written(plain);

    VexlorDoc doc;
    FillSampleDoc(doc);
    doc.Extras().levelWidths.Learn(0, 32);
    doc.Extras().levelWidths.Learn(1, 16);
    Bytes withArea = Written(doc);
    ASSERT_GT(withArea.size(), version1.size());
    EXPECT_TRUE(std::equal(version1.begin(), version1.end(), withArea.begin()));
    EXPECT_EQ(Bytes(withArea.begin() + static_cast<long>(version1.size()), withArea.end()),
              Area({Chunk("LVLW", {2, 0, 0, 32, 0, 1, 16, 0}), kEnd}));

    VexlorDoc old;
    size_t consumed = 0;
    ASSERT_TRUE(ReadAsVersion1(withArea, old, &consumed));
    EXPECT_EQ(consumed, version1.size());
    EXPECT_EQ(Written(old), version1); // what it read is the document, nothing of the area

    VexlorDoc back;
    ASSERT_EQ(ReadBytes(withArea, back), DocRead);
    EXPECT_FALSE(back.Extras().damaged);
    EXPECT_EQ(back.Extras().levelWidths.All(), doc.Extras().levelWidths.All());
    EXPECT_EQ(Written(back), withArea);
}

TEST(ExtArea, DocumentWithoutExtrasIsVersion1AndReadsWithoutThem) {
    VexlorDoc doc;
    FillSampleDoc(doc);
    Bytes bytes = Written(doc);
    VexlorDoc back;
    ASSERT_EQ(ReadBytes(bytes, back), DocRead);
    EXPECT_TRUE(back.Extras().levelWidths.IsEmpty());
    EXPECT_FALSE(back.Extras().damaged);
    EXPECT_EQ(Written(back), bytes);
}

TEST(ExtArea, UnknownChunksAreSkippedAndWrittenBack) {
    VexlorDoc doc;
    doc.SetFaction(3);
    Bytes version1 = Written(doc);
    Bytes file = version1;
    Bytes area = Area({Chunk("FUTR", {1, 2, 3}), Chunk("LVLW", {1, 0, 4, 8, 0, 9, 9}), kEnd});
    file.insert(file.end(), area.begin(), area.end());

    VexlorDoc back;
    ASSERT_EQ(ReadBytes(file, back), DocRead);
    EXPECT_FALSE(back.Extras().damaged);
    // Bytes after the fields a chunk reader knows are a later program's.
    EXPECT_EQ(back.Extras().levelWidths.Width(4), 8);
    Bytes again = Written(back);
    Bytes expected = version1;
    Bytes rewritten = Area({Chunk("LVLW", {1, 0, 4, 8, 0}), Chunk("FUTR", {1, 2, 3}), kEnd});
    expected.insert(expected.end(), rewritten.begin(), rewritten.end());
    EXPECT_EQ(again, expected);
}

TEST(ExtArea, DamageNeverLosesTheVersion1Part) {
    VexlorDoc doc;
    FillSampleDoc(doc);
    Bytes version1 = Written(doc);
    Bytes area = Area({Chunk("LVLW", {1, 0, 0, 32, 0}), Chunk("LVLW", {1, 0, 1, 16, 0}), kEnd});
    size_t firstChunkEnd = 8 + 13;

    // Cut anywhere inside the area.
    for (size_t cut = 1; cut < area.size(); ++cut) {
        Bytes file = version1;
        file.insert(file.end(), area.begin(), area.begin() + static_cast<long>(cut));
        VexlorDoc back;
        ASSERT_EQ(ReadBytes(file, back), DocRead) << cut;
        EXPECT_TRUE(back.Extras().damaged) << cut;
        EXPECT_EQ(back.Extras().levelWidths.Width(0), cut >= firstChunkEnd ? 32 : 0) << cut;
        back.Extras() = DocExtras();
        EXPECT_EQ(Written(back), version1) << cut;
    }

    // Bytes that are no area; a chunk that claims more than the file holds; a chunk whose
    // contents its reader refuses (an odd width), which is left out while the next is read.
    Bytes huge = Chunk("LVLW", {});
    huge[7] = 0x7F;
    for (const Bytes& tail :
         {Bytes{'j', 'u', 'n', 'k'}, Area({huge}),
          Area({Chunk("LVLW", {1, 0, 0, 31, 0}), Chunk("LVLW", {1, 0, 1, 16, 0}), kEnd})}) {
        Bytes file = version1;
        file.insert(file.end(), tail.begin(), tail.end());
        VexlorDoc back;
        ASSERT_EQ(ReadBytes(file, back), DocRead);
        EXPECT_TRUE(back.Extras().damaged);
        EXPECT_EQ(back.Extras().levelWidths.Width(0), 0);
        EXPECT_EQ(back.Turns().LongCountNodes(), doc.Turns().LongCountNodes());
    }
}

// What a damaged area could not read goes into every later save as it was read, and every
// opening says so again: a refused chunk under its tag, bytes that form no chunk wrapped in a
// chunk of their own. What reads stays read.
TEST(ExtArea, DamageIsKeptAsItWasThroughEverySave) {
    VexlorDoc doc;
    FillSampleDoc(doc);
    const Bytes version1 = Written(doc);
    const Bytes good = Chunk("LVLW", {1, 0, 1, 16, 0});
    const Bytes refused = Chunk("LVLW", {1, 0, 0, 31, 0}); // an odd width
    const Bytes cut = Bytes(refused.begin(), refused.end() - 2);
    Bytes huge = Chunk("RGNX", {1, 2, 3});
    huge[7] = 0x7F;
    const Bytes junk = {'j', 'u', 'n', 'k'};
    const Bytes magic = Area({});
    auto join = [](std::initializer_list<Bytes> parts) {
        Bytes all;
        for (const Bytes& p : parts)
            all.insert(all.end(), p.begin(), p.end());
        return all;
    };
    auto damaged = [&](const Bytes& bytes) { return Chunk("DMGD", bytes); };
    struct Case {
        Bytes area;      // as the file holds it
        Bytes rewritten; // as a save writes it
    };
    const Case cases[] = {
        {Area({good, refused, kEnd}), Area({good, refused, kEnd})},
        {junk, Area({good, damaged(junk), kEnd})},
        {join({magic, good, cut}), Area({good, damaged(cut), kEnd})},
        {join({magic, good, huge}), Area({good, damaged(huge), kEnd})},
        {join({magic, good, {'E', 'N'}}), Area({good, damaged({'E', 'N'}), kEnd})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.area.begin(), c.area.end()));
        Bytes file = join({version1, c.area});
        VexlorDoc back;
        ASSERT_EQ(ReadBytes(file, back), DocRead);
        EXPECT_TRUE(back.Extras().damaged);
        // The junk case has no good chunk of its own: the width comes with the rewrite.
        back.Extras().levelWidths.Learn(1, 16);
        const Bytes saved = Written(back);
        EXPECT_EQ(saved, join({version1, c.rewritten}));
        VexlorDoc again;
        ASSERT_EQ(ReadBytes(saved, again), DocRead);
        EXPECT_TRUE(again.Extras().damaged);
        EXPECT_EQ(again.Extras().levelWidths.Width(1), 16);
        EXPECT_EQ(Written(again), saved);
    }
}

// Per-turn chunks the writer never makes: a turn twice in a chunk, regions out of order, a
// date without a turn, an empty part after a full one. Kept as bytes until asked for, they
// read as reading every turn at once reads them, and are written alike.
TEST(ExtArea, PerTurnPartsOutOfTheWrittenFormReadAsIfReadAtOnce) {
    VexlorDoc doc;
    FillSampleDoc(doc);
    const AtlDate may(4, 1), june(5, 1), absent(9, 9);
    auto payload = [](auto write) {
        omwstream os;
        write(os);
        return os.Bytes();
    };
    // A part of gated regions without exits: count, then coordinate, gate, count of gates,
    // weather, exits.
    auto regions = [](owstream& os, AtlDate date,
                      std::initializer_list<std::pair<int, int>> gates) {
        WriteI32(os, date.Value());
        WriteU32(os, static_cast<uint32_t>(gates.size()));
        for (auto [x, gate] : gates) {
            WriteI16(os, static_cast<int16_t>(x));
            WriteI16(os, static_cast<int16_t>(x));
            WriteU8(os, 0);
            WriteI32(os, gate);
            WriteI32(os, 0);
            Str().write(os);
            WriteU16(os, 0);
        }
    };
    auto events = [](owstream& os, AtlDate date, uint32_t errors) {
        WriteI32(os, date.Value());
        WriteU32(os, errors);
        for (uint32_t i = 0; i < errors; ++i)
            Str("error").write(os);
        WriteU32(os, 0);
        WriteU32(os, 0);
    };
    Bytes file = Written(doc);
    Bytes area = Area({Chunk("RGNX", payload([&](owstream& os) {
                                 WriteU32(os, 4);
                                 regions(os, may, {{2, 1}, {0, 2}});
                                 regions(os, june, {{0, 3}, {6, 7}});
                                 regions(os, absent, {{0, 9}});
                                 regions(os, june, {{0, 4}, {4, 5}});
                             })),
                       Chunk("EVNT", payload([&](owstream& os) {
                                 WriteU32(os, 2);
                                 events(os, june, 2);
                                 events(os, june, 0);
                             })),
                       kEnd});
    file.insert(file.end(), area.begin(), area.end());

    VexlorDoc asked, atOnce;
    ASSERT_EQ(ReadBytes(file, asked), DocRead);
    ASSERT_EQ(ReadBytes(file, atOnce), DocRead);
    atOnce.Extras() = DocExtras();
    for (TurnNode* t = atOnce.FirstTurn(); t; t = t->Next())
        t->extras = {};
    const size_t version1 = Written(atOnce).size();
    ReadExtArea(KeptBytes::Copy(file.data() + version1, file.size() - version1), atOnce,
                ExtReading::AtOnce);

    EXPECT_EQ(Written(asked), Written(atOnce));
    ASSERT_FALSE(KeptExtras(asked, absent));
    for (AtlDate date : {may, june})
        EXPECT_TRUE(*KeptExtras(asked, date) == *KeptExtras(atOnce, date)) << date.Value();
    EXPECT_EQ(KeptExtras(asked, may)->FindRegion(AtlCoord(2, 2))->gate, 1);
    EXPECT_TRUE(KeptExtras(asked, june)->events.IsEmpty());
    EXPECT_EQ(KeptExtras(asked, june)->FindRegion(AtlCoord(0, 0))->gate, 4);
    EXPECT_EQ(KeptExtras(asked, june)->Regions().size(), 3u);
    EXPECT_EQ(Written(asked), Written(atOnce));
}

TEST(LevelWidths, LearnedFromExitsAcrossTheEdgeOnly) {
    LevelWidths widths;
    // (0,10) southwest is (31,11) in a world 32 around; ordinary steps teach nothing.
    EXPECT_FALSE(widths.LearnFromExit({4, 10}, AtlDirection::Southwest, {3, 11}));
    EXPECT_FALSE(widths.LearnFromExit({0, 0, 2}, AtlDirection::North, {5, 7, 0})); // the nexus
    EXPECT_FALSE(widths.LearnFromExit({0, 10}, AtlDirection::North, {0, 6}));      // no such step
    EXPECT_TRUE(widths.LearnFromExit({0, 10}, AtlDirection::Southwest, {31, 11}));
    EXPECT_EQ(widths.Width(0), 32);
    // Eastward from the last column of the underworld.
    EXPECT_TRUE(widths.LearnFromExit({15, 3, 1}, AtlDirection::Northeast, {0, 2, 1}));
    EXPECT_EQ(widths.Width(1), 16);
    // A width once known stays; a width no world can have is refused.
    EXPECT_FALSE(widths.LearnFromExit({0, 10}, AtlDirection::Southwest, {63, 11}));
    EXPECT_EQ(widths.Width(0), 32);
    EXPECT_FALSE(widths.Learn(3, 31));
    EXPECT_FALSE(widths.Learn(3, 0));
    EXPECT_EQ(widths.Width(3), 0);
}
