// A unit's track over the months, on the real reports of a game whose three factions saw
// each other: Red Wolves (3) holds Green Oaks (5) as an ally.
#include "map/unittrack.h"
#include "model/docfile.h"
#include "tests/support/docbuild.h"
#include "tests/support/reportdoc.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kGame = std::string(VEXLOR_REPORTS_DIR) + "/head-standard";

// Each position as "month x,y,z source", the month counted from January, Year 1 as 1.
std::vector<std::string> Where(const std::vector<TrackPoint>& track) {
    std::vector<std::string> seen;
    for (const TrackPoint& p : track)
        seen.push_back(std::to_string(p.date.Value() - AtlDate(0, 1).Value() + 1) + " " +
                       std::to_string(p.coord.x) + "," + std::to_string(p.coord.y) + "," +
                       std::to_string(p.coord.z) + " " + std::to_string(p.source));
    return seen;
}

// The Shipwrights leave their forest on the longship they built and sail the ocean.
TEST(UnitTrack, FollowsAUnitThatMovesBetweenTurns) {
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, ReportSeries(kGame, 3, 8)), "");
    std::vector<TrackPoint> track = UnitTrackOf(doc, 360);
    EXPECT_EQ(Where(track),
              (std::vector<std::string>{"1 16,6,0 3", "2 16,6,0 3", "3 15,5,0 3", "4 14,4,0 3",
                                        "5 13,5,0 3", "6 12,4,0 3", "7 12,2,0 3", "8 13,1,0 3"}));
    for (const TrackPoint& p : track) {
        EXPECT_EQ(p.faction, 3);
        EXPECT_FALSE(p.factionKept);
    }
    EXPECT_TRUE(UnitTrackOf(doc, 999999).empty());
}

// An ally's reports add the months only it saw the unit; in a month both saw it, the owner's
// report is the one taken.
TEST(UnitTrack, TakesAlliesSightingsTheOwnersReportFirst) {
    VexlorDoc doc;
    ASSERT_EQ(AddReports(doc, ReportSeries(kGame, 3, 8)), "");
    // Red Wolves saw Green Oaks' Rangers from March to June.
    std::vector<TrackPoint> own = UnitTrackOf(doc, 413);
    ASSERT_EQ(own.size(), 4u);
    for (const TrackPoint& p : own) {
        EXPECT_EQ(p.source, 3);
        EXPECT_EQ(p.faction, 5);
    }

    ASSERT_EQ(AddAllyReports(doc, 5, "Green Oaks", ReportSeries(kGame, 5, 8)), "");
    std::vector<TrackPoint> allied = UnitTrackOf(doc, 413);
    ASSERT_EQ(allied.size(), 5u) << "Green Oaks saw their Rangers from March to July";
    for (size_t i = 0; i < allied.size(); ++i) {
        EXPECT_EQ(allied[i].source, 5) << "the owner's report leads";
        if (i > 0) {
            EXPECT_LT(allied[i - 1].date, allied[i].date) << "one position a month";
        }
    }
    for (size_t i = 0; i < own.size(); ++i) {
        EXPECT_EQ(allied[i].date, own[i].date);
        EXPECT_EQ(allied[i].coord, own[i].coord) << "both reports saw the Rangers in one hex";
    }
}

// A document read from its file keeps its turns as bytes and their units as noted when it was
// read; the track is the same, and taking it made no turn's objects.
TEST(UnitTrack, SameFromTheFileAsFromTheReports) {
    VexlorDoc made;
    ASSERT_EQ(AddReports(made, ReportSeries(kGame, 3, 8)), "");
    TempFolder folder("track");
    const std::string path = (folder.path / "track.atl").string();
    ASSERT_EQ(SaveDocFile(made, path.c_str()), DocSaved);
    VexlorDoc read;
    ASSERT_EQ(OpenDocFile(read, path.c_str()), DocRead);
    for (int32_t unit : {360, 413, 1})
        EXPECT_EQ(UnitTrackOf(read, unit), UnitTrackOf(made, unit)) << unit;
    for (const TurnNode& turn : read.Turns())
        EXPECT_TRUE(turn.IsKept()) << "the track made the objects of " << turn.date.Value();
}

// A unit that a later report saw without its faction keeps the faction seen before, marked.
TEST(UnitTrack, KeepsTheFactionLastSeen) {
    VexlorDoc doc;
    doc.SetFaction(3);
    AddUnit(AddLoc(doc, AtlDate(1, 1), AtlCoord(2, 2)), 77, "Spies", 8);
    AddUnit(AddLoc(doc, AtlDate(2, 1), AtlCoord(4, 2)), 77, "Spies", 0);
    AddUnit(AddLoc(doc, AtlDate(4, 1), AtlCoord(4, 4, 1)), 77, "Spies", 0);
    std::vector<TrackPoint> track = UnitTrackOf(doc, 77);
    ASSERT_EQ(track.size(), 3u);
    EXPECT_EQ(track[0].faction, 8);
    EXPECT_FALSE(track[0].factionKept);
    for (size_t i = 1; i < 3; ++i) {
        EXPECT_EQ(track[i].faction, 8);
        EXPECT_TRUE(track[i].factionKept);
    }
    EXPECT_EQ(track[2].coord, AtlCoord(4, 4, 1));
}

} // namespace
