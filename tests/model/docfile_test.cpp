#include "sample_doc.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/tempfolder.h"

#include "base/wstream.h"
#include "model/docfile.h"
#include "model/records.h"
#include "model/vexlordoc.h"
#include "tests/support/failingchannel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

namespace {

const Bytes kSignature = {'A', 't', 'l', 'a', 'n', 't', 'i',  's', ' ',
                          'V', 'e', 'x', 'l', 'o', 'r', 0x1A, 0x00};

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

Bytes Written(VexlorDoc& doc) {
    omwstream out;
    EXPECT_EQ(WriteDocFile(out, doc), 0);
    return out.Bytes();
}

template <class W> bool Walk(W& w, const LocationNode& r) {
    return DocRecords::Location(w, r);
}
template <class W> bool Walk(W& w, const UnitNode& r) {
    return DocRecords::Unit(w, r);
}
template <class W> bool Walk(W& w, const BuildingNode& r) {
    return DocRecords::Building(w, r);
}
template <class W> bool Walk(W& w, const ItemPriceNode& r) {
    return DocRecords::PricedItem(w, r);
}
template <class W> bool Walk(W& w, const TurnNode& r) {
    return DocRecords::Turn(w, r);
}

template <class Record> Bytes RecordBytes(const Record& record) {
    omwstream out;
    ByteWriter w(out);
    EXPECT_TRUE(Walk(w, record));
    return out.Bytes();
}

// Reads as an opened file is read: in place, each turn keeping its locations as the file's
// bytes. Whatever the bytes, the turns written from those bytes and from the objects made of
// them must be the same.
DocReadResult ReadBytes(const Bytes& bytes, VexlorDoc& doc) {
    DocReadResult result = ReadDocFile(KeptBytes::Copy(bytes.data(), bytes.size()), doc);
    const Bytes kept = Written(doc);
    for (const TurnNode& turn : doc.Turns())
        turn.Locations();
    EXPECT_EQ(Written(doc), kept);
    return result;
}

Bytes FileBytes(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& path, const Bytes& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

struct TempDir : TempFolder {
    TempDir() : TempFolder("docfile") {}
};

void ExpectSameItems(const ListT<ItemNode>& a, const ListT<ItemNode>& b) {
    ASSERT_EQ(a.LongCountNodes(), b.LongCountNodes());
    for (const ItemNode *x = a.GetFirst(), *y = b.GetFirst(); x;
         x = static_cast<const ItemNode*>(x->GetNext()),
                        y = static_cast<const ItemNode*>(y->GetNext())) {
        EXPECT_EQ(x->count, y->count);
        EXPECT_EQ(x->name, y->name);
        EXPECT_EQ(x->abbr, y->abbr);
    }
}

void ExpectSamePricedItems(const ListT<ItemPriceNode>& a, const ListT<ItemPriceNode>& b) {
    ASSERT_EQ(a.LongCountNodes(), b.LongCountNodes());
    for (const ItemPriceNode *x = a.GetFirst(), *y = b.GetFirst(); x;
         x = static_cast<const ItemPriceNode*>(x->GetNext()),
                             y = static_cast<const ItemPriceNode*>(y->GetNext())) {
        EXPECT_EQ(x->count, y->count);
        EXPECT_EQ(x->name, y->name);
        EXPECT_EQ(x->abbr, y->abbr);
        EXPECT_EQ(x->price, y->price);
    }
}

void ExpectSameLocation(const LocationNode& a, const LocationNode& b) {
    EXPECT_EQ(a.terrain, b.terrain);
    EXPECT_EQ(a.coord, b.coord);
    EXPECT_EQ(a.regionName, b.regionName);
    EXPECT_EQ(a.townName, b.townName);
    EXPECT_EQ(a.townType, b.townType);
    EXPECT_EQ(a.peasants, b.peasants);
    EXPECT_EQ(a.peasantRace, b.peasantRace);
    EXPECT_EQ(a.silver, b.silver);
    EXPECT_EQ(a.wages, b.wages);
    EXPECT_EQ(a.maxWages, b.maxWages);
    EXPECT_EQ(a.entertainment, b.entertainment);
    ExpectSamePricedItems(a.wanted, b.wanted);
    ExpectSamePricedItems(a.forSale, b.forSale);
    ExpectSameItems(a.products, b.products);
    ASSERT_EQ(a.units.LongCountNodes(), b.units.LongCountNodes());
    for (const UnitNode *x = a.units.GetFirst(), *y = b.units.GetFirst(); x;
         x = static_cast<const UnitNode*>(x->GetNext()),
                        y = static_cast<const UnitNode*>(y->GetNext())) {
        ExpectSameItems(x->items, y->items);
        EXPECT_EQ(x->faction, y->faction);
        EXPECT_EQ(x->name, y->name);
        EXPECT_EQ(x->number, y->number);
        EXPECT_EQ(x->building, y->building);
        EXPECT_EQ(x->flags, y->flags);
    }
    ASSERT_EQ(a.buildings.LongCountNodes(), b.buildings.LongCountNodes());
    for (const BuildingNode *x = a.buildings.GetFirst(), *y = b.buildings.GetFirst(); x;
         x = static_cast<const BuildingNode*>(x->GetNext()),
                            y = static_cast<const BuildingNode*>(y->GetNext())) {
        EXPECT_EQ(x->name, y->name);
        EXPECT_EQ(x->number, y->number);
        EXPECT_EQ(x->text, y->text);
    }
    EXPECT_EQ(a.flags, b.flags);
}

void ExpectSameTurn(const TurnNode& a, const TurnNode& b) {
    EXPECT_EQ(a.date, b.date);
    EXPECT_EQ(a.text, b.text);
    ASSERT_EQ(a.Locations().LongCountNodes(), b.Locations().LongCountNodes());
    for (const LocationNode *x = a.Locations().GetFirst(), *y = b.Locations().GetFirst(); x;
         x = x->Next(), y = y->Next()) {
        ExpectSameLocation(*x, *y);
        EXPECT_EQ(b.FindLoc(y->coord), y); // the index of the read turn finds it
    }
    ASSERT_EQ(a.factions.LongCountNodes(), b.factions.LongCountNodes());
    for (const StrAssocNode *x = a.factions.GetFirst(), *y = b.factions.GetFirst(); x;
         x = x->Next(), y = y->Next()) {
        EXPECT_EQ(x->key, y->key);
        EXPECT_EQ(x->name, y->name);
    }
}

// b holds the first turns of a, each complete.
void ExpectLeadingTurns(const VexlorDoc& a, const VexlorDoc& b, long turns) {
    ASSERT_EQ(b.Turns().LongCountNodes(), turns);
    for (const TurnNode *x = a.FirstTurn(), *y = b.FirstTurn(); y; x = x->Next(), y = y->Next())
        ExpectSameTurn(*x, *y);
}

void ExpectSameDoc(const VexlorDoc& a, const VexlorDoc& b) {
    EXPECT_EQ(a.GetFaction(), b.GetFaction());
    ExpectLeadingTurns(a, b, a.Turns().LongCountNodes());
}

} // namespace

TEST(DocFile, EmptyDocumentIs27Bytes) {
    VexlorDoc doc;
    EXPECT_EQ(Written(doc), Concat({kSignature, {1, 0, 0, 0}, {0, 0, 0, 0}, {0, 0}}));
}

TEST(DocFile, OneEmptyTurnIs37Bytes) {
    VexlorDoc doc;
    doc.SetFaction(17);
    doc.RegisterTurn(AtlDate(39));
    EXPECT_EQ(
        Written(doc),
        Concat(
            {kSignature, {1, 0, 0, 0}, {17, 0, 0, 0}, {1, 0}, {0x27, 0, 0, 0, 0, 0, 0, 0, 0, 0}}));
}

TEST(DocFile, RecordLayouts) {
    LocationNode empty;
    Bytes none = {0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(RecordBytes(empty), Concat({{0, 0, 0},          // terrain type, name
                                          {0, 0, 0, 0, 0},    // x, y, plain
                                          {0, 0, 0, 0, 0, 0}, // region, town, town type
                                          none,               // peasants
                                          {0, 0},             // race
                                          none,
                                          none,
                                          none,
                                          none,
                                          {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, // five lists
                                          {0, 0, 0, 0}}));
    EXPECT_EQ(RecordBytes(empty).size(), 50u);

    LocationNode loc;
    loc.terrain = TerrainType("lava");
    loc.coord = AtlCoord(-2, 258, 1);
    loc.flags = LocationNode::LocPartial;
    Bytes bytes = RecordBytes(loc);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 12),
              Bytes({0, 4, 0, 'l', 'a', 'v', 'a', 0xFE, 0xFF, 0x02, 0x01, 1}));
    EXPECT_EQ(Bytes(bytes.end() - 4, bytes.end()), Bytes({1, 0, 0, 0}));

    UnitNode unit;
    unit.building = 2;
    unit.flags = UnitNode::OnGuard | UnitNode::Holding;
    unit.number = 359;
    unit.faction = 3;
    unit.name = "Seer";
    unit.items.Add(new ItemNode(-1, "leader", "LEAD"));
    EXPECT_EQ(RecordBytes(unit), Concat({{1,   0,   0xFF, 0xFF, 0xFF, 0xFF, 6,   0,   'l', 'e',
                                          'a', 'd', 'e',  'r',  4,    0,    'L', 'E', 'A', 'D'},
                                         {3, 0, 0, 0},
                                         {4, 0, 'S', 'e', 'e', 'r'},
                                         {0x67, 1, 0, 0},
                                         {5, 0, 0, 0},
                                         {2, 0}}));

    BuildingNode ship;
    ship.name = "Ship";
    ship.number = 0x1234;
    ship.text = "Longship";
    EXPECT_EQ(RecordBytes(ship), Concat({{4, 0, 'S', 'h', 'i', 'p'},
                                         {0x34, 0x12},
                                         {8, 0, 'L', 'o', 'n', 'g', 's', 'h', 'i', 'p'}}));

    StrAssocList factions;
    factions.Register(3, "Red");
    omwstream out;
    ByteWriter w(out);
    EXPECT_TRUE(w.Many<uint16_t>(factions, [&](auto& f) { return DocRecords::FactionName(w, f); }));
    EXPECT_EQ(out.Bytes(), Bytes({1, 0, 3, 0, 0, 0, 3, 0, 'R', 'e', 'd'}));

    ItemPriceNode priced(-1, "iron", "IRON", 75);
    EXPECT_EQ(RecordBytes(priced), Concat({{0xFF, 0xFF, 0xFF, 0xFF},
                                           {4, 0, 'i', 'r', 'o', 'n'},
                                           {4, 0, 'I', 'R', 'O', 'N'},
                                           {75, 0, 0, 0}}));
}

TEST(DocFile, WriteThenReadGivesEqualContentsAndOrder) {
    VexlorDoc doc;
    FillSampleDoc(doc);
    doc.SetModified(true);
    Bytes bytes = Written(doc);
    EXPECT_FALSE(doc.IsModified());

    VexlorDoc back;
    ASSERT_EQ(ReadBytes(bytes, back), DocRead);
    ExpectSameDoc(doc, back);
    EXPECT_EQ(Written(back), bytes);
}

TEST(DocFile, SaveThenOpenThroughFiles) {
    TempDir dir;
    fs::path path = dir.path / "red wolves.atl";
    VexlorDoc doc;
    FillSampleDoc(doc);
    doc.SetModified(true);
    ASSERT_EQ(SaveDocFile(doc, path.c_str()), DocSaved);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetFileName(), path.c_str());
    EXPECT_EQ(FileBytes(path), Written(doc));
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"red wolves.atl"});

    VexlorDoc back;
    back.SetModified(true);
    ASSERT_EQ(OpenDocFile(back, path.c_str()), DocRead);
    ExpectSameDoc(doc, back);
    EXPECT_EQ(back.GetFileName(), path.c_str());
    EXPECT_FALSE(back.IsModified());

    // Saving again replaces the old contents and keeps the file's permissions.
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    VexlorDoc empty;
    ASSERT_EQ(SaveDocFile(empty, path.c_str()), DocSaved);
    EXPECT_EQ(FileBytes(path).size(), 27u);
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(DocFile, SaveThroughALinkReplacesTheFileItNames) {
    TempDir dir;
    fs::create_directory(dir.path / "maps");
    fs::path file = dir.path / "maps" / "game.atl";
    fs::path link = dir.path / "current.atl";
    WriteFile(file, {'o', 'l', 'd'});
    fs::create_symlink(file, link);
    VexlorDoc doc;
    FillSampleDoc(doc);
    ASSERT_EQ(SaveDocFile(doc, link.c_str()), DocSaved);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(FileBytes(file), Written(doc));
    EXPECT_EQ(doc.GetFileName(), link.c_str());
}

TEST(DocFile, WrongSignatureReadsNothing) {
    VexlorDoc sample;
    FillSampleDoc(sample);
    const Bytes good = Written(sample);
    for (size_t at : {size_t(0), size_t(9), size_t(14), size_t(15), size_t(16)}) {
        for (unsigned char change : {0x20, 0x01}) {
            Bytes bad = good;
            bad[at] ^= change; // 0x20 flips the case of a letter
            VexlorDoc doc;
            EXPECT_EQ(ReadBytes(bad, doc), DocNotADocument) << "byte " << at;
            EXPECT_TRUE(doc.Turns().IsEmpty());
            EXPECT_EQ(doc.GetFaction().Number(), 0);
        }
    }
    // A shorter text that ends early with its zero.
    Bytes early = good;
    early[15] = 0;
    VexlorDoc doc;
    EXPECT_EQ(ReadBytes(early, doc), DocNotADocument);
    // Too short to hold the signature and not agreeing with it either.
    EXPECT_EQ(ReadBytes({'A', 't', 'l', 'x'}, doc), DocNotADocument);
}

TEST(DocFile, OtherVersionsReadNothing) {
    VexlorDoc sample;
    FillSampleDoc(sample);
    for (uint32_t version : {0u, 2u, 0x01000000u, 0xFFFFFFFFu}) {
        Bytes bytes = Written(sample);
        for (int i = 0; i < 4; ++i)
            bytes[17 + i] = static_cast<unsigned char>(version >> (8 * i));
        VexlorDoc doc;
        EXPECT_EQ(ReadBytes(bytes, doc), DocWrongVersion) << version;
        EXPECT_TRUE(doc.Turns().IsEmpty());
        EXPECT_EQ(doc.GetFaction().Number(), 0);
    }
}

TEST(DocFile, TruncatedFileKeepsTheTurnsReadCompletely) {
    VexlorDoc sample;
    FillSampleDoc(sample);
    // An earlier turn with nothing in it makes three: the empty, the full and the one with a
    // faction name only.
    sample.RegisterTurn(AtlDate(1));
    const Bytes bytes = Written(sample);
    // Where each turn record ends: signature, version, faction, turn count, then the turns.
    std::vector<size_t> turnEnds;
    size_t end = 17 + 4 + 4 + 2;
    for (const TurnNode& t : sample.Turns())
        turnEnds.push_back(end += RecordBytes(t).size());
    ASSERT_EQ(turnEnds.back(), bytes.size());

    for (size_t length = 0; length < bytes.size(); ++length) {
        SCOPED_TRACE("length " + std::to_string(length));
        Bytes part(bytes.begin(), bytes.begin() + static_cast<long>(length));
        VexlorDoc doc;
        // Cut before the end of the version: no document at all.
        ASSERT_EQ(ReadBytes(part, doc), length < 21 ? DocNotADocument : DocReadFailed);
        EXPECT_EQ(doc.GetFaction().Number(), length >= 25 ? 3 : 0);
        long complete = 0;
        while (complete < static_cast<long>(turnEnds.size()) && turnEnds[complete] <= length)
            ++complete;
        ExpectLeadingTurns(sample, doc, complete);
    }
}

TEST(DocFile, CountsClaimingMoreThanTheFileHolds) {
    VexlorDoc doc;
    Bytes manyTurns = Concat({kSignature, {1, 0, 0, 0}, {3, 0, 0, 0}, {0xFF, 0xFF}});
    EXPECT_EQ(ReadBytes(manyTurns, doc), DocReadFailed);
    EXPECT_EQ(doc.GetFaction().Number(), 3);
    EXPECT_TRUE(doc.Turns().IsEmpty());

    // Two complete turns, then a third whose location count claims 65535 but holds one.
    VexlorDoc source;
    source.RegisterTurn(AtlDate(1));
    source.RegisterTurn(AtlDate(2));
    source.RegisterTurn(AtlDate(3))->RegisterLoc(AtlCoord(1, 2));
    Bytes bytes = Written(source);
    size_t locationCount = bytes.size() - 2 - 50 - 2; // factions, location, location count
    ASSERT_EQ(bytes[locationCount], 1);
    bytes[locationCount] = bytes[locationCount + 1] = 0xFF;
    VexlorDoc read;
    EXPECT_EQ(ReadBytes(bytes, read), DocReadFailed);
    ExpectLeadingTurns(source, read, 2);

    // A text length beyond the end of the file.
    Bytes longText = Concat(
        {kSignature, {1, 0, 0, 0}, {3, 0, 0, 0}, {1, 0}, {5, 0, 0, 0}, {0xFE, 0xFF, 'a', 'b'}});
    VexlorDoc text;
    EXPECT_EQ(ReadBytes(longText, text), DocReadFailed);
    EXPECT_TRUE(text.Turns().IsEmpty());
}

// A text of 65535 bytes reads whole but is written one byte shorter, also from a turn that
// would otherwise keep its locations as the file's bytes.
TEST(DocFile, TheLongestTextIsWrittenShorterAsAlways) {
    VexlorDoc source;
    source.RegisterTurn(AtlDate(1))->RegisterLoc(AtlCoord(1, 2))->regionName =
        Str(std::string(0xFFFE, 'a'));
    const Bytes shorter = Written(source);
    Bytes longest = shorter;
    const Bytes length = {0xFE, 0xFF, 'a'};
    auto at = std::search(longest.begin(), longest.end(), length.begin(), length.end());
    ASSERT_NE(at, longest.end());
    *at = 0xFF;
    longest.insert(at + 2, 'a');
    VexlorDoc doc;
    ASSERT_EQ(ReadBytes(longest, doc), DocRead);
    EXPECT_EQ(Written(doc), shorter);
}

TEST(DocFile, FailedWriteReportsFailureAndKeepsTheModifiedFlag) {
    VexlorDoc doc;
    FillSampleDoc(doc);
    const long size = static_cast<long>(Written(doc).size());
    ASSERT_LT(size, 4096);
    // Failing at the start, inside a block, and only in the last partly filled block, which
    // reaches the channel when the stream is flushed.
    for (long limit : {0L, 17L, 512L, size - 1}) {
        for (int buffer : {0, 512, 4096}) {
            SCOPED_TRACE("limit " + std::to_string(limit) + " buffer " + std::to_string(buffer));
            FailingChannel channel(limit);
            obwstream os(channel, buffer);
            doc.SetModified(true);
            EXPECT_EQ(WriteDocFile(os, doc), 1);
            EXPECT_TRUE(doc.IsModified());
        }
    }
    FailingChannel enough(size);
    obwstream os(enough, 4096);
    EXPECT_EQ(WriteDocFile(os, doc), 0);
    EXPECT_FALSE(doc.IsModified());
}

TEST(DocFile, FailedSaveLeavesTheOldFileAndNoTemporary) {
    TempDir dir;
    fs::path path = dir.path / "game.atl";
    VexlorDoc old;
    FillSampleDoc(old);
    ASSERT_EQ(SaveDocFile(old, path.c_str()), DocSaved);
    const Bytes before = FileBytes(path);
    const auto entries = dir.Entries();

    VexlorDoc doc;
    FillSampleDoc(doc);
    doc.RegisterTurn(AtlDate(40))->factions.Register(9, "Newcomers");
    doc.SetFileName("elsewhere.atl");
    auto expectNothingChanged = [&](const char* what) {
        SCOPED_TRACE(what);
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(doc.GetFileName(), "elsewhere.atl");
        EXPECT_EQ(FileBytes(path), before);
        EXPECT_EQ(dir.Entries(), entries);
    };

    // The disk refuses more bytes part of the way through the new file.
    doc.SetModified(true);
    {
        FileSizeLimit limit(before.size() / 2);
        int error = 0;
        EXPECT_EQ(SaveDocFile(doc, path.c_str(), &error), DocSaveWriteFailed);
        EXPECT_EQ(error, EFBIG);
    }
    expectNothingChanged("file size limit");

    // A list longer than its 16-bit count can say: refused as such, not as a failing disk; in
    // the extension area too, whose chunks are made aside before they are written.
    std::vector<ExitRecord>& exits = doc.LastTurn()->extras.Change().Region(AtlCoord(1, 1)).exits;
    exits.resize(0x10000);
    EXPECT_EQ(SaveDocFile(doc, path.c_str()), DocSaveBeyondLimits);
    expectNothingChanged("too many exits");
    exits.clear();
    TurnNode* big = doc.RegisterTurn(AtlDate(41));
    for (int i = 0; i <= 0xFFFF; ++i)
        big->RegisterLoc(AtlCoord(i % 256, i / 256));
    EXPECT_EQ(SaveDocFile(doc, path.c_str()), DocSaveBeyondLimits);
    expectNothingChanged("too many locations");
}

// The system's reason reaches the caller from the descriptor that failed, and a file-size
// limit fails the write rather than ending the program with SIGXFSZ.
TEST(DocFile, ASaveFailureKeepsTheSystemsReason) {
    VexlorDoc doc;
    FillSampleDoc(doc);
    {
        fwstreambuf full(::open("/dev/full", O_WRONLY | O_CLOEXEC));
        ASSERT_TRUE(full.IsValid());
        obwstream os(full, 512);
        EXPECT_EQ(WriteDocFile(os, doc), 1);
        EXPECT_EQ(full.Error(), ENOSPC);
    }

    TempDir dir;
    const fs::path path = dir.path / "game.atl";
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL); // as a program starts
        rlimit lower{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &lower);
        int error = 0;
        DocSaveResult saved = SaveDocFile(doc, path.c_str(), &error);
        ::_exit(saved == DocSaveWriteFailed && error == EFBIG ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(dir.Entries(), std::set<std::string>{});
}

TEST(DocFile, SaveToAPlaceThatCannotTakeAFile) {
    TempDir dir;
    VexlorDoc doc;
    FillSampleDoc(doc);
    doc.SetModified(true);
    fs::path missing = dir.path / "no such folder" / "game.atl";
    EXPECT_EQ(SaveDocFile(doc, missing.c_str()), DocSaveCannotOpen);
    fs::path folder = dir.path / "game.atl";
    fs::create_directory(folder);
    EXPECT_EQ(SaveDocFile(doc, folder.c_str()), DocSaveCannotOpen);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_EQ(SaveDocFile(doc, ""), DocSaveCannotOpen);
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"game.atl"});
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.GetFileName().IsEmpty());
}

TEST(DocFile, OpenClearsAndNamesOnlyDocumentsOfThisVersion) {
    TempDir dir;
    VexlorDoc doc;
    FillSampleDoc(doc);
    doc.SetFileName("before.atl");
    EXPECT_EQ(OpenDocFile(doc, (dir.path / "missing.atl").c_str()), DocCannotOpen);
    EXPECT_TRUE(doc.Turns().IsEmpty());
    EXPECT_TRUE(doc.GetFileName().IsEmpty());

    fs::path newer = dir.path / "newer.atl";
    WriteFile(newer, Concat({kSignature, {2, 0, 0, 0}, {3, 0, 0, 0}, {0, 0}}));
    EXPECT_EQ(OpenDocFile(doc, newer.c_str()), DocWrongVersion);
    EXPECT_TRUE(doc.GetFileName().IsEmpty());
    EXPECT_EQ(OpenDocFile(doc, dir.path.c_str()), DocNotAFile); // a folder

    fs::path cut = dir.path / "cut.atl";
    WriteFile(cut, Concat({kSignature, {1, 0, 0, 0}, {3, 0, 0, 0}, {1, 0}}));
    EXPECT_EQ(OpenDocFile(doc, cut.c_str()), DocReadFailed);
    EXPECT_EQ(doc.GetFaction().Number(), 3);
    EXPECT_EQ(doc.GetFileName(), cut.c_str());
}

// Careless use: a read-only document, two programs on one document, files that are no file.
TEST(DocFile, ReadOnlyDocumentIsNotReplaced) {
    TempDir dir;
    fs::path path = dir.path / "game.atl";
    VexlorDoc doc;
    FillSampleDoc(doc);
    ASSERT_EQ(SaveDocFile(doc, path.c_str()), DocSaved);
    const Bytes before = FileBytes(path);
    ::chmod(path.c_str(), 0444);
    doc.RegisterTurn(AtlDate(40));
    doc.SetModified(true);
    EXPECT_EQ(SaveDocFile(doc, path.c_str()), DocSaveReadOnly);
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"game.atl"});
}

TEST(DocFile, TwoWritersNeverLoseATurn) {
    TempDir dir;
    fs::path path = dir.path / "game.atl";
    {
        VexlorDoc doc;
        FillSampleDoc(doc);
        ASSERT_EQ(SaveDocFile(doc, path.c_str()), DocSaved);
    }
    VexlorDoc first, second;
    ASSERT_EQ(OpenDocFile(first, path.c_str()), DocRead);
    ASSERT_EQ(OpenDocFile(second, path.c_str()), DocRead);
    second.RegisterTurn(AtlDate(50));
    ASSERT_EQ(SaveDocFile(second, path.c_str()), DocSaved);
    const Bytes theirs = FileBytes(path);
    first.RegisterTurn(AtlDate(51));
    first.SetModified(true);
    EXPECT_EQ(SaveDocFile(first, path.c_str()), DocSaveChanged);
    EXPECT_EQ(FileBytes(path), theirs);
    EXPECT_TRUE(first.IsModified());
    // Under another name it may go; the second writer goes on saving where it saved.
    EXPECT_EQ(SaveDocFile(first, (dir.path / "mine.atl").c_str()), DocSaved);
    second.RegisterTurn(AtlDate(52));
    EXPECT_EQ(SaveDocFile(second, path.c_str()), DocSaved);
    // A new document must not replace one that another program made meanwhile.
    VexlorDoc fresh;
    fresh.SetFileName((dir.path / "new.atl").c_str());
    fresh.SetDiskState((dir.path / "new.atl").c_str(), FileIdentity());
    WriteFile(dir.path / "new.atl", {'x'});
    EXPECT_EQ(SaveDocFile(fresh, (dir.path / "new.atl").c_str()), DocSaveChanged);
}

TEST(DocFile, OnlyRegularFilesAreReadAndNoneBlocks) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir.path / "pipe.atl").c_str(), 0600), 0);
    VexlorDoc doc;
    EXPECT_EQ(OpenDocFile(doc, (dir.path / "pipe.atl").c_str()), DocNotAFile);
    EXPECT_EQ(OpenDocFile(doc, "/dev/zero"), DocNotAFile);
    EXPECT_TRUE(doc.GetFileName().IsEmpty());
}
