// One map over the player's and the allies' sightings, on the real reports of a game whose three
// factions saw overlapping hexes: Red Wolves (3) holds Blue Herons (4) and Green Oaks (5) as
// allies.
#include "base/wstream.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "map/mapfind.h"
#include "model/levelsummary.h"
#include "model/recordio.h"
#include "tests/support/docbuild.h"
#include "tests/support/reportdoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kGame = std::string(VEXLOR_REPORTS_DIR) + "/head-standard";
constexpr int kOwn = 3, kHerons = 4, kOaks = 5;

// Faction 3's map with 4 and 5 as allies: the own reports up to ownLast, the allies' all 8.
void MakeAlliance(VexlorDoc& doc, int ownLast = 8) {
    ASSERT_EQ(AddReports(doc, ReportSeries(kGame, kOwn, ownLast)), "");
    ASSERT_EQ(AddAllyReports(doc, kHerons, "Blue Herons", ReportSeries(kGame, kHerons, 8)), "");
    ASSERT_EQ(AddAllyReports(doc, kOaks, "Green Oaks", ReportSeries(kGame, kOaks, 8)), "");
}

// The document whose turns the source's sightings are.
const VexlorDoc& SourceDoc(const VexlorDoc& doc, int source) {
    return source == doc.GetFaction().Number() ? doc : *doc.Extras().allies.Find(source)->doc;
}

// Every source, the player's first.
std::vector<int> Sources(const VexlorDoc& doc) {
    std::vector<int> sources{doc.GetFaction().Number()};
    for (const auto& ally : doc.Extras().allies.All())
        sources.push_back(ally->doc->GetFaction().Number());
    return sources;
}

// The source's full sighting of c in the month of date; null when it has none.
const LocationNode* FullSighting(const VexlorDoc& doc, int source, const AtlCoord& c,
                                 AtlDate date) {
    const TurnNode* turn = SourceDoc(doc, source).FindTurn(date);
    const LocationNode* loc = turn ? turn->FindLoc(c) : nullptr;
    return loc && !loc->IsPartial() ? loc : nullptr;
}

// The newest month not after date in which any source saw c whole; none when only partly.
AtlDate NewestFullSighting(const VexlorDoc& doc, const AtlCoord& c, AtlDate date) {
    AtlDate newest;
    bool any = false;
    for (int source : Sources(doc))
        for (const TurnNode& turn : SourceDoc(doc, source).Turns())
            if (turn.date <= date && FullSighting(doc, source, c, turn.date) &&
                (!any || turn.date > newest))
                newest = turn.date, any = true;
    return any ? newest : AtlDate(-1);
}

// Every hex any source saw, whole or partly, up to date.
std::set<AtlCoord> SeenBy(const VexlorDoc& doc, AtlDate date) {
    std::set<AtlCoord> seen;
    for (int source : Sources(doc))
        for (const TurnNode& turn : SourceDoc(doc, source).Turns())
            if (turn.date <= date)
                for (const LocationNode& loc : turn.Locations())
                    seen.insert(loc.coord);
    return seen;
}

std::set<int32_t> UnitNumbers(const LocationNode& loc) {
    std::set<int32_t> numbers;
    for (const UnitNode& unit : loc.units)
        numbers.insert(unit.number);
    return numbers;
}

// The map's rules for every month the map knows and every hex: it holds exactly the hexes
// some source saw; it shows the newest whole sighting by any source, the player's own where it
// saw the hex in that month, else the first ally's; the same month's other whole sightings
// stand beside it, and their units are added, each unit once and from its owner's report
// where that saw it. The real reports must exercise each rule.
TEST(AllyMerge, TheNewestSightingOfAnySourceWithTheOwnLeadingAndEveryUnitOnce) {
    VexlorDoc doc;
    MakeAlliance(doc);
    int alliesLead = 0, newerThanOwn = 0, sameMonth = 0, fromOwner = 0;
    AtlMap map;
    for (AtlDate date : doc.KnownMonths()) {
        FormatMap(doc, map, date);
        std::set<AtlCoord> onMap;
        for (int z : map.Levels())
            map.GetPlain(z)->ForEachHex([&](const AtlCoord& c, const AtlHexData& hex) {
                const std::string where =
                    std::string(c.GetString().Get()) + " " + date.GetString().Get();
                onMap.insert(c);
                AtlDate newest = NewestFullSighting(doc, c, date);
                if (newest == AtlDate(-1)) {
                    EXPECT_TRUE(hex.Has(AtlHexData::HexPartial)) << where;
                    return;
                }
                ASSERT_FALSE(hex.Has(AtlHexData::HexPartial)) << where;
                ASSERT_EQ(hex.seenDate, newest) << where;
                std::vector<int> saw;
                for (int source : Sources(doc))
                    if (FullSighting(doc, source, c, newest)) saw.push_back(source);
                ASSERT_FALSE(saw.empty()) << where;
                EXPECT_EQ(hex.source, saw.front()) << where;
                EXPECT_EQ(&hex.Location(), FullSighting(doc, saw.front(), c, newest)) << where;
                std::vector<int> beside;
                for (const HexSighting& other : hex.SameMonth())
                    beside.push_back(other.source);
                EXPECT_EQ(beside, std::vector<int>(saw.begin() + 1, saw.end())) << where;

                std::set<int32_t> all;
                for (int source : saw) {
                    std::set<int32_t> numbers = UnitNumbers(*FullSighting(doc, source, c, newest));
                    all.insert(numbers.begin(), numbers.end());
                }
                std::vector<HexUnit> units = HexUnits(hex);
                std::set<int32_t> listed;
                for (const HexUnit& seen : units) {
                    EXPECT_TRUE(listed.insert(seen.unit->number).second)
                        << where << " lists unit " << seen.unit->number << " twice";
                    int owner = seen.unit->faction.Number();
                    bool ownerSaw =
                        std::find(saw.begin(), saw.end(), owner) != saw.end() &&
                        UnitNumbers(*FullSighting(doc, owner, c, newest)).count(seen.unit->number);
                    if (ownerSaw) {
                        EXPECT_EQ(seen.source, owner) << where << " unit " << seen.unit->number;
                        fromOwner += saw.front() != owner;
                    }
                }
                EXPECT_EQ(listed, all) << where;

                alliesLead += hex.source != kOwn;
                sameMonth += !beside.empty();
                const LocationNode* ownSighting = nullptr;
                for (const TurnNode& turn : doc.Turns())
                    if (turn.date <= date)
                        if (const LocationNode* loc = turn.FindLoc(c); loc && !loc->IsPartial())
                            ownSighting = loc;
                newerThanOwn += hex.source != kOwn && ownSighting != nullptr;
            });
        EXPECT_EQ(onMap, SeenBy(doc, date)) << date.GetString().Get();
    }
    EXPECT_GT(alliesLead, 0);
    EXPECT_GT(newerThanOwn, 0);
    EXPECT_GT(sameMonth, 0);
    EXPECT_GT(fromOwner, 0);
}

// The markers tell the player's units, the allies' and the others' apart over every sighting
// of the month, and the allies' markers follow the allies held.
TEST(AllyMerge, AlliedUnitsHaveTheirOwnMarkWhileTheFactionIsHeld) {
    VexlorDoc doc;
    MakeAlliance(doc);
    AtlMap map;
    const AtlDate last = doc.LastMonth();
    FormatMap(doc, map, last);
    int allied = 0;
    for (int z : map.Levels())
        map.GetPlain(z)->ForEachHex([&](const AtlCoord& c, const AtlHexData& hex) {
            bool own = false, ally = false, other = false;
            for (const HexUnit& seen : HexUnits(hex)) {
                int faction = seen.unit->faction.Number();
                own |= faction == kOwn;
                ally |= faction == kHerons || faction == kOaks;
                other |= faction != kOwn && faction != kHerons && faction != kOaks;
            }
            EXPECT_EQ(hex.Has(AtlHexData::HexOwnUnits), own && hex.seenDate == last)
                << c.GetString().Get();
            EXPECT_EQ(hex.Has(AtlHexData::HexAlliedUnits), ally) << c.GetString().Get();
            EXPECT_EQ(hex.Has(AtlHexData::HexOtherUnits), other) << c.GetString().Get();
            allied += ally;
        });
    EXPECT_GT(allied, 0);

    // Without the allies, their units are the others' again, and only the own hexes are left.
    doc.Extras().allies.Remove(kHerons);
    doc.Extras().allies.Remove(kOaks);
    AtlMap alone;
    FormatMap(doc, alone, last);
    VexlorDoc own;
    ASSERT_EQ(AddReports(own, ReportSeries(kGame, kOwn, 8)), "");
    AtlMap expected;
    FormatMap(own, expected, last);
    size_t hexes = 0;
    for (int z : expected.Levels()) {
        hexes += expected.GetPlain(z)->HexCount();
        expected.GetPlain(z)->ForEachHex([&](const AtlCoord& c, const AtlHexData& hex) {
            const AtlHexData* same = alone.GetHex(c);
            ASSERT_NE(same, nullptr) << c.GetString().Get();
            EXPECT_EQ(same->hexFlags, hex.hexFlags) << c.GetString().Get();
            EXPECT_EQ(same->Location().units.LongCountNodes(),
                      hex.Location().units.LongCountNodes());
        });
    }
    size_t left = 0;
    for (int z : alone.Levels())
        left += alone.GetPlain(z)->HexCount();
    EXPECT_EQ(left, hexes);
}

// Allies added, changed and removed after the index was built are seen by the next map.
TEST(AllyMerge, TheIndexFollowsTheAllies) {
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, ReportSeries(kGame, kOwn, 8)), "");
    const AtlDate last = doc.LastMonth();
    auto hexCount = [&] {
        AtlMap map;
        FormatMap(doc, map, last);
        size_t n = 0;
        for (int z : map.Levels())
            n += map.GetPlain(z)->HexCount();
        return n;
    };
    const size_t own = hexCount();
    ASSERT_EQ(AddAllyReports(doc, kHerons, "Blue Herons", ReportSeries(kGame, kHerons, 2)), "");
    const size_t withTwo = hexCount();
    EXPECT_GT(withTwo, own);
    ASSERT_EQ(AddAllyReports(doc, kHerons, "Blue Herons", {kGame + "/4-turn8.rep"}), "");
    EXPECT_GT(hexCount(), withTwo);
    doc.Extras().allies.Remove(kHerons);
    EXPECT_EQ(hexCount(), own);
}

// A month only an ally has a report for is a month of the map: listed, shown, and a map of it
// shows what the allies saw then, over the player's own older sightings.
TEST(AllyMerge, AMonthOnlyAnAllyReportedIsShown) {
    VexlorDoc doc;
    MakeAlliance(doc, 6);
    const std::vector<AtlDate> months = doc.KnownMonths();
    ASSERT_EQ(months.size(), 8u);
    EXPECT_EQ(doc.FirstMonth(), AtlDate(0, 1));
    EXPECT_EQ(doc.LastMonth(), AtlDate(7, 1));
    EXPECT_EQ(doc.LastTurn()->date, AtlDate(5, 1));
    AtlMap map;
    FormatMap(doc, map, doc.LastMonth());
    int byAllies = 0, ownOlder = 0;
    for (int z : map.Levels())
        map.GetPlain(z)->ForEachHex([&](const AtlCoord&, const AtlHexData& hex) {
            if (hex.seenDate == doc.LastMonth()) {
                EXPECT_NE(hex.source, kOwn);
                ++byAllies;
            }
            ownOlder += hex.source == kOwn;
        });
    EXPECT_GT(byAllies, 0);
    EXPECT_GT(ownOlder, 0);
}

// An ally's turns read in place stay the file's bytes: the index is built from their notes,
// and a map makes the objects only of the turns whose sightings it shows.
TEST(AllyMerge, AnAllysTurnsStayBytesUntilShown) {
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, ReportSeries(kGame, kOwn, 8)), "");
    VexlorDoc herons;
    ASSERT_EQ(AddReports(herons, ReportSeries(kGame, kHerons, 8)), "");
    omwstream out;
    herons.write(out);
    out.flush();
    const std::vector<unsigned char> bytes = out.Bytes();
    AllyMap& ally = doc.Extras().allies.Take(kHerons);
    ally.doc->Clear();
    ByteReader in(KeptBytes::Copy(bytes.data(), bytes.size()));
    ASSERT_TRUE(ally.doc->Read(in));
    auto kept = [&] {
        long n = 0;
        for (const TurnNode& turn : ally.doc->Turns())
            n += turn.IsKept();
        return n;
    };
    ASSERT_EQ(kept(), 8);
    doc.Sightings();
    EXPECT_EQ(kept(), 8);
    AtlMap map;
    FormatMap(doc, map, doc.FirstMonth());
    EXPECT_EQ(kept(), 7);
    EXPECT_FALSE(ally.doc->FirstTurn()->IsKept());
}

// Find, levels and the widths see the allies through the same map.
TEST(AllyMerge, FindAndLevelsSeeTheAllies) {
    VexlorDoc doc;
    MakeAlliance(doc);
    AtlMap map;
    FormatMap(doc, map, doc.LastMonth());
    // A unit of the Blue Herons that the player never saw is found by its number.
    std::set<int32_t> ownSaw;
    for (const TurnNode& turn : doc.Turns())
        for (const LocationNode& loc : turn.Locations())
            for (const UnitNode& unit : loc.units)
                ownSaw.insert(unit.number);
    const TurnNode& heronsLast = *doc.Extras().allies.Find(kHerons)->doc->LastTurn();
    const UnitNode* hidden = nullptr;
    for (const LocationNode& loc : heronsLast.Locations())
        for (const UnitNode& unit : loc.units)
            if (!hidden && unit.faction.Number() == kHerons && !ownSaw.count(unit.number))
                hidden = &unit;
    ASSERT_NE(hidden, nullptr);
    std::vector<FindMatch> found = FindOnMap(map, std::to_string(hidden->number));
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.front().kind, FindKind::Unit);

    // Every hex any source saw counts on its level.
    long hexes = 0;
    for (const LevelSummary& level : SummarizeLevels(doc))
        hexes += level.hexes;
    std::set<AtlCoord> seen = SeenBy(doc, doc.LastMonth());
    EXPECT_EQ(hexes, static_cast<long>(seen.size()));

    // A level's width comes from the allies where the player's reports show none; a world
    // keeps its size, so the player's own stands where both show one.
    VexlorDoc& oaks = *doc.Extras().allies.Find(kOaks)->doc;
    doc.Extras().levelWidths = LevelWidths();
    ASSERT_TRUE(doc.Extras().levelWidths.Learn(0, 48));
    oaks.Extras().levelWidths = LevelWidths();
    ASSERT_TRUE(oaks.Extras().levelWidths.Learn(0, 32));
    ASSERT_TRUE(oaks.Extras().levelWidths.Learn(7, 16));
    FormatMap(doc, map, doc.LastMonth());
    EXPECT_EQ(map.GetPlain(0)->LearnedWidth(), 48);
    EXPECT_EQ(doc.KnownWidths().Width(7), 16);
}

} // namespace
