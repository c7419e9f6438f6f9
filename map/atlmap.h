#pragma once

#include "model/atldate.h"

#include "map/atlplain.h"
#include "map/hexdata.h"
#include "model/atlcoord.h"

#include <deque>
#include <map>
#include <memory>
#include <vector>

class LevelWidths;
class MapViewSink;

// The hex map of every level for the turn on show, with the selection of each level.
// The surface (level 0) is always there, so that empty ground can be selected before the
// first document; other levels come with their first hex.
class AtlMap {
public:
    // view may be null; it is told which hexes to redraw when the selection changes.
    explicit AtlMap(MapViewSink* view = nullptr);
    AtlMap(const AtlMap&) = delete;
    AtlMap& operator=(const AtlMap&) = delete;

    void SetView(MapViewSink* view) { view_ = view; }

    // Forgets every hex and level but the empty surface, and the sightings kept for them;
    // learned widths stay.
    void Clear();
    // Keeps a hex's same-month sightings (AtlHexData::SetSameMonth) until the next Clear.
    const std::vector<HexSighting>* KeepSightings(std::vector<HexSighting> sightings) {
        return &sameMonth_.emplace_back(std::move(sightings));
    }
    // Takes the widths the reports showed for every level (present now or later).
    void SetLearnedWidths(const LevelWidths& widths);
    // The date the map was built for (the turn on show).
    AtlDate Date() const { return date_; }
    void SetDate(AtlDate date) { date_ = date; }

    // Every level's selection, or one level's.
    void ClearSelection();
    int GetSelCount() const;
    // The first selected hex of the levels in the game's order, else (-1, -1, 1).
    AtlCoord GetSelectedCoord() const;
    // The selected hex of each level that has exactly one, to select again after a rebuild.
    std::vector<AtlCoord> SelectedHexes() const;

    const AtlHexData* GetHex(const AtlCoord& c) const;
    AtlHexData* GetHex(const AtlCoord& c);
    void SetHex(const AtlCoord& c, const AtlHexData& hex) { Plain(c.z).SetHex(c, hex); }
    void RemoveHex(const AtlCoord& c);
    // Selecting empty ground stores a placeholder record, which deselecting removes again.
    void SelectHex(const AtlCoord& c, bool select);

    // The level z, or null when the map holds nothing of it.
    AtlPlain* GetPlain(int z);
    const AtlPlain* GetPlain(int z) const;
    // The level z, made empty when it is not there yet.
    AtlPlain& Plain(int z);

    // Every level the map holds anything of (a selection too), in order of number.
    std::vector<int> Levels() const;
    // The levels with known hexes, and the surface, from top to bottom as the game orders
    // them: the nexus, the surface, the underworld, then the deeper levels by number.
    std::vector<int> ShownLevels() const;
    // Where level z stands in that order: lower is higher up.
    static int LevelRank(int z) { return z == 2 ? -1 : z; }

private:
    void Invalidate(const AtlCoord& c) const;

    std::map<int, std::unique_ptr<AtlPlain>> plains_;
    std::map<int, int> learnedWidths_;
    std::deque<std::vector<HexSighting>> sameMonth_; // a deque: the hexes point into it
    MapViewSink* view_;
    AtlDate date_;
};
