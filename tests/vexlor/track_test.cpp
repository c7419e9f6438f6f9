// A unit's track in the main window on the offscreen platform: a unit line of the pane chosen
// draws the track on the map and lists its months, whose hexes lead to the map; closing the
// list, View, Clear track, or another map takes the track off the map.
#include "app/globals.h"
#include "populatedframe.h"
#include "ui/findbox.h"
#include "ui/lineswindow.h"
#include "vexlor/framewindow.h"

#include <QTreeWidget>
#include <QWidget>
#include <QtTest>

class TrackTest : public QObject {
    Q_OBJECT
    PopulatedFrame window_;
    FrameWindow& Frame() { return window_.Frame(); }

    // The Shipwrights' line of the pane clicked, in the hex they sailed to by August.
    void ChooseShipwrights() {
        Frame().GoTo(AtlCoord(13, 1)); // where the Shipwrights sailed by August
        QVERIFY(window_.ClickPaneLine(QStringLiteral("Shipwrights (360)"), Qt::MatchStartsWith));
        QTRY_VERIFY(Frame().TrackWindow() && Frame().TrackWindow()->Widget()->isVisible());
    }

private slots:
    void initTestCase() { PopulatedFrame::LoadLanguage(); }
    void init() { window_.Open(8); }
    void cleanup() { window_.Close(); }
    void cleanupTestCase() { PopulatedFrame::UnloadLanguage(); }

    void aUnitLineChosenDrawsAndListsItsTrack() {
        ChooseShipwrights();
        DLinesWindow& list = *Frame().TrackWindow();
        QCOMPARE(list.GetCaption(), Str("Track of unit 360"));
        QCOMPARE(list.GetShownCount(), 8);
        QCOMPARE(list.GetShownLine(0), Str("January, Year 1  (16,6)  Seen by 3, 3"));
        QCOMPARE(list.GetShownLine(7), Str("August, Year 1  (13,1)  Seen by 3, 3"));
        QCOMPARE(Frame().Map().GetTrack().Track().size(), size_t(8));

        // The picture for the documentation, when asked for.
        if (qEnvironmentVariableIsSet("VEXLOR_TRACK_PICTURE"))
            QVERIFY(Frame().Widget()->grab().save(qEnvironmentVariable("VEXLOR_TRACK_PICTURE")));
        list.Close();
        QVERIFY(Frame().Map().GetTrack().IsEmpty());
    }

    // A unit found offers Track unit beside going there; a building of the same number does not.
    void aUnitFoundCanBeTracked() {
        QVERIFY(Frame().EvCommand(CM_VIEWFIND));
        QVERIFY(Frame().FindBox());
        DFindBox& find = *Frame().FindBox();
        find.SetText("360");
        QVERIFY(find.GetLineCount() >= 1);
        int unit = -1;
        for (int i = 0; i < find.GetLineCount(); ++i) {
            const bool isUnit = find.GetLine(i).View().find("unit") != std::string_view::npos;
            QCOMPARE(find.LineActs(i), isUnit);
            if (isUnit) unit = i;
        }
        QVERIFY(unit >= 0);
        const Str line = find.GetLine(unit);
        find.ActOnLine(unit);
        // The map goes where the unit was found, as a click on the line would.
        QVERIFY(Frame().SelectedHex());
        QVERIFY(line.View().starts_with(Frame().SelectedHex()->GetString().View()));
        QVERIFY(Frame().TrackWindow() && Frame().TrackWindow()->IsOpen());
        QCOMPARE(Frame().TrackWindow()->GetCaption(), Str("Track of unit 360"));
        QCOMPARE(Frame().Map().GetTrack().Track().size(), size_t(8));
    }

    // View, Clear track is there only while a track is drawn, and takes it away with its
    // list; a map made new or opened in its place takes the old map's track away too.
    void theTrackIsClearedByTheMenuAndByAnotherMap() {
        QVERIFY(!Frame().IsCommandEnabled(CM_VIEWCLEARTRACK));
        ChooseShipwrights();
        QVERIFY(Frame().IsCommandEnabled(CM_VIEWCLEARTRACK));
        QVERIFY(Frame().EvCommand(CM_VIEWCLEARTRACK));
        QVERIFY(Frame().Map().GetTrack().IsEmpty());
        QVERIFY(!Frame().TrackWindow()->IsOpen());
        QVERIFY(!Frame().IsCommandEnabled(CM_VIEWCLEARTRACK));

        const std::string path = window_.File("eight.atl");
        FileDialogScript::PushFileName(path.c_str());
        QVERIFY(Frame().EvCommand(CM_FILESAVEAS));
        Frame().TrackUnit(360);
        QVERIFY(Frame().TrackWindow()->IsOpen());
        Frame().Open(path.c_str());
        QVERIFY(Frame().Map().GetTrack().IsEmpty());
        QVERIFY(!Frame().TrackWindow()->IsOpen());

        Frame().TrackUnit(360);
        QVERIFY(Frame().TrackWindow()->IsOpen());
        MessageBoxScript::PushAnswer(IDNO); // the map is not saved
        QVERIFY(Frame().EvCommand(CM_FILENEW));
        QVERIFY(Frame().Map().GetTrack().IsEmpty());
        QVERIFY(!Frame().TrackWindow()->IsOpen());
    }
};

QTEST_MAIN(TrackTest)
#include "track_test.moc"
