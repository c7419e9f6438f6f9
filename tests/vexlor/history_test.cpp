// The history panel in the main window on the offscreen platform: it follows the selection,
// charts what the reports say, and a click on a month shows that turn.
#include "app/globals.h"
#include "populatedframe.h"
#include "ui/historypanel.h"
#include "vexlor/framewindow.h"

#include <QComboBox>
#include <QtTest>

namespace {

const AtlCoord kVerdorf(0, 32); // seen from February on, a tower built in March
const AtlCoord kOcean(13, 1);   // seen in August alone

} // namespace

class HistoryTest : public QObject {
    Q_OBJECT

    PopulatedFrame window_;

    FrameWindow& Frame() { return window_.Frame(); }

private slots:
    void initTestCase() { PopulatedFrame::LoadLanguage(); }
    void init() { window_.Open(8); }
    void cleanup() { window_.Close(); }
    void cleanupTestCase() { PopulatedFrame::UnloadLanguage(); }

    void thePanelFollowsTheSelectionAndAClickShowsThatMonth() {
        QVERIFY(!Frame().HistoryWindow()); // made on first use: a selection costs nothing
        Frame().GoTo(kVerdorf);
        QVERIFY(Frame().EvCommand(CM_VIEWHISTORY));
        DHistoryPanel* panel = Frame().HistoryWindow();
        QVERIFY(panel && panel->IsOpen());
        QVERIFY(window_.BesideMap(panel->Widget()));

        // Newest first: August down to February, each seen by the player's own faction.
        QCOMPARE(panel->GetRowCount(), 7);
        QVERIFY(panel->GetRow(0).View().starts_with("August, Year 1\tRed Wolves (3)\t"));
        QCOMPARE(panel->GetRow(6), Str("February, Year 1\tRed Wolves (3)\tFirst seen"));
        const std::string march = panel->GetRow(5).Get();
        QVERIFY2(march.find("Building [1]: now Tower.") != std::string::npos, march.c_str());
        QVERIFY2(march.find("Units of Red Wolves (3): 1 \u2192 5") != std::string::npos,
                 march.c_str());

        // The charts: peasants, taxes and wages over the seven months, then a price.
        std::vector<std::vector<DHistoryPanel::Point>> drawn = panel->GetDrawnSeries();
        QCOMPARE(drawn.size(), size_t(4));
        QCOMPARE(drawn[0].size(), size_t(7));
        QCOMPARE(drawn[0].front().month, AtlDate(1, 1).Value());
        QCOMPARE(drawn[0].front().value, 25570.0);
        QCOMPARE(drawn[1].front().value, 21478.0);
        QCOMPARE(drawn[2].front().value, 14.2);
        QVERIFY(panel->GetChosenPrice() >= 0);
        QCOMPARE(drawn[3].size(), size_t(7));
        // Items by name: "unlimited axes [AXE] at $150" first.
        QCOMPARE(panel->GetChosenPrice(), 0);
        QCOMPARE(drawn[3].front().value, 150.0);
        // Few enough labels on each value axis that a short chart need not elide them.
        QVERIFY(panel->GetMostValueTicks() >= 2 && panel->GetMostValueTicks() <= 4);

        // A click on March shows March; the panel stays on the hex and the month stays chosen.
        panel->ClickRow(5);
        QCOMPARE(Frame().ShownDate(), AtlDate(2, 1));
        QCOMPARE(panel->GetRowCount(), 7);

        // Another hex chosen: the panel follows it.
        Frame().ShowTurn(AtlDate(7, 1));
        Frame().GoTo(kOcean);
        QCOMPARE(panel->GetRowCount(), 1);
        QVERIFY(panel->GetRow(0).View().starts_with("August, Year 1\t"));
        QCOMPARE(panel->GetChosenPrice(), -1); // the ocean trades nothing

        // Kept open for the next start.
        window_.Reopen();
        QVERIFY(Frame().HistoryWindow() && Frame().HistoryWindow()->IsOpen());
    }
};

QTEST_MAIN(HistoryTest)
#include "history_test.moc"
