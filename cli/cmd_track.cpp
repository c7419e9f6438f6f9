#include "base/textutil.h"
#include "cli/clidoc.h"
#include "cli/commands.h"
#include "map/unittrack.h"

#include <climits>
#include <cstdio>

// Where the unit was seen, a line a month, oldest first; like grep, 1 when nowhere.
int RunTrack(const CommandArgs& args) {
    const char* path = args.operands[0].c_str();
    const std::string& text = args.operands[1];
    auto number = ParseWhole(text, 1, INT_MAX);
    if (!number) {
        FailMessage(Msg::BadUnitNumber, {text});
        return args.UsageError();
    }
    DocController doc;
    if (!OpenDocument(doc, path)) return 2; // as for bad arguments: no answer could be made
    std::vector<TrackPoint> track = UnitTrackOf(doc.Doc(), static_cast<int32_t>(*number));
    for (const TrackPoint& point : track)
        std::printf("%s\t%d,%d,%d\t%d\n", point.date.GetString().Get(), point.coord.x,
                    point.coord.y, point.coord.z, point.source);
    if (std::fflush(stdout) != 0) return FailMessage(Msg::CannotWriteOutput);
    return track.empty() ? 1 : 0;
}
