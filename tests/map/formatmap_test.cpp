#include "base/fileimage.h"
#include "base/wstream.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "model/recordio.h"
#include "model/turnextras.h"
#include "tests/support/docbuild.h"
#include "tests/support/reportdoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>

namespace {

using Bytes = std::vector<unsigned char>;

const AtlDate kTurn1(0, 1), kTurn2(1, 1), kTurn3(2, 1), kTurn4(3, 1);

uint32_t GuardMark(const LocationNode& loc) {
    for (const UnitNode& unit : loc.units)
        if (unit.flags & UnitNode::OnGuard) return AtlHexData::HexGuarded;
    return 0;
}

// The rebuild as the algorithm states it: every usable sighting taken in turn order.
// FormatMap takes each hex once; it must give exactly this map.
void LiteralFormatMap(const VexlorDoc& doc, AtlMap& map, AtlDate date) {
    map.Clear();
    for (const TurnNode& turn : doc.Turns()) {
        if (turn.date > date) continue;
        for (const LocationNode& loc : turn.Locations()) {
            if (AtlHexData* hex = map.GetHex(loc.coord)) {
                if ((hex->seenDate < turn.date || hex->Has(AtlHexData::HexPartial)) &&
                    !loc.IsPartial())
                    *hex = AtlHexData(loc, turn.date, hex->hexFlags | GuardMark(loc));
                if (!loc.IsPartial()) hex->hexFlags &= ~AtlHexData::HexPartial;
            } else {
                uint32_t partial = loc.IsPartial() ? AtlHexData::HexPartial : 0;
                map.SetHex(loc.coord, AtlHexData(loc, turn.date, partial | GuardMark(loc)));
            }
        }
    }
    for (int z : map.Levels())
        map.GetPlain(z)->ForEachHex([&](const AtlCoord& c, const AtlHexData&) {
            MarkUnits(*map.GetHex(c), doc.GetFaction().Number(), date);
        });
}

Bytes RecordsOf(const VexlorDoc& doc) {
    omwstream out;
    doc.write(out);
    out.flush();
    return out.Bytes();
}

// The document read as a file opens: in place, each turn keeping its locations as bytes
// until something asks for them.
void ReadInPlace(const VexlorDoc& from, VexlorDoc& to) {
    Bytes bytes = RecordsOf(from);
    to.Clear();
    ByteReader in(KeptBytes::Copy(bytes.data(), bytes.size()));
    ASSERT_TRUE(to.Read(in));
    // The turns' extras (the map's gates come from them) go along, as a file keeps them.
    for (const TurnNode& turn : from.Turns())
        if (const TurnExtras* extras = turn.extras.Find())
            to.FindTurn(turn.date)->extras.Change() = *extras;
}

template <class T> void ExpectSameItems(const ListT<T>& a, const ListT<T>& b) {
    ASSERT_EQ(a.LongCountNodes(), b.LongCountNodes());
    for (const T *x = a.GetFirst(), *y = b.GetFirst(); x;
         x = ListT<T>::Next(x), y = ListT<T>::Next(y)) {
        EXPECT_EQ(x->count, y->count);
        EXPECT_EQ(x->name, y->name);
    }
}

void ExpectSameHex(const AtlHexData& ha, const AtlHexData& hb) {
    EXPECT_EQ(ha.seenDate, hb.seenDate);
    EXPECT_EQ(ha.hexFlags, hb.hexFlags);
    const LocationNode &a = ha.Location(), &b = hb.Location();
    EXPECT_EQ(a.coord, b.coord);
    EXPECT_EQ(a.terrain, b.terrain);
    EXPECT_EQ(a.regionName, b.regionName);
    EXPECT_EQ(a.townName, b.townName);
    EXPECT_EQ(a.peasants, b.peasants);
    EXPECT_EQ(a.silver, b.silver);
    EXPECT_EQ(a.wages, b.wages);
    ExpectSameItems(a.products, b.products);
    ASSERT_EQ(a.units.LongCountNodes(), b.units.LongCountNodes());
    for (const UnitNode *x = a.units.GetFirst(), *y = b.units.GetFirst(); x;
         x = ListT<UnitNode>::Next(x), y = ListT<UnitNode>::Next(y)) {
        EXPECT_EQ(x->number, y->number);
        EXPECT_EQ(x->flags, y->flags);
        ExpectSameItems(x->items, y->items);
    }
}

void ExpectSameMap(const AtlMap& a, const AtlMap& b) {
    ASSERT_EQ(a.ShownLevels(), b.ShownLevels());
    for (int z : a.ShownLevels()) {
        const AtlPlain &pa = *a.GetPlain(z), &pb = *b.GetPlain(z);
        EXPECT_EQ(pa.XExtent(), pb.XExtent());
        EXPECT_EQ(pa.YExtent(), pb.YExtent());
        ASSERT_EQ(pa.HexCount(), pb.HexCount());
        pa.ForEachHex([&](const AtlCoord& c, const AtlHexData& ha) {
            const AtlHexData* hb = pb.GetHex(c);
            ASSERT_NE(hb, nullptr) << c.GetString().Get();
            ExpectSameHex(ha, *hb);
        });
    }
}

} // namespace

TEST(FormatMap, AnEmptyDocumentGivesEmptyPlains) {
    VexlorDoc doc;
    AtlMap map;
    FormatMap(doc, map, kTurn1);
    EXPECT_EQ(map.GetHex(AtlCoord(0, 0)), nullptr);
    EXPECT_EQ(map.GetSelCount(), 0);
    EXPECT_EQ(map.GetPlain(0)->XExtent(), 0);
    EXPECT_EQ(map.GetPlain(1), nullptr);
}

TEST(FormatMap, EveryLevelWithTheWidthTheDocumentLearned) {
    VexlorDoc doc;
    doc.Extras().levelWidths.Learn(1, 16);
    for (int z : {0, 1, 2, 3, 7, 12})
        AddLoc(doc, kTurn1, AtlCoord(30000, 4, z), TerrainType::Cavern, "Deep");
    AtlMap map;
    FormatMap(doc, map, kTurn1);
    EXPECT_EQ(map.ShownLevels(), (std::vector<int>{2, 0, 1, 3, 7, 12}));
    EXPECT_NE(map.GetHex(AtlCoord(30000, 4, 12)), nullptr);
    EXPECT_EQ(map.GetPlain(3)->LearnedWidth(), 0);
    EXPECT_EQ(map.GetPlain(1)->LearnedWidth(), 16);
    EXPECT_EQ(map.GetPlain(0)->YExtent(), 5);
}

TEST(FormatMap, APartialSightingShowsUntilAFullOne) {
    VexlorDoc doc;
    AddPartial(doc, kTurn1, AtlCoord(4, 4), TerrainType::Forest, "Old name");
    AddLoc(doc, kTurn3, AtlCoord(4, 4), TerrainType::Forest, "Cluen").peasants = 500;
    AtlMap map;
    for (AtlDate date : {kTurn1, kTurn2}) {
        FormatMap(doc, map, date);
        const AtlHexData* hex = map.GetHex(AtlCoord(4, 4));
        ASSERT_NE(hex, nullptr);
        EXPECT_TRUE(hex->Has(AtlHexData::HexPartial));
        EXPECT_EQ(hex->Location().regionName, "Old name");
        EXPECT_EQ(hex->seenDate, kTurn1);
        EXPECT_EQ(hex->Location().peasants, -1);
    }
    for (AtlDate date : {kTurn3, kTurn4}) {
        FormatMap(doc, map, date);
        const AtlHexData* hex = map.GetHex(AtlCoord(4, 4));
        EXPECT_FALSE(hex->Has(AtlHexData::HexPartial));
        EXPECT_EQ(hex->Location().regionName, "Cluen");
        EXPECT_EQ(hex->seenDate, kTurn3);
        EXPECT_EQ(hex->Location().peasants, 500);
    }
}

TEST(FormatMap, ALaterPartialSightingNeverHidesAFullOne) {
    VexlorDoc doc;
    LocationNode& full = AddLoc(doc, kTurn2, AtlCoord(6, 2), TerrainType::Mountain, "Marsdel");
    full.products.Add(new ItemNode(33, "iron", "IRON"));
    AddUnit(full, 88, "Captain", 3);
    AddPartial(doc, kTurn4, AtlCoord(6, 2), TerrainType::Mountain, "Marsdel");
    AtlMap map;
    FormatMap(doc, map, kTurn4);
    const AtlHexData* hex = map.GetHex(AtlCoord(6, 2));
    EXPECT_FALSE(hex->Has(AtlHexData::HexPartial));
    EXPECT_EQ(hex->seenDate, kTurn2);
    EXPECT_EQ(hex->Location().products.LongCountNodes(), 1);
    EXPECT_EQ(hex->Location().units.LongCountNodes(), 1);
}

TEST(FormatMap, AGuardStaysMarkedAfterItLeft) {
    VexlorDoc doc;
    AddUnit(AddLoc(doc, kTurn1, AtlCoord(2, 2)), 5, "City Guard", 0, UnitNode::OnGuard);
    AddUnit(AddLoc(doc, kTurn2, AtlCoord(2, 2)), 6, "Traders", 4, UnitNode::Behind);
    AddLoc(doc, kTurn3, AtlCoord(2, 2));
    AtlMap map;
    FormatMap(doc, map, kTurn3);
    const AtlHexData* hex = map.GetHex(AtlCoord(2, 2));
    EXPECT_TRUE(hex->Has(AtlHexData::HexGuarded));
    EXPECT_TRUE(hex->Location().units.IsEmpty());
    // Built for a turn before the guard was seen, nothing marks it.
    AddLoc(doc, AtlDate(0, 0), AtlCoord(2, 2));
    FormatMap(doc, map, AtlDate(0, 0));
    EXPECT_FALSE(map.GetHex(AtlCoord(2, 2))->Has(AtlHexData::HexGuarded));
}

// Only a document file can hold a coordinate twice in one turn: the full sighting still wins
// over the partial one before it.
TEST(FormatMap, AFullSightingReplacesAPartialOneOfTheSameTurn) {
    VexlorDoc written;
    AddPartial(written, kTurn1, AtlCoord(2, 2), TerrainType::Forest, "Partial");
    AddLoc(written, kTurn1, AtlCoord(4, 2), TerrainType::Forest, "Full");
    omwstream out;
    written.write(out);
    std::vector<unsigned char> bytes = out.Bytes();
    const unsigned char second[] = {4, 0, 2, 0, 0}, first[] = {2, 0, 2, 0, 0};
    auto at = std::search(bytes.begin(), bytes.end(), std::begin(second), std::end(second));
    ASSERT_NE(at, bytes.end());
    std::copy(std::begin(first), std::end(first), at);
    VexlorDoc doc;
    ByteReader in(KeptBytes::Copy(bytes.data(), bytes.size()));
    ASSERT_TRUE(doc.Read(in));

    AtlMap map;
    FormatMap(doc, map, kTurn1);
    const AtlHexData* hex = map.GetHex(AtlCoord(2, 2));
    EXPECT_EQ(hex->Location().regionName, "Full");
    EXPECT_FALSE(hex->Has(AtlHexData::HexPartial));
}

// The map copies nothing of a sighting: each hex refers to the location of the turn whose
// sighting it shows, an older turn's where that is the newest full one.
TEST(FormatMap, HexesReferToTheSightingTheyShowAndLoseTheSelection) {
    VexlorDoc doc;
    LocationNode& old = AddLoc(doc, kTurn1, AtlCoord(8, 8));
    AddUnit(old, 7, "Scouts", 3).items.Add(new ItemNode(2, "horses", "HORS"));
    LocationNode& seen = AddLoc(doc, kTurn2, AtlCoord(8, 8));
    AddLoc(doc, kTurn3, AtlCoord(8, 8), TerrainType::Plain, "Far", true);
    AtlMap map;
    map.SelectHex(AtlCoord(8, 8), true);
    FormatMap(doc, map, kTurn1);
    EXPECT_EQ(map.GetSelCount(), 0);
    EXPECT_EQ(&map.GetHex(AtlCoord(8, 8))->Location(), &old);
    FormatMap(doc, map, kTurn3);
    const AtlHexData* hex = map.GetHex(AtlCoord(8, 8));
    EXPECT_EQ(&hex->Location(), &seen);
    EXPECT_EQ(hex->seenDate, kTurn2);
}

// Random documents with partial and full sightings, guards, far positions and other
// levels, rebuilt for every date: the map from the index gives the literal map, also after a
// turn was replaced and another added since the index was built, and for a document read as
// a file opens, whose index comes from turns that have not made their locations yet.
TEST(FormatMap, GivesTheMapOfCopyingEverySightingInTurnOrder) {
    std::mt19937 random(6);
    auto fillTurn = [&](VexlorDoc& doc, AtlDate date) {
        doc.RegisterTurn(date);
        for (int n = static_cast<int>(random() % 25); n > 0; --n) {
            int x = static_cast<int>(random() % 12) - 1, y = static_cast<int>(random() % 8);
            if (random() % 10 == 0) x += 200;
            AtlCoord c(x, y, static_cast<int>(random() % 7 == 0 ? 2 : random() % 2));
            bool partial = random() % 3 == 0;
            LocationNode& loc = AddLoc(doc, date, c, TerrainType::Plain, "R", partial);
            loc.peasants = static_cast<int>(random() % 1000);
            loc.products.Add(new ItemNode(n, "grain", "GRAI"));
            for (int u = static_cast<int>(random() % 3); u > 0; --u)
                AddUnit(loc, static_cast<int>(random() % 500), "U", 3,
                        random() % 4 == 0 ? uint32_t{UnitNode::OnGuard} : 0u)
                    .items.Add(new ItemNode(u, "silver", "SILV"));
        }
    };
    auto randomDate = [&] { return AtlDate(static_cast<int>(random() % 12) + 12); };
    for (int round = 0; round < 12; ++round) {
        VexlorDoc doc;
        for (int t = 1 + static_cast<int>(random() % 6); t > 0; --t)
            fillTurn(doc, randomDate());
        for (int change = 0; change < 3; ++change) {
            if (change == 1) {
                VexlorDoc read;
                ReadInPlace(doc, read);
                doc = std::move(read);
            }
            AtlMap fast, literal;
            for (int date = 11; date <= 24; ++date) {
                FormatMap(doc, fast, AtlDate(date));
                LiteralFormatMap(doc, literal, AtlDate(date));
                ExpectSameMap(fast, literal);
                if (HasFailure()) return;
            }
            TurnNode* replaced = doc.Turns().GetFirst();
            for (long skip = random() % doc.Turns().LongCountNodes(); skip > 0; --skip)
                replaced = ListT<TurnNode>::Next(replaced);
            replaced->Clear();
            fillTurn(doc, replaced->date);
            fillTurn(doc, randomDate());
        }
    }
}

// Read as a player would: the own-units marker stands exactly where the report of the turn
// on show has units of the player's faction, and the other-units marker wherever the
// newest sighting had someone else's.
TEST(FormatMap, MarksOwnUnitsOfTheTurnOnShowOnly) {
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, ReportSeries(VEXLOR_REPORTS_DIR "/head-standard", 3, 8)), "");
    int own = doc.GetFaction().Number();
    for (const TurnNode& turn : doc.Turns()) {
        AtlMap map;
        FormatMap(doc, map, turn.date);
        int marked = 0, others = 0;
        for (int z : map.Levels()) {
            map.GetPlain(z)->ForEachHex([&](const AtlCoord& c, const AtlHexData& known) {
                const AtlHexData* hex = &known;
                const LocationNode* loc = turn.FindLoc(c);
                bool ownHere = false;
                if (loc)
                    for (const UnitNode& unit : loc->units)
                        ownHere = ownHere || unit.faction.Number() == own;
                EXPECT_EQ(hex->Has(AtlHexData::HexOwnUnits), ownHere)
                    << c.GetString().Get() << " in " << turn.date.GetString().Get();
                marked += hex->Has(AtlHexData::HexOwnUnits);
                others += hex->Has(AtlHexData::HexOtherUnits);
            });
        }
        EXPECT_GT(marked, 0) << turn.date.GetString().Get();
        EXPECT_GT(others, 0) << turn.date.GetString().Get();
    }
}

// Real reports read as a file opens give the maps of the document read whole at every date,
// and write back the same bytes, before the maps made some turns' locations and after.
TEST(FormatMap, ADocumentReadInPlaceGivesTheSameMapsAndBytes) {
    VexlorDoc whole;
    ASSERT_EQ(AddReports(whole, ReportSeries(VEXLOR_REPORTS_DIR "/head-standard", 3, 8)), "");
    const Bytes bytes = RecordsOf(whole);
    VexlorDoc kept;
    ReadInPlace(whole, kept);
    EXPECT_EQ(RecordsOf(kept), bytes);
    for (const TurnNode& turn : whole.Turns()) {
        AtlMap fast, made;
        FormatMap(kept, fast, turn.date);
        FormatMap(whole, made, turn.date);
        ExpectSameMap(fast, made);
    }
    EXPECT_EQ(RecordsOf(kept), bytes);
}

// Over a real series: a hex whose sighting is older than the month on show is marked earlier,
// and the player's units are marked there only when asked for their newest known places, and
// then only at the newest sighting of one of them. Faction 3's second report is left out, so
// that February shows nothing but January's sightings.
TEST(FormatMap, EarlierSightingsAndTheNewestKnownPlacesOfOwnUnits) {
    std::vector<std::string> reports = ReportSeries(VEXLOR_REPORTS_DIR "/head-standard", 3, 4);
    reports.erase(reports.begin() + 1);
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, reports), "");
    const int own = doc.GetFaction().Number();
    for (AtlDate date : {kTurn1, kTurn2, kTurn3, kTurn4}) {
        AtlMap thisMonth, newest;
        FormatMap(doc, thisMonth, date);
        FormatMap(doc, newest, date, OwnUnitPlaces::NewestKnown);
        // Each own unit's newest sighting among the hexes on show.
        std::map<int32_t, AtlDate> last;
        for (int z : newest.Levels())
            newest.GetPlain(z)->ForEachHex([&](const AtlCoord&, const AtlHexData& hex) {
                for (const UnitNode& unit : hex.Location().units)
                    if (unit.faction.Number() == own && !(last[unit.number] > hex.seenDate))
                        last[unit.number] = hex.seenDate;
            });
        size_t earlier = 0, earlierOwn = 0, hexes = 0;
        for (int z : newest.Levels())
            newest.GetPlain(z)->ForEachHex([&](const AtlCoord& c, const AtlHexData& hex) {
                ++hexes;
                const AtlHexData& plain = *thisMonth.GetHex(c);
                const std::string where =
                    c.GetString().Get() + std::string(" in ") + date.GetString().Get();
                EXPECT_EQ(hex.Has(AtlHexData::HexEarlier), hex.seenDate < date) << where;
                EXPECT_EQ(plain.hexFlags & ~AtlHexData::HexOwnUnits,
                          hex.hexFlags & ~AtlHexData::HexOwnUnits)
                    << where;
                bool newestHere = false;
                for (const UnitNode& unit : hex.Location().units)
                    newestHere |= unit.faction.Number() == own && last[unit.number] == hex.seenDate;
                if (!hex.Has(AtlHexData::HexEarlier)) {
                    EXPECT_EQ(hex.Has(AtlHexData::HexOwnUnits), newestHere) << where;
                    EXPECT_EQ(plain.Has(AtlHexData::HexOwnUnits), newestHere) << where;
                } else {
                    ++earlier;
                    earlierOwn += hex.Has(AtlHexData::HexOwnUnits);
                    EXPECT_EQ(hex.Has(AtlHexData::HexOwnUnits), newestHere) << where;
                    EXPECT_FALSE(plain.Has(AtlHexData::HexOwnUnits)) << where;
                }
            });
        // January shows only itself; February, without a report, only January's sightings,
        // where the player's units were last seen.
        if (date == kTurn1) {
            EXPECT_EQ(earlier, 0u);
        } else if (date == kTurn2) {
            EXPECT_EQ(earlier, hexes);
            EXPECT_GT(earlierOwn, 0u);
        } else {
            EXPECT_GT(earlier, 0u) << date.GetString().Get();
        }
    }
}
