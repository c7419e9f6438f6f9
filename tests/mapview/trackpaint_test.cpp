// A unit's track drawn over the map: the line between the hexes of consecutive months on the
// level shown, broken where the unit went to another level.
#include "gfx/offscreen.h"
#include "map/atlmap.h"
#include "map/hexgeometry.h"
#include "map/scrolldata.h"
#include "mapview/mappainter.h"
#include "mapview/trackpaint.h"

#include <gtest/gtest.h>

namespace {

TrackPoint At(int month, int x, int y, int z = 0) {
    return TrackPoint{AtlDate(month, 1), AtlCoord(x, y, z), 3, 3, false};
}

struct Picture {
    AtlMap map;
    HexGeometry geometry;
    ScrollData scroll;
    OffscreenBuffer buffer;
    Picture() {
        scroll.Setup(900, 600, 64, 64, HexGeometry::kWrapWidth);
        buffer.Resize(900, 600);
    }
    void Paint(const TrackPainter* track) {
        MapPainter painter(map, geometry);
        painter.SetTrack(track);
        OffscreenBuffer::Painting painting(buffer);
        painter.Draw(painting.View(), {0, 0, 900, 600}, 0, scroll);
    }
    bool LineAt(PixelPoint p) const {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (buffer.PixelAt(p.x + dx, p.y + dy) == TrackPainter::kLine) return true;
        return false;
    }
};

PixelPoint Middle(PixelPoint a, PixelPoint b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

// The Shipwrights' voyage as the reports tell it, with a month in the underworld between.
TEST(TrackPaint, DrawsTheLineBetweenMonthsOnTheLevelShownOnly) {
    TrackPainter track;
    track.SetTrack({At(1, 16, 6), At(2, 16, 6), At(3, 15, 5), At(4, 14, 4), At(5, 4, 4, 1),
                    At(6, 12, 4), At(7, 12, 2), At(8, 13, 1)});
    Picture picture;
    std::vector<PixelPoint> points = track.Points(picture.geometry, picture.scroll, 0);
    ASSERT_EQ(points.size(), 7u) << "the underworld's month is not on the surface";

    picture.Paint(nullptr);
    for (size_t i = 1; i < points.size(); ++i)
        EXPECT_FALSE(picture.LineAt(Middle(points[i - 1], points[i])));

    picture.Paint(&track);
    for (size_t i = 0; i < points.size(); ++i)
        EXPECT_TRUE(picture.LineAt(points[i])) << "no dot for month " << i;
    // (16,6) to (15,5) to (14,4); then the unit left for the underworld and came back at (12,4).
    EXPECT_TRUE(picture.LineAt(Middle(points[1], points[2])));
    EXPECT_TRUE(picture.LineAt(Middle(points[2], points[3])));
    EXPECT_FALSE(picture.LineAt(Middle(points[3], points[4]))) << "a jump is no line";
    EXPECT_TRUE(picture.LineAt(Middle(points[4], points[5])));
    EXPECT_TRUE(picture.LineAt(Middle(points[5], points[6])));
}

// Months one after another in one hex share a label; a hex come back to gets another.
TEST(TrackPaint, LabelsAStayOnceAndAReturnAgain) {
    TrackPainter track;
    track.SetTrack(
        {At(1, 16, 6), At(2, 16, 6), At(3, 16, 6), At(4, 15, 5), At(5, 4, 4, 1), At(6, 16, 6)});
    std::vector<std::pair<AtlCoord, std::string>> labels;
    for (const TrackPainter::Label& label : track.Labels(0))
        labels.push_back({label.coord, label.text.Get()});
    const std::vector<std::pair<AtlCoord, std::string>> expected = {
        {AtlCoord(16, 6, 0), "February, Year 1 - April, Year 1"},
        {AtlCoord(15, 5, 0), "May, Year 1"},
        {AtlCoord(16, 6, 0), "July, Year 1"}};
    EXPECT_EQ(labels, expected);
}

} // namespace
