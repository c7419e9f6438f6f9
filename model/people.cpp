#include "model/people.h"

#include "base/collate.h"

#include <algorithm>
#include <array>

namespace {

// The items the engine's rule sets make men, the standard and the later ones.
constexpr std::array<std::string_view, 22> kEngineRaces = {
    "BARB", "CTAU", "DDWA", "DMAN", "ESKI", "GBLN", "GNOL", "GNOM", "HDWA", "HELF", "IDWA",
    "LEAD", "LIZA", "NOMA", "ORC",  "PLAI", "SELF", "TELF", "TMAN", "UDWA", "VIKI", "WELF"};
static_assert(std::is_sorted(kEngineRaces.begin(), kEngineRaces.end()));

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(ToUpperAnsi(static_cast<unsigned char>(c)));
    return upper;
}

} // namespace

bool IsEngineRace(std::string_view abbr) {
    return std::binary_search(kEngineRaces.begin(), kEngineRaces.end(), abbr);
}

bool PeopleItems::IsPeople(std::string_view abbr) const {
    std::string key = Upper(abbr);
    auto [at, isNew] = known_.try_emplace(key, false);
    if (!isNew) return at->second;
    const Reference* described = refs_ ? refs_->Find(ReferenceKind::Item, key) : nullptr;
    at->second = described ? described->text.View().find("This race") != std::string_view::npos
                           : IsEngineRace(key);
    return at->second;
}
