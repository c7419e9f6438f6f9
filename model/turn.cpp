#include "model/turn.h"

#include "base/fileimage.h"
#include "base/wstream.h"

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

LocationNode* TurnNode::FindLoc(const AtlCoord& coord) const {
    Unpack();
    auto it = index_.find(Key(coord));
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

LocationNode* TurnNode::RegisterLoc(const AtlCoord& coord, bool* isNew) {
    Unpack();
    auto [it, made] = index_.try_emplace(Key(coord), nullptr);
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
    stamp_ = NewStamp();
}

void TurnNode::TakeContents(TurnNode& other) {
    text = std::move(other.text);
    locations_ = std::move(other.locations_);
    index_ = std::move(other.index_);
    ordered_ = std::move(other.ordered_);
    kept_ = std::move(other.kept_);
    factions = std::move(other.factions);
    other.Clear();
    stamp_ = NewStamp();
}

void TurnNode::RebuildIndex() const {
    index_.clear();
    ordered_.clear();
    // The first of two equal coordinates wins, as a search from the start would find it.
    for (LocationNode& loc : locations_) {
        index_.try_emplace(Key(loc.coord), &loc);
        ordered_.push_back(&loc);
    }
}

void TurnNode::UnpackKept() const {
    std::unique_ptr<Kept> kept = std::move(kept_);
    // The bytes were walked through whole when they were kept: they read completely.
    imwstream in(kept->bytes.data, kept->bytes.size);
    locations_.read(in, kept->version);
    RebuildIndex();
}

bool TurnNode::Keep(iwstream& is, unsigned long version) {
    auto* shared = dynamic_cast<isharedwstream*>(&is);
    if (!shared || !shared->Bytes() || !shared->good() || kept_ || !locations_.IsEmpty())
        return false;
    const std::shared_ptr<const FileImage>& file = shared->Bytes();
    const unsigned char* at = file->Data() + shared->Position();
    auto kept = std::make_unique<Kept>();
    size_t size = SkimLocationList(at, file->Size() - shared->Position(), kept->sightings);
    if (size == 0 || !shared->seekrel(static_cast<long>(size))) return false;
    kept->bytes = {file, at, size};
    kept->version = version;
    kept_ = std::move(kept);
    return true;
}

int TurnNode::write(owstream& os) const {
    date.write(os);
    text.write(os);
    if (kept_)
        os.write(kept_->bytes.data, static_cast<long>(kept_->bytes.size));
    else
        locations_.WriteNodes(os);
    factions.WriteNodes(os);
    return os.good() ? 0 : 1;
}

int TurnNode::read(iwstream& is, unsigned long version) {
    date.read(is);
    text.read(is);
    if (!Keep(is, version)) {
        locations_.read(is, version);
        RebuildIndex();
    }
    stamp_ = NewStamp();
    factions.read(is, version);
    return is.good() ? 0 : 1;
}

Node* TurnNode::builder(iwstream&, unsigned long) {
    return new TurnNode();
}
