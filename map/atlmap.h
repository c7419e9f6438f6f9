#pragma once

#include "map/atlplain.h"
#include "map/hexdata.h"
#include "model/atlcoord.h"

#include <memory>

class MapViewSink;

// The hex map of the surface (plain 0) and the underworld (plain 1) for the turn on show,
// with the selection. Other levels are never shown: reading them gives null, storing them
// discards the record.
class AtlMap {
public:
    // view may be null; it is told which hexes to redraw when the selection changes.
    explicit AtlMap(MapViewSink* view = nullptr) : view_(view) {}
    AtlMap(const AtlMap&) = delete;
    AtlMap& operator=(const AtlMap&) = delete;

    void SetView(MapViewSink* view) { view_ = view; }

    void Clear();
    void ClearSelection();
    int GetSelCount() const;
    // The first selected hex of plain 0, else of plain 1, else (-1, -1, 1).
    AtlCoord GetSelectedCoord() const;

    AtlHexData* GetHex(const AtlCoord& c) const;
    void SetHex(const AtlCoord& c, std::unique_ptr<AtlHexData> hex);
    // Selecting empty ground stores a placeholder record, which deselecting removes again.
    // A hex the grid cannot hold is not selected.
    void SelectHex(const AtlCoord& c, bool select);

    // The larger xExtent and yExtent of the two plains, at least 0: the view's scroll range.
    int XExtent() const;
    int YExtent() const;

    AtlPlain* GetPlain(int z) { return z == 0 ? &surface_ : z == 1 ? &underworld_ : nullptr; }
    const AtlPlain* GetPlain(int z) const {
        return z == 0 ? &surface_ : z == 1 ? &underworld_ : nullptr;
    }

private:
    void Invalidate(const AtlCoord& c) const;

    AtlPlain surface_{this, 0};
    AtlPlain underworld_{this, 1};
    MapViewSink* view_;
};
