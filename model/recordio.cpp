#include "model/recordio.h"

#include "base/wstream.h"
#include "model/location.h"
#include "model/locationskim.h"
#include "model/unit.h"

#include <string_view>

bool ByteWriter::Raw(const KeptBytes& bytes) {
    os_.write(bytes.data, static_cast<long>(bytes.size));
    return Good();
}

bool ByteWriter::Good() const {
    return os_.good();
}

bool ByteWriter::Fail() {
    os_.setstate(wstream::BeyondFormat);
    return false;
}

bool ByteReader::Text(Str& s) {
    uint16_t length = 0;
    if (!U16(length) || !Has(length)) return false;
    s = Str(std::string_view(reinterpret_cast<const char*>(at_), length));
    at_ += length;
    return true;
}

void ByteSkim::NoteUnit(const UnitNode& unit) {
    if (unit.flags & UnitNode::OnGuard) guarded_ = true;
    if (units_) units_->push_back({locations_, unit.number, unit.faction.Number()});
}

void ByteSkim::NoteLocation(const LocationNode& loc, unsigned count) {
    ++locations_;
    if (ends_) {
        if (ends_->empty()) ends_->reserve(count);
        ends_->push_back(static_cast<uint32_t>(Offset()));
    }
    if (!sightings_) return;
    if (sightings_->empty()) sightings_->reserve(count);
    sightings_->push_back({loc.coord, loc.IsPartial(), guarded_});
    guarded_ = false;
}

void CountCheck::EnterNode(const LocationNode& loc) {
    region_ = loc.coord;
    unit_.reset();
}

void CountCheck::EnterNode(const UnitNode& unit) {
    unit_ = unit.number;
}
