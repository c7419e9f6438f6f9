// Every field of each turn's parts of the extension area at its limit: the largest value and
// the longest list written, read back and skimmed the same; one entry more refused before a byte
// is written. The fields are not listed here: the record walks fill them.
#include "base/wio.h"
#include "base/wstream.h"
#include "model/extchunks.h"
#include "model/recordio.h"
#include "model/records.h"
#include "model/turnchunk.h"
#include "model/turnextras.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

// Fills the objects a walk runs over so that each field stands at its limit: numbers at their
// largest, texts at the longest a write keeps (when longTexts), and each list whose count is
// 16 bits as long as it can say, the list numbered plusOne (in walk order) one longer. Lists
// counted in 32 bits get one entry: no report could reach their limit. An element is made once
// and copied, so the lists inside it are numbered once.
class AtTheLimit {
public:
    AtTheLimit(bool longTexts, int plusOne) : longTexts_(longTexts), plusOne_(plusOne) {}
    int sixteenBitLists = 0;

    bool U8(uint8_t& v) { return Max(v); }
    bool U16(uint16_t& v) { return Max(v); }
    bool I16(int16_t& v) { return Max(v); }
    bool U32(uint32_t& v) { return Max(v); }
    bool I32(int32_t& v) { return Max(v); }
    template <class E> bool Enum8(E& v, E max) {
        v = max;
        return true;
    }
    bool Text(Str& s) {
        s = Str(std::string(longTexts_ ? kMaxStoredTextLength : 1, 'x'));
        return true;
    }
    template <class N, class C, class Each> bool Many(C& c, Each each) {
        using Elem = typename recordio::Seq<C>::Elem;
        size_t n = 1;
        if constexpr (sizeof(N) == 2) {
            n = longTexts_ ? 1 : std::numeric_limits<N>::max();
            if (sixteenBitLists++ == plusOne_) ++n;
        }
        Elem e{};
        if (!each(e)) return false;
        if constexpr (recordio::IsMap<C>::value) {
            static_assert(sizeof(N) == 4, "a map of one entry cannot stand at a 16-bit limit");
            c.insert(std::move(e));
        } else {
            c.assign(n, e);
        }
        return true;
    }

private:
    template <class T> bool Max(T& v) {
        v = std::numeric_limits<T>::max();
        return true;
    }
    bool longTexts_;
    int plusOne_;
};

// Each kind of per-turn part and its walk; the count check below fails when a kind is added to
// the chunk table without its walk here.
struct PartWalk {
    const TurnPartKind* kind;
    std::function<bool(AtTheLimit&, TurnExtras&)> fill;
};
const PartWalk kWalks[] = {
    {&kRegionsPart, [](AtTheLimit& w, TurnExtras& e) { return DocRecords::Regions(w, e); }},
    {&kUnitsPart, [](AtTheLimit& w, TurnExtras& e) { return DocRecords::Units(w, e); }},
    {&kEventsPart, [](AtTheLimit& w, TurnExtras& e) { return DocRecords::Events(w, e); }},
    {&kWagesPart, [](AtTheLimit& w, TurnExtras& e) { return DocRecords::WageDecimals(w, e); }},
    {&kFactionPart, [](AtTheLimit& w, TurnExtras& e) { return DocRecords::FactionPage(w, e); }},
    {&kUnitFlagsPart, [](AtTheLimit& w, TurnExtras& e) { return DocRecords::UnitFlags(w, e); }},
};

std::vector<unsigned char> WrittenPart(const TurnPartKind& kind, const TurnExtras& extras,
                                       int* state = nullptr) {
    omwstream os;
    kind.write(os, extras);
    if (state) *state = os.rdstate();
    return os.Bytes();
}

// Written, skimmed to its last byte and read back the same.
void ExpectRoundTrip(const TurnPartKind& kind, const TurnExtras& extras) {
    CountCheck check;
    EXPECT_TRUE(kind.fits(check, extras));
    int state = -1;
    const std::vector<unsigned char> bytes = WrittenPart(kind, extras, &state);
    ASSERT_EQ(state, 0);
    ByteSkim skim(bytes.data(), bytes.size());
    EXPECT_TRUE(kind.skim(skim));
    EXPECT_EQ(skim.Left(), 0u);
    EXPECT_TRUE(skim.normal);
    ByteReader in(KeptBytes::Copy(bytes.data(), bytes.size()));
    TurnExtras back;
    ASSERT_TRUE(kind.read(in, back));
    EXPECT_EQ(in.Left(), 0u);
    EXPECT_TRUE(back == extras);
}

} // namespace

TEST(FileLimits, EveryFieldOfEachTurnsPartsAtItsLimitReadsBackAndOneMoreIsRefused) {
    size_t perTurnKinds = 0;
    for (const ExtChunkKind& kind : ExtChunkKinds())
        perTurnKinds += kind.perTurn != nullptr;
    ASSERT_EQ(perTurnKinds, std::size(kWalks));

    for (const PartWalk& walk : kWalks) {
        SCOPED_TRACE(walk.kind->slot);
        ASSERT_NE(walk.kind->fits, nullptr);
        // Every number at its largest and every text at its longest.
        TurnExtras fields;
        AtTheLimit longTexts(true, -1);
        ASSERT_TRUE(walk.fill(longTexts, fields));
        ExpectRoundTrip(*walk.kind, fields);

        // Every 16-bit list as long as its count can say.
        TurnExtras longest;
        AtTheLimit counts(false, -1);
        ASSERT_TRUE(walk.fill(counts, longest));
        ExpectRoundTrip(*walk.kind, longest);

        // Each of them one longer: refused by the check, and by the writer, which says why.
        for (int list = 0; list < counts.sixteenBitLists; ++list) {
            SCOPED_TRACE("list " + std::to_string(list));
            TurnExtras beyond;
            AtTheLimit oneMore(false, list);
            ASSERT_TRUE(walk.fill(oneMore, beyond));
            CountCheck check;
            EXPECT_FALSE(walk.kind->fits(check, beyond));
            ASSERT_TRUE(check.beyond.has_value());
            EXPECT_EQ(check.beyond->most, 0xFFFFu);
            int state = 0;
            WrittenPart(*walk.kind, beyond, &state);
            EXPECT_EQ(state, wstream::BeyondFormat);
        }
    }
    // The lists a report can make too long: the exits of a region, the skills of a unit and
    // the skills it can study.
    AtTheLimit regions(false, -1), units(false, -1);
    TurnExtras scratch;
    DocRecords::Regions(regions, scratch);
    DocRecords::Units(units, scratch);
    EXPECT_EQ(regions.sixteenBitLists + units.sixteenBitLists, 3);
}
