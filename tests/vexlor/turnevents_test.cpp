// What the report says beyond the map, in the main window as a user sees it on the offscreen
// platform: the turn's events window, the list of the turn's changes with their hexes outlined,
// and the exit lines of the description pane.
#include "app/globals.h"
#include "map/atlmap.h"
#include "map/hexmarks.h"
#include "populatedframe.h"
#include "ui/filedialog.h"
#include "ui/lineswindow.h"
#include "ui/messagebox.h"
#include "ui/statusbar.h"
#include "vexlor/framewindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Clicks the first link whose text is text in the browser.
bool ClickLink(QTextBrowser* browser, const QString& text) {
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isAnchor() || fragment.text() != text) continue;
            QTextCursor cursor(browser->document());
            cursor.setPosition(fragment.position() + 1);
            browser->setTextCursor(cursor);
            browser->ensureCursorVisible();
            QPoint at = browser->cursorRect(cursor).center();
            QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
            return true;
        }
    return false;
}

} // namespace

class TurnEventsTest : public QObject {
    Q_OBJECT

    PopulatedFrame window_;

    FrameWindow& Frame() { return window_.Frame(); }
    AtlCoord Selected() { return Frame().Map().GetMap().GetSelectedCoord(); }
    QTreeWidget* Pane() {
        return Frame().Widget()->findChild<QTreeWidget*>(QStringLiteral("descrPane"));
    }
    QString Described() {
        return Pane()->topLevelItemCount() ? Pane()->topLevelItem(0)->text(0) : QString();
    }

private slots:
    void initTestCase() { PopulatedFrame::LoadLanguage(); }
    void init() { window_.Open(6); }
    void cleanup() { window_.Close(); }
    void cleanupTestCase() { PopulatedFrame::UnloadLanguage(); }

    void theTurnsEventsAreShownSearchedAndTheirHexesClicked() {
        QTest::keyClick(Frame().Widget(), Qt::Key_E, Qt::ControlModifier);
        DLinesWindow* events = Frame().TurnEventsWindow();
        QVERIFY(events && events->Widget()->isVisible());
        // Docked below the map, never over the hexes it names.
        QVERIFY(window_.BesideMap(events->Widget()));
        QCOMPARE(events->GetCaption(), Str("Turn events - June, Year 1"));
        QCOMPARE(events->GetShownLine(0), Str("Errors during turn:"));
        QVERIFY(events->GetShownCount() > 40);

        // Typing keeps the lines holding the text, each under its heading.
        QTest::keyClicks(events->Widget()->findChild<QLineEdit*>(QStringLiteral("linesFilter")),
                         "earns");
        QCOMPARE(events->GetShownCount(), 3);
        QCOMPARE(events->GetShownLine(0), Str("Events during turn:"));
        QCOMPARE(events->GetShownLine(1),
                 Str("Guards (404): Earns 56 silver working in jungle (0,32) in Erisort."));
        QCOMPARE(events->Widget()->findChild<QLabel*>(QStringLiteral("linesCount"))->text(),
                 QStringLiteral("2 lines"));

        auto* text = events->Widget()->findChild<QTextBrowser*>(QStringLiteral("linesText"));
        // From the nexus: the link leads back to the surface, and the status bar follows.
        QVERIFY(Frame().EvCommand(CM_VIEWPLAINUP));
        QVERIFY(ClickLink(text, QStringLiteral("(0,32)")));
        QTRY_COMPARE(Selected(), AtlCoord(0, 32));
        QCOMPARE(Described(), QStringLiteral("jungle (0,32) in Erisort"));
        QCOMPARE(Frame().StatusBar().GetText(1), Str("surface"));
        QVERIFY(Frame().IsCommandEnabled(CM_VIEWPLAINUP));

        // Another turn on show: its events.
        QVERIFY(Frame().EvCommand(CM_VIEWPREVTURN));
        QCOMPARE(events->GetCaption(), Str("Turn events - May, Year 1"));
        events->SetFilter("");
        QCOMPARE(events->GetShownLine(1), Str("Captain (358): SELL: Can't sell 1 iron [IRON]."));
    }

    void theTurnsChangesAreListedAndOutlinedWhileTheListIsOpen() {
        auto outlined = [&] { return Frame().Map().GetMarks().Of(MarkKind::Changes); };
        QVERIFY(outlined().empty());
        QVERIFY(Frame().EvCommand(CM_VIEWCHANGES));
        DLinesWindow* changes = Frame().ChangesWindow();
        QVERIFY(changes && changes->Widget()->isVisible());
        QVERIFY(window_.BesideMap(changes->Widget()));
        // June: a Green Oaks guard left the city, and the scouts saw three hexes first.
        QCOMPARE(changes->GetCaption(), Str("Changes - June, Year 1"));
        QCOMPARE(changes->GetShownCount(), 4);
        QCOMPARE(changes->GetShownLine(0), Str("(12,4)  explored  ocean in Wyreth Ocean"));
        QCOMPARE(changes->GetShownLine(1), Str("(0,32)  left  Guards (412)"));
        QCOMPARE(outlined(), (std::vector<AtlCoord>{AtlCoord(12, 4), AtlCoord(0, 32),
                                                    AtlCoord(61, 33), AtlCoord(62, 34)}));

        auto* text = changes->Widget()->findChild<QTextBrowser*>(QStringLiteral("linesText"));
        QVERIFY(ClickLink(text, QStringLiteral("(62,34)")));
        QTRY_COMPARE(Selected(), AtlCoord(62, 34));

        // Another turn on show: its changes, and their hexes outlined.
        QVERIFY(Frame().EvCommand(CM_VIEWPREVTURN));
        QCOMPARE(changes->GetCaption(), Str("Changes - May, Year 1"));
        QCOMPARE(outlined(),
                 (std::vector<AtlCoord>{AtlCoord(13, 5), AtlCoord(62, 32), AtlCoord(2, 34)}));

        // Closing the list takes the outlines away; a turn shown meanwhile brings none back.
        changes->Close();
        QVERIFY(outlined().empty());
        QVERIFY(Frame().EvCommand(CM_VIEWNEXTTURN));
        QVERIFY(outlined().empty());
        QVERIFY(Frame().EvCommand(CM_VIEWCHANGES));
        QCOMPARE(outlined().size(), size_t(4));

        // The next start opens the list as it was left.
        window_.Reopen();
        QVERIFY(Frame().ChangesWindow() && Frame().ChangesWindow()->IsOpen());
    }

    void anExitLineGoesToItsHex() {
        Frame().GoTo(AtlCoord(0, 32));
        // The heading opens as the user opens it; the exit line is clicked.
        QVERIFY(window_.ClickPaneLine(QStringLiteral("Southeast : swamp (1,33) in Tourois")));
        QTRY_COMPARE(Selected(), AtlCoord(1, 33));
        QCOMPARE(Described(), QStringLiteral("swamp (1,33) in Tourois"));
        QVERIFY(AppOptions.headings.bExitsOpen);
    }
};

QTEST_MAIN(TurnEventsTest)
#include "turnevents_test.moc"
