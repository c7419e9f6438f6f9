#include "model/turn.h"

#include "base/wstream.h"

#include <atomic>

uint64_t TurnNode::NewStamp() {
    static std::atomic<uint64_t> last{0};
    return ++last;
}

LocationNode* TurnNode::FindLoc(const AtlCoord& coord) const {
    auto it = index_.find(Key(coord));
    return it == index_.end() ? nullptr : it->second;
}

LocationNode* TurnNode::RegisterLoc(const AtlCoord& coord, bool* isNew) {
    auto [it, made] = index_.try_emplace(Key(coord), nullptr);
    if (made) {
        auto* loc = new LocationNode();
        loc->coord = coord;
        locations_.Add(loc);
        it->second = loc;
        stamp_ = NewStamp();
    }
    if (isNew) *isNew = made;
    return it->second;
}

void TurnNode::Clear() {
    text.Set(nullptr);
    locations_.Empty();
    index_.clear();
    factions.Empty();
    stamp_ = NewStamp();
}

void TurnNode::TakeContents(TurnNode& other) {
    text = std::move(other.text);
    locations_ = std::move(other.locations_);
    index_ = std::move(other.index_);
    factions = other.factions;
    other.Clear();
    stamp_ = NewStamp();
}

void TurnNode::RebuildIndex() {
    index_.clear();
    // The first of two equal coordinates wins, as a search from the start would find it.
    for (LocationNode& loc : locations_)
        index_.try_emplace(Key(loc.coord), &loc);
}

int TurnNode::write(owstream& os) const {
    date.write(os);
    text.write(os);
    locations_.WriteNodes(os);
    factions.WriteNodes(os);
    return os.good() ? 0 : 1;
}

int TurnNode::read(iwstream& is, unsigned long version) {
    date.read(is);
    text.read(is);
    locations_.read(is, version);
    RebuildIndex();
    stamp_ = NewStamp();
    factions.read(is, version);
    return is.good() ? 0 : 1;
}

Node* TurnNode::builder(iwstream&, unsigned long) {
    return new TurnNode();
}
