#include "model/turnstamps.h"

#include "model/turn.h"

void TurnStamps::Clear() {
    stamps_.clear();
    sourceTurns_.clear();
}

void TurnStamps::Take(const std::vector<TurnSource>& sources) {
    Clear();
    for (const TurnSource& source : sources) {
        int count = 0;
        for (const TurnNode& turn : *source.turns) {
            stamps_.push_back(turn.Stamp());
            ++count;
        }
        sourceTurns_.push_back(source.faction);
        sourceTurns_.push_back(count);
    }
}

bool TurnStamps::Match(const std::vector<TurnSource>& sources) const {
    if (sourceTurns_.size() != 2 * sources.size()) return false;
    size_t i = 0, s = 0;
    for (const TurnSource& source : sources) {
        if (sourceTurns_[s] != source.faction) return false;
        size_t end = i + static_cast<size_t>(sourceTurns_[s + 1]);
        s += 2;
        for (const TurnNode& turn : *source.turns)
            if (i >= end || stamps_[i++] != turn.Stamp()) return false;
        if (i != end) return false;
    }
    return true;
}
