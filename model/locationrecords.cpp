#include "model/locationrecords.h"

#include "base/wstream.h"
#include "model/location.h"
#include "model/unit.h"

#include <cstdint>
#include <cstring>

namespace {

// Moves bytes from the stream to the end of the copy; every read fails once one has.
class Copier {
public:
    Copier(iwstream& is, std::vector<unsigned char>& bytes) : is_(is), bytes_(bytes) {}

    bool Ok() const { return ok_; }
    const unsigned char* Take(size_t n) {
        if (!ok_) return nullptr;
        size_t at = bytes_.size();
        bytes_.resize(at + n);
        if (n && is_.read(bytes_.data() + at, static_cast<long>(n)) != static_cast<long>(n)) {
            ok_ = false;
            return nullptr;
        }
        return bytes_.data() + at;
    }
    void Skip(size_t n) { Take(n); }
    template <class T> T Number() {
        T value{};
        if (const unsigned char* p = Take(sizeof value)) std::memcpy(&value, p, sizeof value);
        return value; // the file is little-endian, as every machine this builds for
    }
    void Text() { Skip(Number<uint16_t>()); }
    uint16_t Count() { return Number<uint16_t>(); }

private:
    iwstream& is_;
    std::vector<unsigned char>& bytes_;
    bool ok_ = true;
};

void CopyItems(Copier& in, bool priced) {
    for (uint16_t n = in.Count(); n > 0 && in.Ok(); --n) {
        in.Skip(4); // count
        in.Text();  // name
        in.Text();  // abbreviation
        if (priced) in.Skip(4);
    }
}

// True when one of the units stands on guard.
bool CopyUnits(Copier& in) {
    bool guarded = false;
    for (uint16_t n = in.Count(); n > 0 && in.Ok(); --n) {
        CopyItems(in, false);
        in.Skip(4); // faction
        in.Text();  // name
        in.Skip(4); // number
        if (in.Number<uint32_t>() & UnitNode::OnGuard) guarded = true;
        in.Skip(2); // building
    }
    return guarded;
}

void CopyBuildings(Copier& in) {
    for (uint16_t n = in.Count(); n > 0 && in.Ok(); --n) {
        in.Text(); // name
        in.Skip(2);
        in.Text(); // description
    }
}

} // namespace

bool CopyLocationList(iwstream& is, std::vector<unsigned char>& bytes,
                      std::vector<LocationSighting>& sightings) {
    Copier in(is, bytes);
    for (uint16_t n = in.Count(); n > 0 && in.Ok(); --n) {
        LocationSighting s;
        in.Skip(1); // terrain kind
        in.Text();  // terrain name
        s.coord.x = in.Number<int16_t>();
        s.coord.y = in.Number<int16_t>();
        s.coord.z = in.Number<uint8_t>();
        in.Text();   // region name
        in.Text();   // town name
        in.Text();   // town kind
        in.Skip(4);  // peasants
        in.Text();   // peasant race
        in.Skip(16); // silver, wages, maximum wages, entertainment
        CopyItems(in, true);  // wanted
        CopyItems(in, true);  // for sale
        CopyItems(in, false); // products
        s.guarded = CopyUnits(in);
        CopyBuildings(in);
        s.partial = (in.Number<uint32_t>() & LocationNode::LocPartial) != 0;
        if (in.Ok()) sightings.push_back(s);
    }
    return in.Ok();
}
