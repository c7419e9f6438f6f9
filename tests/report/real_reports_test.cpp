// Every real engine report, each faction's turns added in order to one document, checked as
// a player would check the map: all regions there, and every field of a few of them.
#include "report/linetype.h"
#include "report_test_util.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <regex>

namespace fs = std::filesystem;

namespace {

const std::string kRule(60, '-');

// What the report itself says it holds, counted on its logical lines.
struct Expected {
    int regions = 0;
    int units = 0;
    int buildings = 0;
};

Expected CountBlocks(const std::string& text) {
    ReportLines lines;
    SplitText(text, lines);
    Expected e;
    bool inRegions = false;
    for (ReportLine* n = lines.First(); n; n = n->Next()) {
        const std::string line = n->text.Get();
        if (line == kRule) {
            ++e.regions;
            inRegions = true;
        }
        if (line.rfind("Orders Template", 0) == 0) break;
        if (!inRegions) continue;
        std::string body = line.rfind("  ", 0) == 0 ? line.substr(2) : line;
        if (body.rfind("* ", 0) == 0 || body.rfind("- ", 0) == 0) ++e.units;
        if (line.rfind("+ ", 0) == 0) ++e.buildings;
    }
    return e;
}

// The turns of one faction in a folder, in turn order.
std::vector<fs::path> FactionTurns(const std::string& folder, int faction) {
    std::vector<std::pair<int, fs::path>> found;
    std::regex name(std::to_string(faction) + "-turn([0-9]+)\\.rep");
    for (const auto& entry : fs::directory_iterator(fs::path(VEXLOR_REPORTS_DIR) / folder)) {
        std::smatch m;
        std::string file = entry.path().filename().string();
        if (std::regex_match(file, m, name)) found.emplace_back(std::stoi(m[1]), entry.path());
    }
    std::sort(found.begin(), found.end());
    std::vector<fs::path> paths;
    for (auto& f : found)
        paths.push_back(f.second);
    return paths;
}

// One faction's document of a folder, built once for all the tests that look into it.
Desk& FactionDesk(const std::string& folder, int faction) {
    static std::map<std::pair<std::string, int>, std::unique_ptr<Desk>> desks;
    auto& desk = desks[{folder, faction}];
    if (!desk) {
        desk = std::make_unique<Desk>();
        for (const fs::path& p : FactionTurns(folder, faction))
            desk->Add(ReadPath(p));
    }
    return *desk;
}

const LocationNode& Loc(Desk& d, AtlDate date, AtlCoord coord) {
    static LocationNode none;
    TurnNode* turn = d.doc.FindTurn(date);
    const LocationNode* loc = turn ? turn->FindLoc(coord) : nullptr;
    EXPECT_NE(loc, nullptr) << coord.GetString().Get() << " on " << date.GetString().Get();
    return loc ? *loc : none;
}

const UnitNode* UnitNumbered(const LocationNode& loc, int number) {
    for (const UnitNode& u : loc.units)
        if (u.number == number) return &u;
    return nullptr;
}

void ExpectItem(const ItemNode* item, int count, const char* name, const char* abbr) {
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->count, count);
    EXPECT_EQ(item->name, name);
    EXPECT_EQ(item->abbr, abbr);
}

void ExpectPrice(const ItemPriceNode* item, int count, const char* name, const char* abbr,
                 int price) {
    ExpectItem(item, count, name, abbr);
    if (item) {
        EXPECT_EQ(item->price, price);
    }
}

// A neighbour known only from exits, with its terrain and name.
void ExpectPartial(Desk& d, AtlDate date, AtlCoord coord, TerrainType terrain, const char* name) {
    const LocationNode& loc = Loc(d, date, coord);
    EXPECT_TRUE(loc.IsPartial()) << coord.GetString().Get();
    EXPECT_EQ(loc.terrain, terrain) << coord.GetString().Get();
    EXPECT_EQ(loc.regionName, name);
    EXPECT_EQ(loc.peasants, -1);
    EXPECT_TRUE(loc.units.IsEmpty());
}

class EveryReport : public testing::TestWithParam<std::string> {};

} // namespace

TEST_P(EveryReport, EachFactionsTurnsReadCompletelyIntoOneDocument) {
    const std::string folder = GetParam();
    for (int faction : {3, 4, 5}) {
        std::vector<fs::path> turns = FactionTurns(folder, faction);
        if (turns.empty()) continue;
        Desk d;
        for (const fs::path& p : turns) {
            const std::string text = ReadPath(p);
            Expected expected = CountBlocks(text);
            IntakeOutcome outcome;
            ASSERT_EQ(d.Add(text, &outcome), 0) << p;
            EXPECT_EQ(outcome.regions, expected.regions) << p;
            ASSERT_NE(d.doc.FindTurn(outcome.date), nullptr);
            const TurnNode& turn = *d.doc.FindTurn(outcome.date);
            int full = 0, units = 0, buildings = 0;
            for (const LocationNode& loc : turn.Locations()) {
                full += !loc.IsPartial();
                units += static_cast<int>(loc.units.LongCountNodes());
                buildings += static_cast<int>(loc.buildings.LongCountNodes());
            }
            EXPECT_EQ(full, expected.regions) << p;
            EXPECT_EQ(units, expected.units) << p;
            EXPECT_EQ(buildings, expected.buildings) << p;
            EXPECT_TRUE(turn.factions.Find(faction)) << p;
        }
        EXPECT_EQ(d.doc.GetFaction().Number(), faction);
        EXPECT_TRUE(d.user.questions.empty());
        ASSERT_EQ(d.doc.Turns().LongCountNodes(), static_cast<long>(turns.size()));
        // Turn N is month N-1 of year 1, one after the other.
        int month = 0;
        for (const TurnNode& t : d.doc.Turns())
            EXPECT_EQ(t.date, AtlDate(month++, 1)) << folder;
    }
}

namespace {

// The report as a mail program may pass it on: blanks after the text of every line that has
// text (lines of blanks alone and empty lines stay as they are), and other line ends.
std::string Mailed(const std::string& text, const std::string& blanks, const std::string& end) {
    std::string out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        bool hasText = line.find_first_not_of(' ') != std::string::npos;
        out += line + (hasText ? blanks : "") + end;
    }
    return out;
}

} // namespace

TEST_P(EveryReport, MailedFormsReadToTheSameDocument) {
    for (int faction : {3, 4, 5}) {
        Desk original, blanks, oldMac, both;
        for (const fs::path& p : FactionTurns(GetParam(), faction)) {
            const std::string text = ReadPath(p);
            ASSERT_EQ(original.Add(text), 0) << p;
            EXPECT_EQ(blanks.Add(Mailed(text, "  \t ", "\n")), 0) << p;
            EXPECT_EQ(oldMac.Add(Mailed(text, "", "\r")), 0) << p;
            EXPECT_EQ(both.Add(Mailed(text, " ", "\r\n")), 0) << p;
        }
        std::vector<unsigned char> want = DocBytes(original.doc);
        EXPECT_EQ(DocBytes(blanks.doc), want) << faction;
        EXPECT_EQ(DocBytes(oldMac.doc), want) << faction;
        EXPECT_EQ(DocBytes(both.doc), want) << faction;
    }
}

INSTANTIATE_TEST_SUITE_P(RealReports, EveryReport,
                         testing::Values("v404-standard", "v410-standard", "head-standard",
                                         "head-neworigins", "repo-snapshot-standard",
                                         "repo-snapshot-neworigins"),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

TEST(RealReports, WholeWorldReportsReadEveryRegion) {
    for (const char* file : {"large/v410-standard-world.rep", "large/head-standard-world.rep"}) {
        const std::string text = ReadReport(file);
        Expected expected = CountBlocks(text);
        Desk d;
        IntakeOutcome outcome;
        ASSERT_EQ(d.Add(text, &outcome), 0) << file;
        EXPECT_EQ(outcome.regions, expected.regions) << file;
        EXPECT_GT(expected.regions, 600);
        EXPECT_EQ(d.doc.GetFaction().Number(), 1);
        long units = 0;
        for (const LocationNode& loc : d.doc.LastTurn()->Locations())
            units += loc.units.LongCountNodes();
        EXPECT_EQ(units, expected.units) << file;
    }
}

TEST(RealReports, WholeWorldExitsAcrossTheEdgeGiveEachLevelsWidth) {
    const std::map<std::string, std::map<int, int>> widths = {
        {"large/v410-standard-world.rep", {{0, 32}, {1, 16}}},
        {"large/head-standard-world.rep", {{0, 64}}}};
    for (const auto& [file, expected] : widths) {
        Desk d;
        ASSERT_EQ(d.Add(ReadReport(file)), 0) << file;
        EXPECT_EQ(d.doc.Extras().levelWidths.All(), expected) << file;
    }
}

TEST(RealReports, CityWithMarketsUnitsAndATower) {
    Desk& d = FactionDesk("head-neworigins", 3);
    const AtlDate may(4, 1);
    const LocationNode& city = Loc(d, may, AtlCoord(13, 11));
    EXPECT_EQ(city.terrain, TerrainType(TerrainType::Plain));
    EXPECT_EQ(city.regionName, "Si'iheim");
    EXPECT_EQ(city.townName, "Scirin");
    EXPECT_EQ(city.townType, "city");
    EXPECT_EQ(city.peasants, 11116);
    EXPECT_EQ(city.peasantRace, "centaurs");
    EXPECT_EQ(city.silver, 11338);
    EXPECT_EQ(city.wages, 15); // $15.1: the decimal is kept beside the record
    EXPECT_EQ(city.maxWages, 2267);
    EXPECT_EQ(WagesText(city.wages, city.coord, KeptExtras(d.doc, may)), "15.1");
    EXPECT_EQ(city.entertainment, 678);
    EXPECT_FALSE(city.IsPartial());
    ASSERT_EQ(city.wanted.LongCountNodes(), 9);
    ExpectPrice(city.wanted.GetFirst(), 154, "grain", "GRAI", 21);
    ExpectPrice(NthNode(city.wanted, 4), 31, "spinning wheels", "SPIN", 107);
    ExpectPrice(city.wanted.GetLast(), 38, "vodka", "VODK", 256);
    ASSERT_EQ(city.forSale.LongCountNodes(), 5);
    ExpectPrice(city.forSale.GetFirst(), 58, "horses", "HORS", 55);
    ExpectPrice(city.forSale.GetLast(), 88, "leaders", "LEAD", 845);
    ASSERT_EQ(city.products.LongCountNodes(), 2);
    ExpectItem(city.products.GetFirst(), 40, "livestock", "LIVE");
    ExpectItem(city.products.GetLast(), 20, "horses", "HORS");

    // Exits: a lake and a plain never described in this report stay partial neighbours.
    ExpectPartial(d, may, AtlCoord(13, 13), TerrainType("lake"), "Huarlbrook");
    ExpectPartial(d, may, AtlCoord(12, 12), TerrainType(TerrainType::Plain), "Si'iheim");
    EXPECT_FALSE(Loc(d, may, AtlCoord(14, 10)).IsPartial()); // described in its own block

    ASSERT_EQ(city.units.LongCountNodes(), 3);
    const UnitNode* guard = UnitNumbered(city, 5);
    ASSERT_NE(guard, nullptr);
    EXPECT_EQ(guard->name, "City Guard");
    EXPECT_EQ(guard->faction.Number(), 1);
    EXPECT_EQ(guard->flags, UnitNode::OnGuard);
    EXPECT_EQ(guard->building, 0);
    ASSERT_EQ(guard->items.LongCountNodes(), 2);
    ExpectItem(guard->items.GetLast(), 120, "swords", "SWOR");
    const UnitNode* guards = UnitNumbered(city, 778);
    ASSERT_NE(guards, nullptr);
    EXPECT_EQ(guards->faction.Number(), 3);
    EXPECT_EQ(guards->flags, UnitNode::Behind | UnitNode::RevealingFaction);
    ExpectItem(guards->items.GetFirst(), 4, "centaurs", "CTAU");
    ExpectItem(guards->items.GetLast(), 744, "silver", "SILV");
    const UnitNode* captain = UnitNumbered(city, 593);
    ASSERT_NE(captain, nullptr);
    EXPECT_EQ(captain->building, 1);
    ASSERT_EQ(captain->items.LongCountNodes(), 3); // skills after the items are not items
    ExpectItem(captain->items.GetFirst(), 1, "leader", "LEAD");
    ExpectItem(captain->items.GetLast(), 895, "silver", "SILV");

    ASSERT_EQ(city.buildings.LongCountNodes(), 1);
    EXPECT_EQ(city.buildings.GetFirst()->name, "Building");
    EXPECT_EQ(city.buildings.GetFirst()->number, 1);
    EXPECT_EQ(city.buildings.GetFirst()->text, "Tower.");

    const TurnNode* turn = d.doc.FindTurn(may);
    ASSERT_NE(turn, nullptr);
    EXPECT_EQ(turn->factions.Find(1)->name, "The Guardsmen");
    EXPECT_EQ(turn->factions.Find(3)->name, "Red Wolves");
}

TEST(RealReports, OceanWithAWrappedShipLine) {
    Desk& d = FactionDesk("head-neworigins", 3);
    const LocationNode& ocean = Loc(d, AtlDate(4, 1), AtlCoord(54, 14));
    EXPECT_EQ(ocean.terrain, TerrainType(TerrainType::Ocean));
    EXPECT_EQ(ocean.regionName, "Atlantis Ocean");
    EXPECT_EQ(ocean.peasants, -1); // no peasant part on the region line
    EXPECT_EQ(ocean.silver, -1);
    EXPECT_EQ(ocean.wages, 0); // "  Wages: $0."
    EXPECT_EQ(ocean.maxWages, -1);
    EXPECT_EQ(WagesText(ocean.wages, ocean.coord, KeptExtras(d.doc, AtlDate(4, 1))), "0");
    EXPECT_EQ(ocean.entertainment, -1);
    EXPECT_TRUE(ocean.wanted.IsEmpty());
    EXPECT_TRUE(ocean.forSale.IsEmpty());
    ExpectItem(ocean.products.GetFirst(), 40, "fish", "FISH");
    ASSERT_EQ(ocean.buildings.LongCountNodes(), 1);
    EXPECT_EQ(ocean.buildings.GetFirst()->name, "Ship");
    EXPECT_EQ(ocean.buildings.GetFirst()->number, 100);
    EXPECT_EQ(ocean.buildings.GetFirst()->text,
              "Longship; 0% damaged; Load: 65/150; Sailors: 4/4; MaxSpeed: 4.");
    ASSERT_EQ(ocean.units.LongCountNodes(), 1);
    const UnitNode& crew = *ocean.units.GetFirst();
    EXPECT_EQ(crew.name, "Shipwrights");
    EXPECT_EQ(crew.building, 100);
    EXPECT_EQ(crew.flags, 0u);
    ASSERT_EQ(crew.items.LongCountNodes(), 2);
    ExpectItem(crew.items.GetLast(), 9, "wood", "WOOD");
}

TEST(RealReports, NexusWithDescriptionNoExitsAndGateways) {
    Desk& d = FactionDesk("head-neworigins", 3);
    const AtlDate january(0, 1);
    const LocationNode& nexus = Loc(d, january, AtlCoord(0, 0, 2));
    EXPECT_EQ(nexus.terrain, TerrainType("nexus"));
    EXPECT_EQ(nexus.regionName, "The Void");
    EXPECT_EQ(nexus.wages, 0);
    EXPECT_TRUE(nexus.products.IsEmpty());
    ASSERT_EQ(nexus.units.LongCountNodes(), 5);
    EXPECT_EQ(UnitNumbered(nexus, 2)->flags, UnitNode::Behind);
    EXPECT_EQ(UnitNumbered(nexus, 596)->faction.Number(), 4);
    ASSERT_EQ(nexus.buildings.LongCountNodes(), 7);
    EXPECT_EQ(nexus.buildings.GetLast()->number, 7);
    EXPECT_EQ(nexus.buildings.GetLast()->text, "Gateway, contains an inner location.");

    // A ship under construction among a unit's items, with its note passed over.
    const LocationNode& swamp = Loc(d, january, AtlCoord(56, 18));
    EXPECT_EQ(swamp.townName, "Cico'a");
    const UnitNode* builders = UnitNumbered(swamp, 595);
    ASSERT_NE(builders, nullptr);
    ASSERT_EQ(builders->items.LongCountNodes(), 4);
    ExpectItem(NthNode(builders->items, 1), 1, "unfinished Longship", "LONG");
    ExpectItem(builders->items.GetLast(), 329, "silver", "SILV");
}

TEST(RealReports, OldEngineCityWithUnlimitedMarketAndFactionlessGuards) {
    Desk& d = FactionDesk("v404-standard", 3);
    const AtlDate june(5, 1);
    const LocationNode& city = Loc(d, june, AtlCoord(9, 21));
    EXPECT_EQ(city.terrain, TerrainType(TerrainType::Forest));
    EXPECT_EQ(city.townName, "Inlorin");
    EXPECT_EQ(city.peasants, 5334);
    EXPECT_EQ(city.peasantRace, "vikings");
    EXPECT_EQ(city.silver, 32004);
    EXPECT_EQ(city.wages, 16);
    EXPECT_EQ(city.maxWages, 85344);
    EXPECT_EQ(city.entertainment, 1600);
    EXPECT_TRUE(city.wanted.IsEmpty());
    ASSERT_EQ(city.forSale.LongCountNodes(), 24);
    ExpectPrice(city.forSale.GetFirst(), -1, "iron", "IRON", 75);
    ExpectPrice(city.forSale.GetLast(), -1, "leaders", "LEAD", 128);
    ASSERT_EQ(city.products.LongCountNodes(), 4);
    ExpectItem(city.products.GetLast(), 10, "herbs", "HERB");
    ASSERT_EQ(city.units.LongCountNodes(), 5);
    const UnitNode* guard = UnitNumbered(city, 15);
    ASSERT_NE(guard, nullptr);
    EXPECT_EQ(guard->faction.Number(), 0);
    EXPECT_EQ(guard->flags, UnitNode::OnGuard);
    ASSERT_EQ(guard->items.LongCountNodes(), 3);
    ExpectItem(guard->items.GetLast(), 500, "plate armor", "PARM");
    const UnitNode* mage = UnitNumbered(city, 16);
    ASSERT_NE(mage, nullptr);
    ExpectItem(mage->items.GetFirst(), 1, "leader", "LEAD");
    const UnitNode* captain = UnitNumbered(city, 112);
    ASSERT_NE(captain, nullptr);
    EXPECT_EQ(captain->flags, UnitNode::Avoiding | UnitNode::Behind | UnitNode::RevealingFaction);
    ExpectItem(NthNode(captain->items, 1), 893, "silver", "SILV");
    const UnitNode* other = UnitNumbered(city, 114);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->faction.Number(), 5);
    EXPECT_EQ(other->flags, UnitNode::Avoiding | UnitNode::Behind);
    EXPECT_EQ(d.doc.FindTurn(june)->factions.Find(5)->name, "Green Oaks");
    EXPECT_TRUE(city.buildings.IsEmpty());
}

TEST(RealReports, UnderworldCityOnItsOwnLevel) {
    Desk& d = FactionDesk("head-neworigins", 4);
    const AtlDate january(0, 1);
    const LocationNode& city = Loc(d, january, AtlCoord(12, 2, 1));
    EXPECT_EQ(city.terrain, TerrainType(TerrainType::Cavern));
    EXPECT_EQ(city.townName, "Rismi'ear");
    EXPECT_EQ(city.peasantRace, "drow elves");
    EXPECT_EQ(city.peasants, 9469);
    EXPECT_EQ(city.wages, 14);
    ExpectPrice(NthNode(city.forSale, 2), 378, "drow elves", "DRLF", 47);
    ExpectPartial(d, january, AtlCoord(11, 1, 1), TerrainType(TerrainType::Underforest), "Ri'os");
    EXPECT_EQ(d.doc.FindTurn(january)->FindLoc(AtlCoord(12, 2, 0)), nullptr);
    const UnitNode* own = UnitNumbered(city, 597);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->faction.Number(), 4);
    EXPECT_EQ(own->items.LongCountNodes(), 2);
}
