#pragma once

// Made-up documents of a settled world for the benchmarks: any number of turns of 2,000 regions.
#include "model/docfile.h"
#include "model/vexlordoc.h"

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

inline constexpr int kLocationsPerTurn = 2000;

// A region as a report of a settled world fills it: market, products, two units with items,
// a building in every fourth region.
inline void FillLocation(LocationNode& loc, int i) {
    loc.terrain = TerrainType(static_cast<TerrainType::Type>(1 + i % 11));
    loc.regionName = "Cluen";
    if (i % 10 == 0) {
        loc.townName = "Verdorf";
        loc.townType = "city";
    }
    loc.peasants = 2613 + i;
    loc.peasantRace = "plainsmen";
    loc.silver = 2665;
    loc.wages = 15;
    loc.maxWages = 1786;
    loc.entertainment = 148;
    loc.wanted.Add(new ItemPriceNode(12, "swords", "SWOR", 163));
    loc.forSale.Add(new ItemPriceNode(104, "plainsmen", "PLAI", 60));
    loc.forSale.Add(new ItemPriceNode(20, "leaders", "LEAD", 120));
    loc.products.Add(new ItemNode(40, "livestock", "LIVE"));
    loc.products.Add(new ItemNode(20, "horses", "HORS"));
    for (int u = 0; u < 2; ++u) {
        auto* unit = new UnitNode();
        unit->name = u ? "City Guard" : "Seer";
        unit->number = i * 2 + u;
        unit->faction = u ? 1 : 3;
        unit->flags = u ? UnitNode::OnGuard : UnitNode::Behind;
        unit->items.Add(new ItemNode(1, "leader", "LEAD"));
        unit->items.Add(new ItemNode(745, "silver", "SILV"));
        loc.units.Add(unit);
    }
    if (i % 4 == 0) {
        auto* tower = new BuildingNode();
        tower->name = "Tower";
        tower->number = static_cast<uint16_t>(i % 1000 + 1);
        tower->text = "Tower";
        loc.buildings.Add(tower);
    }
}

inline AtlCoord CoordOf(int i) {
    // Hexes of a 64-wide map: doubled rows, x and y of the same parity.
    int x = i % 64, row = i / 64;
    return AtlCoord(x, row * 2 + (x & 1), 0);
}

inline std::unique_ptr<VexlorDoc> BuildDoc(int turns, int faction = 3) {
    auto doc = std::make_unique<VexlorDoc>();
    doc->SetFaction(faction);
    for (int t = 0; t < turns; ++t) {
        TurnNode* turn = doc->RegisterTurn(AtlDate(12 + t));
        turn->factions.Register(3, "Red Wolves");
        turn->factions.Register(1, "The Guardsmen");
        for (int i = 0; i < kLocationsPerTurn; ++i)
            FillLocation(*turn->RegisterLoc(CoordOf(i)), i);
    }
    return doc;
}

// The game of a number of turns saved once and opened from its file, as a user opens it, so
// that its turns are still the file's bytes until something makes their locations. Each
// benchmark file holds its own, so that what one made of the turns does not speed another.
class OpenedGame {
public:
    const VexlorDoc& Get(int turns) {
        if (opened_ == turns) return doc_;
        const std::string path = (std::filesystem::temp_directory_path() /
                                  ("vexlor-bench-" + std::to_string(getpid()) + ".atl"))
                                     .string();
        SaveDocFile(*BuildDoc(turns), path.c_str());
        doc_.Clear();
        OpenDocFile(doc_, path.c_str());
        std::filesystem::remove(path);
        opened_ = turns;
        return doc_;
    }

private:
    VexlorDoc doc_;
    int opened_ = 0;
};
