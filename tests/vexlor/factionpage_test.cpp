// The faction's page and the reports' descriptions in the main window as a user sees them on
// the offscreen platform: View, Faction follows the turn on show; View, Reference lists the
// descriptions by kind, filters them, and opens at a skill chosen in the description pane.
#include "app/globals.h"
#include "populatedframe.h"
#include "ui/lineswindow.h"
#include "vexlor/framewindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>

class FactionPageTest : public QObject {
    Q_OBJECT

    PopulatedFrame window_;

    FrameWindow& Frame() { return window_.Frame(); }
    static std::vector<Str> Shown(const DLinesWindow& lines) {
        std::vector<Str> shown;
        for (int i = 0; i < lines.GetShownCount(); ++i)
            shown.push_back(lines.GetShownLine(i));
        return shown;
    }

private slots:
    void initTestCase() { PopulatedFrame::LoadLanguage(); }
    void init() { window_.Open(6); }
    void cleanup() { window_.Close(); }
    void cleanupTestCase() { PopulatedFrame::UnloadLanguage(); }

    void theFactionPageFollowsTheTurnOnShow() {
        QVERIFY(Frame().EvCommand(CM_VIEWFACTION));
        DLinesWindow* page = Frame().FactionPageWindow();
        QVERIFY(page && page->Widget()->isVisible());
        QCOMPARE(page->GetCaption(), Str("Faction - June, Year 1"));
        const std::vector<Str> june = Shown(*page);
        QCOMPARE(june.size(), size_t(13));
        QCOMPARE(june[0], Str("Faction Status:"));
        QCOMPARE(june[1], Str("Tax Regions: 0 (10)"));
        QCOMPARE(june[5], Str("Declared Attitudes (default Neutral):"));
        QCOMPARE(june[7], Str("Unfriendly : Creatures (2), Blue Herons (4)."));
        QCOMPARE(june[12], Str("Unclaimed silver: 2030."));

        QVERIFY(Frame().EvCommand(CM_VIEWFIRSTTURN));
        QCOMPARE(page->GetCaption(), Str("Faction - January, Year 1"));
        QCOMPARE(page->GetShownLine(12), Str("Unclaimed silver: 5050."));
        QCOMPARE(page->GetShownLine(3), Str("Mages: 2 (1)"));
    }

    void theReferenceIsListedByKindAndFiltered() {
        QVERIFY(Frame().EvCommand(CM_VIEWREFERENCE));
        DLinesWindow* refs = Frame().ReferenceWindow();
        QVERIFY(refs && refs->Widget()->isVisible());
        // Six skills of turn 1, combat of turn 4, pattern 2 of turn 6; five items of turn 1 and
        // three of later turns; an empty line between the kinds.
        const std::vector<Str> all = Shown(*refs);
        QCOMPARE(all.size(), size_t(1 + 8 + 1 + 1 + 8));
        QCOMPARE(all[0], Str("Skill reports:"));
        QCOMPARE(all[10], Str("Item reports:"));
        QCOMPARE(all[1].View().substr(0, 19), std::string_view("combat [COMB] 1: Th"));

        QTest::keyClicks(refs->Widget()->findChild<QLineEdit*>(QStringLiteral("linesFilter")),
                         "ship");
        const std::vector<Str> ships = Shown(*refs);
        // The skill and the ships' items, each under its heading.
        QCOMPARE(ships.size(), size_t(5));
        QCOMPARE(all[9], Str());
        QCOMPARE(ships[0], Str("Skill reports:"));
        QCOMPARE(ships[1].View().substr(0, 20), std::string_view("shipbuilding [SHIP] "));
        QCOMPARE(ships[2], Str("Item reports:"));
        QCOMPARE(refs->Widget()->findChild<QLabel*>(QStringLiteral("linesCount"))->text(),
                 QStringLiteral("3 lines"));
    }

    void aSkillInThePaneOpensItsDescription() {
        Frame().GoTo(AtlCoord(36, 4));
        QVERIFY(window_.ClickPaneLine(QStringLiteral("gate lore [GATE] 3 (180)")));
        QTRY_VERIFY(Frame().ReferenceWindow() && Frame().ReferenceWindow()->Widget()->isVisible());
        DLinesWindow* refs = Frame().ReferenceWindow();
        QCOMPARE(refs->GetFilter(), Str("gate lore [GATE]"));
        const std::vector<Str> gate = Shown(*refs);
        QCOMPARE(gate.size(), size_t(3));
        QCOMPARE(gate[1].View().substr(0, 20), std::string_view("gate lore [GATE] 1: "));
        QCOMPARE(gate[2].View().substr(0, 20), std::string_view("gate lore [GATE] 3: "));
        // The description pane still shows the hex.
        QCOMPARE(Frame().Map().GetMap().GetSelectedCoord(), AtlCoord(36, 4));
    }
};

QTEST_MAIN(FactionPageTest)
#include "factionpage_test.moc"
