// A unit's track: its months as a line on the map, and listed beside it with the hexes as
// links to the map.
#include "app/globals.h"
#include "app/profile.h"
#include "base/cp1252.h"
#include "base/messagetext.h"
#include "map/unittrack.h"
#include "ui/lineswindow.h"
#include "vexlor/framewindow.h"

#include <string>

namespace {

constexpr const char* kTrackSection = "TrackPanel";
constexpr int kTrackWidth = 300;

} // namespace

void FrameWindow::ClearTrack() {
    map_->SetTrack({});
    if (trackList_) trackList_->Close();
}

void FrameWindow::TrackUnit(int32_t number) {
    std::vector<TrackPoint> track = UnitTrackOf(Document(), number);
    if (!trackList_) {
        trackList_ = std::make_unique<DLinesWindow>(
            this, "", DDockPanel::Place{Profile, kTrackSection, DDockPanel::Right, kTrackWidth},
            [this](int target) {
                if (target < 0 || target >= static_cast<int>(trackHexes_.size())) return;
                GoTo(trackHexes_[static_cast<size_t>(target)]);
                UpdateCommands();
            });
        trackList_->OnClosed([this] {
            map_->SetTrack({});
            map_->SetFocus();
        });
    }
    std::string unit = std::to_string(number);
    trackList_->SetCaption(
        FormatMessageText(Language.Text(Msg::UnitTrackTitle).Get(), {unit}).Get());
    std::vector<DLinesWindow::Line> lines;
    trackHexes_.clear();
    for (const TrackPoint& point : track) {
        // "March, Year 3  (12,4)  3": the month, the hex (a link) and whose report saw it.
        Str text = point.date.GetString() + "  ";
        Str hex = point.coord.GetString();
        DLinesWindow::Link link{text.Length(), hex.Length(), static_cast<int>(trackHexes_.size())};
        trackHexes_.push_back(point.coord);
        text += hex;
        std::string faction = std::to_string(point.faction);
        Str seen = Language.Text(Msg::TrackSource);
        text += "  " + seen + " " + Str(std::to_string(point.source).c_str());
        if (point.faction != 0)
            text += ", " +
                    (point.factionKept
                         ? FormatMessageText(Language.Text(Msg::TrackFactionKept).Get(), {faction})
                         : Str(faction.c_str()));
        lines.push_back({Str(Utf8ToCp1252(text.Get()).c_str()), false, {link}});
    }
    if (lines.empty())
        lines.push_back(
            {Str(Utf8ToCp1252(
                     FormatMessageText(Language.Text(Msg::UnitNeverSeen).Get(), {unit}).Get())
                     .c_str()),
             false,
             {}});
    trackList_->SetLines(std::move(lines));
    map_->SetTrack(std::move(track));
    trackList_->Open();
}
