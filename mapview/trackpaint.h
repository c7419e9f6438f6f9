#pragma once

#include "base/pixelrect.h"
#include "gfx/grafcolor.h"
#include "map/unittrack.h"

#include <vector>

class GrafView;
class HexGeometry;
class ScrollData;

// A unit's track over the map of one level: a line through the hexes it was seen in, oldest to
// newest, each position dotted and labelled with its month; where the unit came from or went to
// another level, a ring round the hex it arrived at or left from.
class TrackPainter {
public:
    static constexpr GrafColor kLine{255, 64, 200};
    static constexpr GrafColor kLabel{255, 255, 255};
    static constexpr int kLineWidth = 3;

    void SetTrack(std::vector<TrackPoint> track) { track_ = std::move(track); }
    const std::vector<TrackPoint>& Track() const { return track_; }
    bool IsEmpty() const { return track_.empty(); }

    // The centres of the track's positions on plain z in window pixels, in track order; each
    // position on the copy of its hex nearest the one before, so that the line never crosses
    // the whole world where it wraps.
    std::vector<PixelPoint> Points(const HexGeometry& geometry, const ScrollData& scroll,
                                   int z) const;
    // The dates written on plain z, in track order: months one after another in one hex share
    // a label ("January, Year 1 - March, Year 1"), so that a unit that stayed is not a pile of
    // dates; a hex the unit came back to later gets another label below.
    struct Label {
        AtlCoord coord;
        Str text;
    };
    std::vector<Label> Labels(int z) const;
    void Draw(GrafView& view, const HexGeometry& geometry, const ScrollData& scroll, int z) const;

private:
    std::vector<TrackPoint> track_;
};
