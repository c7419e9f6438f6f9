#include "mapview/trackpaint.h"

#include "gfx/grafview.h"
#include "map/hexgeometry.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

// The centre of the copy of c nearest near (any copy when near is null).
PixelPoint Centre(const HexGeometry& geometry, const ScrollData& scroll, const AtlCoord& c,
                  const PixelPoint* near) {
    const HexMetrics& m = geometry.Metrics();
    PixelPoint best{};
    long bestDistance = std::numeric_limits<long>::max();
    for (PixelPoint corner : geometry.HexCorners(c, scroll)) {
        PixelPoint centre{corner.x + m.width / 2, corner.y + m.height / 2};
        long distance = near ? std::labs(static_cast<long>(centre.x) - near->x) : 0;
        if (distance < bestDistance) {
            best = centre;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

std::vector<PixelPoint> TrackPainter::Points(const HexGeometry& geometry, const ScrollData& scroll,
                                             int z) const {
    std::vector<PixelPoint> points;
    for (const TrackPoint& p : track_)
        if (p.coord.z == z)
            points.push_back(
                Centre(geometry, scroll, p.coord, points.empty() ? nullptr : &points.back()));
    return points;
}

std::vector<TrackPainter::Label> TrackPainter::Labels(int z) const {
    std::vector<Label> labels;
    for (size_t i = 0; i < track_.size(); ++i) {
        const TrackPoint& p = track_[i];
        if (p.coord.z != z) continue;
        size_t last = i;
        while (last + 1 < track_.size() && track_[last + 1].coord == p.coord)
            ++last;
        Str text = p.date.GetString();
        if (last != i) {
            text += " - ";
            text += track_[last].date.GetString();
        }
        labels.push_back({p.coord, text});
        i = last;
    }
    return labels;
}

void TrackPainter::Draw(GrafView& view, const HexGeometry& geometry, const ScrollData& scroll,
                        int z) const {
    if (track_.empty()) return;
    const HexMetrics& m = geometry.Metrics();
    const int dot = std::max(3, m.height / 10);
    view.SaveState();
    view.SetPen(kLine, kLineWidth);
    // A segment joins two months seen on this level one after the other; a change of level
    // breaks the line and rings the hex on this level's side.
    const std::vector<PixelPoint> points = Points(geometry, scroll, z);
    std::vector<AtlCoord> shown; // the hexes of points, beside them
    const PixelPoint* before = nullptr;
    for (size_t i = 0; i < track_.size(); ++i) {
        const TrackPoint& p = track_[i];
        if (p.coord.z != z) {
            before = nullptr;
            continue;
        }
        const PixelPoint& at = points[shown.size()];
        if (before) {
            view.MoveTo(before->x, before->y);
            view.LineTo(at.x, at.y);
        }
        bool jump = (i > 0 && track_[i - 1].coord.z != z) ||
                    (i + 1 < track_.size() && track_[i + 1].coord.z != z);
        if (jump) {
            const int r = m.height / 3;
            view.MoveTo(at.x - r, at.y);
            view.LineTo(at.x, at.y - r);
            view.LineTo(at.x + r, at.y);
            view.LineTo(at.x, at.y + r);
            view.LineTo(at.x - r, at.y);
        }
        shown.push_back(p.coord);
        before = &at;
    }
    for (const PixelPoint& at : points) {
        PixelPoint square[4] = {{at.x - dot, at.y - dot},
                                {at.x + dot, at.y - dot},
                                {at.x + dot, at.y + dot},
                                {at.x - dot, at.y + dot}};
        view.FillPolygon(square, 4, kLine);
    }
    // A hex the unit came back to: its labels stack below its centre.
    view.SetFont("DejaVu Sans", std::max(8, m.height / 5), false);
    view.SetTextColor(kLabel);
    view.SetTextAlign(GrafView::AlignCenter | GrafView::AlignTop);
    std::vector<std::pair<AtlCoord, int>> stacked;
    for (const Label& label : Labels(z)) {
        int row = 0;
        for (auto& [coord, rows] : stacked)
            if (coord == label.coord) row = rows++;
        if (row == 0) stacked.push_back({label.coord, 1});
        const PixelPoint& at =
            points[std::find(shown.begin(), shown.end(), label.coord) - shown.begin()];
        view.TextOut(at.x, at.y + dot + row * (std::max(8, m.height / 5) + 1), label.text.Get());
    }
    view.RestoreState();
}
