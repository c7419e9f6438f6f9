// A unit's track in the main window on the offscreen platform: a unit line of the pane chosen
// draws the track on the map and lists its months, whose hexes lead to the map; closing the
// list takes the track off the map.
#include "app/globals.h"
#include "populatedframe.h"
#include "ui/lineswindow.h"
#include "vexlor/framewindow.h"

#include <QTreeWidget>
#include <QWidget>
#include <QtTest>

class TrackTest : public QObject {
    Q_OBJECT
    PopulatedFrame window_;
    FrameWindow& Frame() { return window_.Frame(); }

private slots:
    void initTestCase() { PopulatedFrame::LoadLanguage(); }
    void init() { window_.Open(8); }
    void cleanup() { window_.Close(); }
    void cleanupTestCase() { PopulatedFrame::UnloadLanguage(); }

    void aUnitLineChosenDrawsAndListsItsTrack() {
        Frame().GoTo(AtlCoord(13, 1)); // where the Shipwrights sailed by August
        auto* pane = Frame().Widget()->findChild<QTreeWidget*>(QStringLiteral("descrPane"));
        QList<QTreeWidgetItem*> found = pane->findItems(QStringLiteral("Shipwrights (360)"),
                                                        Qt::MatchStartsWith | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        for (QTreeWidgetItem* up = found[0]->parent(); up; up = up->parent())
            up->setExpanded(true);
        pane->scrollToItem(found[0]);
        QTest::mouseClick(pane->viewport(), Qt::LeftButton, {},
                          pane->visualItemRect(found[0]).center());
        QTRY_VERIFY(Frame().TrackWindow() && Frame().TrackWindow()->Widget()->isVisible());
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
};

QTEST_MAIN(TrackTest)
#include "track_test.moc"
