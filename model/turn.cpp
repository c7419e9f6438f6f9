#include "model/turn.h"

#include "model/records.h"

#include <atomic>
#include <utility>

uint64_t TurnNode::NewStamp() {
    static std::atomic<uint64_t> last{0};
    return ++last;
}

TurnNode::~TurnNode() = default;

const ListT<LocationNode>& TurnNode::Locations() const {
    Unpack();
    return locations_;
}

const ListT<LocationNode>& TurnNode::LocationsOnce(ListT<LocationNode>& scratch) const {
    if (!kept_) return locations_;
    ByteReader in(kept_->bytes);
    DocRecords::Locations(in, scratch);
    return scratch;
}

LocationNode* TurnNode::FindLoc(const AtlCoord& coord) const {
    Unpack();
    auto it = index_.find(coord);
    return it == index_.end() ? nullptr : it->second;
}

size_t TurnNode::LocationCount() const {
    Unpack();
    return index_.size();
}

const LocationNode* TurnNode::LocationAt(size_t ordinal) const {
    Unpack();
    return ordinal < ordered_.size() ? ordered_[ordinal] : nullptr;
}

const LocationNode* TurnNode::LocationAtOnce(size_t ordinal, LocationNode& scratch) const {
    if (!kept_) return LocationAt(ordinal);
    const std::vector<uint32_t>& ends = kept_->ends;
    if (ordinal >= ends.size()) return nullptr;
    // The list begins with its count.
    const size_t begin = ordinal == 0 ? sizeof(uint16_t) : ends[ordinal - 1];
    ByteReader in(kept_->bytes.Part(begin, ends[ordinal] - begin));
    return DocRecords::Location(in, scratch) ? &scratch : nullptr;
}

LocationNode* TurnNode::RegisterLoc(const AtlCoord& coord, bool* isNew) {
    Unpack();
    auto [it, made] = index_.try_emplace(coord, nullptr);
    if (made) {
        auto* loc = new LocationNode();
        loc->coord = coord;
        locations_.Add(loc);
        ordered_.push_back(loc);
        it->second = loc;
        stamp_ = NewStamp();
    }
    if (isNew) *isNew = made;
    return it->second;
}

void TurnNode::Clear() {
    text.Set(nullptr);
    kept_.reset();
    locations_.Empty();
    index_.clear();
    ordered_.clear();
    factions.Empty();
    extras = KeptTurnExtras();
    stamp_ = NewStamp();
}

void TurnNode::TakeContents(TurnNode& other) {
    text = std::move(other.text);
    locations_ = std::move(other.locations_);
    index_ = std::move(other.index_);
    ordered_ = std::move(other.ordered_);
    kept_ = std::move(other.kept_);
    factions = std::move(other.factions);
    extras = std::move(other.extras);
    other.Clear();
    stamp_ = NewStamp();
}

void TurnNode::RebuildIndex() const {
    index_.clear();
    ordered_.clear();
    // The first of two equal coordinates wins, as a search from the start would find it.
    for (LocationNode& loc : locations_) {
        index_.try_emplace(loc.coord, &loc);
        ordered_.push_back(&loc);
    }
}

void TurnNode::UnpackKept() const {
    std::unique_ptr<Kept> kept = std::move(kept_);
    // The bytes were skimmed whole when they were kept and are held as they were: they read
    // as skimmed. Should they ever not, the turn is what they gave, and its new stamp has the
    // map's index rebuilt from that instead of naming places the list does not have.
    ByteReader in(kept->bytes);
    const bool asSkimmed = DocRecords::Locations(in, locations_);
    RebuildIndex();
    if (!asSkimmed || ordered_.size() != kept->sightings.size()) stamp_ = NewStamp();
}

bool TurnNode::Keep(ByteReader& r) {
    if (kept_ || !locations_.IsEmpty()) return false;
    const KeptBytes rest = r.Rest();
    auto kept = std::make_unique<Kept>();
    const size_t size =
        SkimLocationList(rest.data, rest.size, kept->sightings, kept->ends, &kept->units);
    if (size == 0) return false;
    kept->units.shrink_to_fit(); // held for the document's life
    r.Skip(size);
    kept->bytes = rest.Part(0, size);
    kept_ = std::move(kept);
    return true;
}

bool TurnNode::WalkLocations(ByteWriter& w) const {
    if (kept_) return w.Raw(kept_->bytes);
    return DocRecords::Locations(w, locations_);
}

bool TurnNode::WalkLocations(CountCheck& c) const {
    // Kept bytes were read through these very counts.
    return kept_ || DocRecords::Locations(c, locations_);
}

bool TurnNode::WalkLocations(ByteReader& r) {
    stamp_ = NewStamp();
    if (Keep(r)) return true;
    bool read = DocRecords::Locations(r, locations_);
    RebuildIndex();
    return read;
}

Node* TurnNode::builder(iwstream&, unsigned long) {
    return new TurnNode();
}
