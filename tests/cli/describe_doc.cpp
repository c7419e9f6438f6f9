// Writes the document the describe tests read: what faction 3 (Red Wolves) learnt of jungle
// (0,32) in Erisort and of ocean (13,1) from its head-standard reports of July and August,
// Year 1, typed in from those reports as a reader would file them (wages keep their whole
// silver: "$14.2" is 14).
#include "model/docfile.h"
#include "tests/support/docbuild.h"

#include <cstdio>

namespace {

struct Item {
    int count;
    const char* name;
    const char* abbr;
    int price = 0;
};

const Item kVerdorfSales[] = {
    {-1, "iron", "IRON", 75},           {-1, "wood", "WOOD", 75},
    {-1, "stone", "STON", 75},          {-1, "furs", "FUR", 75},
    {-1, "herbs", "HERB", 75},          {-1, "horses", "HORS", 75},
    {-1, "swords", "SWOR", 150},        {-1, "crossbows", "XBOW", 150},
    {-1, "longbows", "LBOW", 150},      {-1, "chain armor", "CARM", 150},
    {-1, "plate armor", "PARM", 625},   {-1, "wagons", "WAGO", 250},
    {-1, "picks", "PICK", 150},         {-1, "spears", "SPEA", 150},
    {-1, "axes", "AXE", 150},           {-1, "hammers", "HAMM", 150},
    {-1, "nets", "NET", 200},           {-1, "lassoes", "LASS", 150},
    {-1, "bags", "BAG", 150},           {-1, "spinning wheels", "SPIN", 150},
    {-1, "leather armor", "LARM", 112}, {-1, "cloth armor", "CLAR", 100},
    {-1, "lances", "LANC", 250},        {-1, "javelins", "JAVE", 150},
    {-1, "pikes", "PIKE", 250},         {-1, "wood elves", "WELF", 56},
    {-1, "leaders", "LEAD", 113},
};
const Item kVerdorfProducts[] = {
    {20, "livestock", "LIVE", 0},
    {10, "wood", "WOOD", 0},
    {20, "herbs", "HERB", 0},
    {10, "furs", "FUR", 0},
};

template <size_t N> void AddItems(ListT<ItemNode>& list, const Item (&items)[N]) {
    for (const Item& i : items)
        list.Add(new ItemNode(i.count, i.name, i.abbr));
}

void AddErisort(VexlorDoc& doc, AtlDate date, int guardsSilver, int captainSilver) {
    LocationNode& loc = AddLoc(doc, date, AtlCoord(0, 32), TerrainType::Jungle, "Erisort");
    loc.townName = "Verdorf";
    loc.townType = "city";
    loc.peasants = 25570;
    loc.peasantRace = "wood elves";
    loc.silver = 21478;
    loc.wages = 14;
    loc.maxWages = 7159;
    loc.entertainment = 1329;
    for (const Item& i : kVerdorfSales)
        loc.forSale.Add(new ItemPriceNode(i.count, i.name, i.abbr, i.price));
    AddItems(loc.products, kVerdorfProducts);

    const Item guard[] = {
        {500, "leaders", "LEAD"}, {500, "swords", "SWOR"}, {500, "plate armor", "PARM"}};
    AddItems(AddUnit(loc, 47, "City Guard", 1, UnitNode::OnGuard).items, guard);
    const Item mage[] = {{1, "leader", "LEAD"}, {1, "sword", "SWOR"}};
    AddItems(AddUnit(loc, 48, "City Mage", 1, UnitNode::Behind).items, mage);
    const Item captain[] = {{1, "leader", "LEAD"}, {2, "iron", "IRON"}};
    AddItems(AddUnit(loc, 362, "Captain", 5, UnitNode::Avoiding | UnitNode::Behind).items, captain);
    const Item guards[] = {
        {4, "wood elves", "WELF"}, {4, "swords", "SWOR"}, {guardsSilver, "silver", "SILV"}};
    AddItems(AddUnit(loc, 404, "Guards", 3, UnitNode::RevealingFaction).items, guards);
    AddBuilding(loc, 1, "Building", "Tower.");
    const Item own[] = {
        {1, "leader", "LEAD"}, {2, "iron", "IRON"}, {captainSilver, "silver", "SILV"}};
    AddItems(AddUnit(loc, 358, "Captain", 3,
                     UnitNode::Avoiding | UnitNode::Behind | UnitNode::RevealingFaction, 1)
                 .items,
             own);

    // The exits of the region, known only by name.
    AddPartial(doc, date, AtlCoord(0, 30), TerrainType::Ocean, "Wyreth Ocean");
    AddPartial(doc, date, AtlCoord(1, 31), TerrainType::Ocean, "Wyreth Ocean");
    AddPartial(doc, date, AtlCoord(1, 33), TerrainType::Swamp, "Tourois");
    AddPartial(doc, date, AtlCoord(0, 34), TerrainType::Jungle, "Erisort");
    AddPartial(doc, date, AtlCoord(63, 33), TerrainType::Jungle, "Erisort");
    AddPartial(doc, date, AtlCoord(63, 31), TerrainType::Jungle, "Badalona");
}

void AddWyrethOcean(VexlorDoc& doc, AtlDate date) {
    // "  Wages: $0." with no maximum, and no peasants, silver or entertainment.
    LocationNode& loc = AddLoc(doc, date, AtlCoord(13, 1), TerrainType::Ocean, "Wyreth Ocean");
    loc.wages = 0;
    loc.products.Add(new ItemNode(40, "fish", "FISH"));
    AddBuilding(loc, 100, "Ship", "Longship; 0% damaged; Load: 65/150; Sailors: 4/4; MaxSpeed: 4.");
    const Item shipwrights[] = {
        {2, "leaders", "LEAD"}, {9, "wood", "WOOD"}, {105, "silver", "SILV"}};
    AddItems(AddUnit(loc, 360, "Shipwrights", 3, 0, 100).items, shipwrights);
}

void NameFactions(TurnNode& turn) {
    turn.factions.Register(3, "Red Wolves");
    turn.factions.Register(2, "Creatures");
    turn.factions.Register(4, "Blue Herons");
    turn.factions.Register(1, "The Guardsmen");
    turn.factions.Register(5, "Green Oaks");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: describe_doc OUT.atl\n");
        return 2;
    }
    VexlorDoc doc;
    doc.SetFaction(3);
    const AtlDate july(6, 1), august(7, 1);
    AddErisort(doc, july, 358, 882);
    AddErisort(doc, august, 374, 876);
    AddWyrethOcean(doc, august);
    NameFactions(*doc.RegisterTurn(july));
    NameFactions(*doc.RegisterTurn(august));
    if (SaveDocFile(doc, argv[1]) != DocSaved) {
        std::fprintf(stderr, "describe_doc: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
