#include "model/allies.h"

#include "model/vexlordoc.h"

#include <algorithm>

AllyMap::AllyMap() : doc(std::make_unique<VexlorDoc>()) {}
AllyMap::~AllyMap() = default;

AllyMaps::AllyMaps() = default;
AllyMaps::~AllyMaps() = default;
AllyMaps::AllyMaps(AllyMaps&&) noexcept = default;
AllyMaps& AllyMaps::operator=(AllyMaps&&) noexcept = default;

AllyMap* AllyMaps::Find(int faction) const {
    for (const auto& ally : allies_)
        if (ally->doc->GetFaction().Number() == faction) return ally.get();
    return nullptr;
}

AllyMap& AllyMaps::Take(int faction) {
    if (AllyMap* held = Find(faction)) return *held;
    auto at = std::find_if(allies_.begin(), allies_.end(), [&](const auto& ally) {
        return ally->doc->GetFaction().Number() > faction;
    });
    auto made = std::make_unique<AllyMap>();
    made->doc->SetFaction(AtlFaction(faction));
    return **allies_.insert(at, std::move(made));
}

bool AllyMaps::Remove(int faction) {
    auto it = std::find_if(allies_.begin(), allies_.end(), [&](const auto& ally) {
        return ally->doc->GetFaction().Number() == faction;
    });
    if (it == allies_.end()) return false;
    allies_.erase(it);
    return true;
}
