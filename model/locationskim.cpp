#include "model/locationskim.h"

#include "model/location.h"
#include "model/unit.h"

#include <cstdint>

LocationSighting SightingOf(const LocationNode& loc) {
    LocationSighting s{loc.coord, loc.IsPartial(), false};
    for (const UnitNode& unit : loc.units)
        if (unit.flags & UnitNode::OnGuard) s.guarded = true;
    return s;
}

namespace {

// Moves over the records field by field, as the readers of the location, item, unit and
// building records read them. Once the bytes run out (or a record is refused) every step
// fails and the cursor stays at the end.
class Cursor {
public:
    Cursor(const unsigned char* bytes, size_t size) : p_(bytes), end_(bytes + size) {}

    bool Ok() const { return ok_; }
    const unsigned char* Here() const { return p_; }
    void Fail() {
        ok_ = false;
        p_ = end_;
    }
    void Skip(size_t n) {
        if (static_cast<size_t>(end_ - p_) < n)
            Fail();
        else
            p_ += n;
    }
    uint8_t U8() {
        if (p_ == end_) {
            Fail();
            return 0;
        }
        return *p_++;
    }
    uint16_t U16() {
        if (end_ - p_ < 2) {
            Fail();
            return 0;
        }
        uint16_t v = static_cast<uint16_t>(p_[0] | p_[1] << 8);
        p_ += 2;
        return v;
    }
    uint32_t U32() {
        if (end_ - p_ < 4) {
            Fail();
            return 0;
        }
        uint32_t v = p_[0] | p_[1] << 8 | p_[2] << 16 | static_cast<uint32_t>(p_[3]) << 24;
        p_ += 4;
        return v;
    }
    void Text() {
        uint16_t length = U16();
        // Read whole but written capped one byte shorter: not the same bytes back.
        if (length == 0xFFFF) Fail();
        Skip(length);
    }

private:
    const unsigned char* p_;
    const unsigned char* end_;
    bool ok_ = true;
};

void SkimItems(Cursor& in, bool priced) {
    for (uint16_t n = in.U16(); n > 0 && in.Ok(); --n) {
        in.Skip(4); // count
        in.Text();  // name
        in.Text();  // abbreviation
        if (priced) in.Skip(4);
    }
}

// True when one of the units stands on guard.
bool SkimUnits(Cursor& in) {
    bool guarded = false;
    for (uint16_t n = in.U16(); n > 0 && in.Ok(); --n) {
        SkimItems(in, false);
        in.Skip(4); // faction
        in.Text();  // name
        in.Skip(4); // number
        if (in.U32() & UnitNode::OnGuard) guarded = true;
        in.Skip(2); // building
    }
    return guarded;
}

void SkimBuildings(Cursor& in) {
    for (uint16_t n = in.U16(); n > 0 && in.Ok(); --n) {
        in.Text(); // name
        in.Skip(2);
        in.Text(); // description
    }
}

} // namespace

size_t SkimLocationList(const unsigned char* bytes, size_t size,
                        std::vector<LocationSighting>& sightings) {
    Cursor in(bytes, size);
    uint16_t count = in.U16();
    sightings.reserve(sightings.size() + count);
    for (uint16_t n = count; n > 0 && in.Ok(); --n) {
        LocationSighting s;
        in.Skip(1); // terrain kind
        in.Text();  // terrain name
        s.coord.x = static_cast<int16_t>(in.U16());
        s.coord.y = static_cast<int16_t>(in.U16());
        s.coord.z = in.U8();
        in.Text();            // region name
        in.Text();            // town name
        in.Text();            // town kind
        in.Skip(4);           // peasants
        in.Text();            // peasant race
        in.Skip(16);          // silver, wages, maximum wages, entertainment
        SkimItems(in, true);  // wanted
        SkimItems(in, true);  // for sale
        SkimItems(in, false); // products
        s.guarded = SkimUnits(in);
        SkimBuildings(in);
        s.partial = (in.U32() & LocationNode::LocPartial) != 0;
        sightings.push_back(s);
    }
    return in.Ok() ? static_cast<size_t>(in.Here() - bytes) : 0;
}
