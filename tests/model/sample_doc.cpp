#include "sample_doc.h"

#include "model/vexlordoc.h"

namespace {

UnitNode* AddUnit(LocationNode& loc, const char* name, int number, int faction, int building,
                  uint32_t flags) {
    auto* unit = new UnitNode();
    unit->name = name;
    unit->number = number;
    unit->faction = faction;
    unit->building = static_cast<uint16_t>(building);
    unit->flags = flags;
    loc.units.Add(unit);
    return unit;
}

void FillCity(LocationNode& loc) {
    loc.terrain = TerrainType(TerrainType::Jungle);
    loc.regionName = "Erisort";
    loc.townName = "Verdorf";
    loc.townType = "city";
    loc.peasants = 25570;
    loc.peasantRace = "wood elves";
    loc.silver = 21478;
    loc.wages = 14;
    loc.maxWages = 7159;
    loc.entertainment = 1329;
    loc.wanted.Add(new ItemPriceNode(12, "swords", "SWOR", 163));
    loc.forSale.Add(new ItemPriceNode(-1, "iron", "IRON", 75));
    loc.forSale.Add(new ItemPriceNode(-1, "wood elves", "WELF", 56));
    loc.products.Add(new ItemNode(20, "livestock", "LIVE"));
    loc.products.Add(new ItemNode(10, "furs", "FUR"));
    UnitNode* guard = AddUnit(loc, "City Guard", 47, 1, 0, UnitNode::OnGuard);
    guard->items.Add(new ItemNode(500, "leaders", "LEAD"));
    guard->items.Add(new ItemNode(500, "plate armor", "PARM"));
    AddUnit(loc, "City Mage", 48, 1, 0, UnitNode::Behind | UnitNode::RevealingFaction)
        ->items.Add(new ItemNode(1, "leader", "LEAD"));
    UnitNode* crew = AddUnit(loc, "Shipwrights", 360, 3, 100, UnitNode::Holding);
    crew->items.Add(new ItemNode(2, "leaders", "LEAD"));
    crew->items.Add(new ItemNode(9, "wood", "WOOD"));
    crew->items.Add(new ItemNode(225, "silver", "SILV"));
    auto* ship = new BuildingNode();
    ship->name = "Ship";
    ship->number = 100;
    ship->text = "Longship; 0% damaged; Load: 65/150; Sailors: 4/4; MaxSpeed: 4.";
    loc.buildings.Add(ship);
    auto* tower = new BuildingNode();
    tower->name = "Tower";
    tower->number = 2;
    tower->text = "Tower";
    loc.buildings.Add(tower);
}

void FillOddRegion(LocationNode& loc) {
    loc.terrain = TerrainType("volcano \"hot\"");
    loc.regionName = "Caf\xE9 \x80 \\ Ol\xE1";
    loc.townName = "Tab\there";
    loc.townType = "\x81\x9F";
    loc.peasants = 0;
    loc.peasantRace = "\xC6lves";
    loc.silver = -1;
    loc.wages = 0;
    loc.maxWages = -1;
    loc.entertainment = 2147483647;
    loc.wanted.Add(new ItemPriceNode(-2147483647 - 1, "", "", -1));
    AddUnit(loc, "", -1, 0, 65535,
            UnitNode::OnGuard | UnitNode::Behind | UnitNode::Holding | UnitNode::Avoiding |
                UnitNode::RevealingFaction);
}

} // namespace

void FillSampleDoc(VexlorDoc& doc) {
    doc.SetFaction(3);
    TurnNode* may = doc.RegisterTurn(AtlDate(4, 1));
    may->text = "Atlantis Engine Version: 5.2.5 (beta)";
    may->factions.Register(3, "Red Wolves");
    may->factions.Register(1, "The Guardsmen");
    may->factions.Register(4, "Blue Herons");
    FillCity(*may->RegisterLoc(AtlCoord(0, 32)));
    LocationNode* exit = may->RegisterLoc(AtlCoord(0, 30));
    exit->terrain = TerrainType(TerrainType::Ocean);
    exit->regionName = "Wyreth Ocean";
    exit->flags = LocationNode::LocPartial;
    FillOddRegion(*may->RegisterLoc(AtlCoord(-32768, 32767, 1)));
    may->RegisterLoc(AtlCoord(1, 1, 255));

    TurnNode* june = doc.RegisterTurn(AtlDate(5, 1));
    june->factions.Register(5, "");
}
