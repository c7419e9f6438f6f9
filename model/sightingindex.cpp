#include "model/sightingindex.h"

#include "model/location.h"
#include "model/turn.h"

#include <algorithm>

void SightingIndex::Clear() {
    hexes_.clear();
    hexOf_.clear();
    steps_.clear();
    turns_.clear();
    stamps_.clear();
    sourceTurns_.clear();
}

void SightingIndex::Build(const std::vector<Source>& sources) {
    Clear();
    std::vector<uint32_t> ordered;
    for (const Source& source : sources) {
        int count = 0;
        for (const TurnNode& turn : *source.turns) {
            ordered.push_back(static_cast<uint32_t>(turns_.size()));
            turns_.push_back({&turn, source.faction});
            stamps_.push_back(turn.Stamp());
            ++count;
        }
        sourceTurns_.push_back(source.faction);
        sourceTurns_.push_back(count);
    }
    // By date, the sources in their order at one date. Only a damaged file holds its turns
    // out of order; shown as if they were in order.
    std::stable_sort(ordered.begin(), ordered.end(), [this](uint32_t a, uint32_t b) {
        return turns_[a].node->date < turns_[b].node->date;
    });

    // The walk notes each change of a hex's state as (hex, step); the steps are then grouped
    // by hex, keeping their order, in one array.
    struct Change {
        uint32_t hex;
        Step step;
    };
    std::vector<Change> changes;
    std::vector<Step> current; // per hex, its state so far
    for (uint32_t t : ordered) {
        const int32_t date = turns_[t].node->date.Value();
        uint32_t ordinal = 0;
        turns_[t].node->ForEachSighting([&](const LocationSighting& loc) {
            const uint32_t place = ordinal++;
            auto [at, isNew] = hexOf_.try_emplace(loc.coord, static_cast<uint32_t>(hexes_.size()));
            if (isNew) {
                hexes_.push_back(Hex{loc.coord});
                Step first{t, place, date,
                           static_cast<uint8_t>((loc.partial ? kPartial : 0) |
                                                (loc.guarded ? kGuarded : 0))};
                current.push_back(first);
                changes.push_back({at->second, first});
                return;
            }
            if (loc.partial) return; // a partial sighting after the first changes nothing
            Step& state = current[at->second];
            if (state.date >= date && !(state.marks & kPartial)) {
                // Another source's sighting of the month shown is kept beside it; an older
                // one, or a second of one source's month (a damaged file), changes nothing.
                if (state.date != date || turns_[state.turn].source == turns_[t].source) return;
                if (loc.guarded) state.marks |= kGuarded;
                changes.push_back(
                    {at->second,
                     Step{t, place, date, static_cast<uint8_t>(state.marks | kSameMonth)}});
                return;
            }
            state.turn = t;
            state.ordinal = place;
            state.date = date;
            state.marks &= static_cast<uint8_t>(~kPartial);
            if (loc.guarded) state.marks |= kGuarded;
            changes.push_back({at->second, state});
        });
    }

    for (const Change& change : changes)
        ++hexes_[change.hex].count;
    uint32_t next = 0;
    for (Hex& hex : hexes_) {
        hex.first = next;
        next += hex.count;
        hex.count = 0;
    }
    steps_.resize(changes.size());
    for (const Change& change : changes) {
        Hex& hex = hexes_[change.hex];
        steps_[hex.first + hex.count++] = change.step;
    }
}

bool SightingIndex::IsCurrent(const std::vector<Source>& sources) const {
    if (sourceTurns_.size() != 2 * sources.size()) return false;
    size_t i = 0, s = 0;
    for (const Source& source : sources) {
        if (sourceTurns_[s] != source.faction) return false;
        size_t end = i + static_cast<size_t>(sourceTurns_[s + 1]);
        s += 2;
        for (const TurnNode& turn : *source.turns)
            if (i >= end || stamps_[i++] != turn.Stamp()) return false;
        if (i != end) return false;
    }
    return true;
}

const SightingIndex::Step* SightingIndex::StepAt(const Hex& hex, AtlDate date) const {
    const Step* begin = steps_.data() + hex.first;
    const Step* end = begin + hex.count;
    // The last step on or before date: steps of one date follow each other in walk order.
    const Step* after = std::upper_bound(begin, end, date.Value(),
                                         [](int32_t d, const Step& s) { return d < s.date; });
    return after == begin ? nullptr : after - 1;
}

const LocationNode* SightingIndex::LocationOf(const Step& step) const {
    return turns_[step.turn].node->LocationAt(step.ordinal);
}

std::optional<SightingIndex::Shown> SightingIndex::ShownOf(const Hex& hex, const Step* last) const {
    const Step* lead = last;
    while (lead->marks & kSameMonth)
        --lead;
    const LocationNode* loc = LocationOf(*lead);
    if (!loc) return std::nullopt;
    return Shown{hex.coord,
                 loc,
                 AtlDate(lead->date),
                 turns_[lead->turn].source,
                 (lead->marks & kPartial) != 0,
                 (last->marks & kGuarded) != 0,
                 static_cast<uint32_t>(lead - steps_.data()) + 1,
                 static_cast<uint32_t>(last - lead)};
}
