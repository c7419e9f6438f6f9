#include "map/unittrack.h"

#include "model/vexlordoc.h"

#include <algorithm>
#include <unordered_map>

void UnitTracks::Build(const VexlorDoc& doc) {
    ++builds_;
    const std::vector<TurnSource> sources = doc.SightingSources();
    stamps_.Take(sources);
    // Gathered as (unit, sighting), then grouped by unit keeping the order of dates and
    // sources, as a counting sort.
    std::unordered_map<int32_t, uint32_t> unitOf;
    std::vector<std::pair<uint32_t, Sighting>> seen;
    std::vector<int32_t> numbers;
    uint8_t rank = 0;
    std::vector<AtlCoord> coords;
    std::vector<UnitSighting> units;
    for (const TurnSource& source : sources) {
        for (const TurnNode& turn : *source.turns) {
            // The turn's bytes skimmed: no turn's objects are made for a track.
            coords.clear();
            turn.ForEachSighting([&](const LocationSighting& loc) { coords.push_back(loc.coord); });
            units.clear();
            turn.UnitSightings(units);
            for (const UnitSighting& unit : units) {
                if (unit.location >= coords.size()) continue;
                auto [at, isNew] =
                    unitOf.try_emplace(unit.number, static_cast<uint32_t>(numbers.size()));
                if (isNew) numbers.push_back(unit.number);
                seen.push_back({at->second, Sighting{turn.date.Value(), coords[unit.location], rank,
                                                     source.faction, unit.faction}});
            }
        }
        if (rank < UINT8_MAX) ++rank;
    }

    std::vector<uint32_t> order(numbers.size());
    for (uint32_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](uint32_t a, uint32_t b) { return numbers[a] < numbers[b]; });
    std::vector<uint32_t> place(numbers.size());
    numbers_.resize(numbers.size());
    ranges_.assign(numbers.size(), Range{});
    for (uint32_t i = 0; i < order.size(); ++i) {
        place[order[i]] = i;
        numbers_[i] = numbers[order[i]];
    }
    for (const auto& [unit, sighting] : seen)
        ++ranges_[place[unit]].count;
    uint32_t next = 0;
    for (Range& range : ranges_) {
        range.first = next;
        next += range.count;
        range.count = 0;
    }
    sightings_.resize(seen.size());
    for (const auto& [unit, sighting] : seen) {
        Range& range = ranges_[place[unit]];
        sightings_[range.first + range.count++] = sighting;
    }
    // Sources came one after another: each unit's sightings by date, sources in order.
    for (const Range& range : ranges_)
        std::stable_sort(sightings_.begin() + range.first,
                         sightings_.begin() + range.first + range.count,
                         [](const Sighting& a, const Sighting& b) { return a.date < b.date; });
}

std::vector<TrackPoint> UnitTracks::Track(const VexlorDoc& doc, int32_t number) {
    if (builds_ == 0 || !stamps_.Match(doc.SightingSources())) Build(doc);
    std::vector<TrackPoint> track;
    auto found = std::lower_bound(numbers_.begin(), numbers_.end(), number);
    if (found == numbers_.end() || *found != number) return track;
    const Range& range = ranges_[static_cast<size_t>(found - numbers_.begin())];
    const Sighting* begin = sightings_.data() + range.first;
    const Sighting* end = begin + range.count;
    int lastFaction = 0;
    for (const Sighting* month = begin; month != end;) {
        const Sighting* monthEnd = month;
        while (monthEnd != end && monthEnd->date == month->date)
            ++monthEnd;
        // As HexUnits takes a unit that several reports saw.
        const Sighting* taken = nullptr;
        for (const Sighting* s = month; s != monthEnd && !taken; ++s)
            if (s->faction != 0 && s->faction == s->source) taken = s;
        for (const Sighting* s = month; s != monthEnd && !taken; ++s)
            if (s->faction != 0) taken = s;
        if (!taken) taken = month;
        TrackPoint point{AtlDate(taken->date), taken->coord, taken->source, taken->faction};
        if (point.faction == 0 && lastFaction != 0) {
            point.faction = lastFaction;
            point.factionKept = true;
        }
        lastFaction = point.faction;
        track.push_back(point);
        month = monthEnd;
    }
    return track;
}
