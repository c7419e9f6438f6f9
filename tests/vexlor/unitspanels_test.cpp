// The units and factions tables of the main window on faction 3's real reports: what they list
// for the turn on show, a unit chosen gone to and opened in the pane, a faction chosen marked on
// the map, the rows saved, and both kept open for the next start.
#include "base/messagetext.h"
#include "descr/descrnode.h"
#include "map/factionlist.h"
#include "map/unitlist.h"
#include "populatedframe.h"
#include "ui/statusbar.h"
#include "ui/tablepanel.h"
#include "vexlor/framewindow.h"

#include <QCheckBox>
#include <QDockWidget>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

#include <fstream>
#include <sstream>

namespace {

QStringList Cells(const Str& row) {
    return QString::fromUtf8(row.Get()).split(QLatin1Char('\t'));
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

class UnitsPanelsTest : public QObject {
    Q_OBJECT

    PopulatedFrame window_;

    FrameWindow& Frame() { return window_.Frame(); }
    static QTableView* View(DTablePanel& panel) {
        return panel.Widget()->findChild<QTableView*>(QStringLiteral("tableView"));
    }
    // The cells of a column of the shown rows, top to bottom.
    static QStringList Column(DTablePanel& panel, int column) {
        QStringList cells;
        for (int row = 0; row < panel.GetShownCount(); ++row)
            cells << Cells(panel.GetShownRow(row)).value(column);
        return cells;
    }
    static void ClickHeading(DTablePanel& panel, int column) {
        QHeaderView* header = View(panel)->horizontalHeader();
        int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }
    static void ClickShown(DTablePanel& panel, int row) {
        QTableView* view = View(panel);
        view->scrollTo(view->model()->index(row, 0));
        QRect cell = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }
    static int ShownIndexOf(DTablePanel& panel, const QString& number) {
        return static_cast<int>(Column(panel, 0).indexOf(number));
    }
    DTablePanel& OpenUnits() {
        Frame().EvCommand(CM_VIEWUNITS);
        return *Frame().UnitsWindow();
    }
    DTablePanel& OpenFactions() {
        Frame().EvCommand(CM_VIEWFACTIONS);
        return *Frame().FactionsWindow();
    }
    const std::vector<AtlCoord>& FactionMarks() {
        return Frame().Map().GetMarks().Of(MarkKind::Faction);
    }

private slots:
    void initTestCase() { PopulatedFrame::LoadLanguage(); }
    void init() { window_.Open(3); }
    void cleanup() {
        QVERIFY(!FileDialogScript::HasAnswers());
        window_.Close();
    }
    void cleanupTestCase() { PopulatedFrame::UnloadLanguage(); }

    // The player's seven units of March, one row each, in the map's order (the Seer's hex lies
    // north of the Shipwrights' and theirs north of the others'); the hex column sorts as the
    // map orders hexes, not as text.
    void theUnitsTableListsTheTurnsOwnUnitsAndSorts() {
        DTablePanel& units = OpenUnits();
        QVERIFY(units.IsOpen());
        QVERIFY(window_.BesideMap(units.Widget()));
        QCOMPARE(units.Widget()->windowTitle(), QStringLiteral("Units - March, Year 1"));
        QCOMPARE(Column(units, 0), QStringList({"359", "360", "358", "403", "404", "405", "406"}));
        QStringList seer = Cells(units.GetShownRow(0));
        QCOMPARE(seer.mid(0, 4), QStringList({"359", "Seer", "36,4,0", "surface"}));
        QCOMPARE(seer[5], QStringLiteral("985")); // silver
        QCOMPARE(seer[8], QStringLiteral("10"));  // weight
        QCOMPARE(seer[9], QStringLiteral("0/0/15/0"));
        QVERIFY(seer[7].contains(QStringLiteral("GATE 3")));
        QCOMPARE(Cells(units.GetShownRow(1)).last(), QStringLiteral("Ship [100]"));

        ClickHeading(units, 2); // hex: y 4 before y 32, though "0,32,0" < "36,4,0" as text
        QCOMPARE(Column(units, 2).first(), QStringLiteral("36,4,0"));
        ClickHeading(units, 2);
        QCOMPARE(Column(units, 2).last(), QStringLiteral("36,4,0"));
        ClickHeading(units, 5); // silver
        QCOMPARE(Column(units, 5), QStringList({"144", "146", "146", "292", "305", "944", "985"}));

        // The filter matches skills and items as well as names.
        QTest::keyClicks(units.Widget()->findChild<QLineEdit*>(QStringLiteral("tableFilter")),
                         "gate");
        QCOMPARE(Column(units, 1), QStringList({"Captain", "Seer"}));

        // The table follows the turn on show: January had fewer units.
        units.SetFilter("");
        QVERIFY(Frame().EvCommand(CM_VIEWFIRSTTURN));
        QCOMPARE(units.Widget()->windowTitle(), QStringLiteral("Units - January, Year 1"));
        QVERIFY(units.GetShownCount() > 0 && units.GetShownCount() < 7);
    }

    // Every column of every unit seen orders as the units list orders it (SortUnitRows), both
    // ways: numbers as numbers, texts in the one dictionary order, ties as the sort before
    // left them.
    void everyColumnSortsAsTheUnitsListSorts() {
        DTablePanel& units = OpenUnits();
        units.Widget()->findChild<QCheckBox*>(QStringLiteral("unitsAll"))->setChecked(true);
        const std::vector<UnitRow> listed =
            ListUnits(Frame().Document(), Frame().ShownDate(), true);
        QCOMPARE(units.GetShownCount(), static_cast<int>(listed.size()));
        std::vector<UnitRow> sorted = listed;
        for (size_t column = 0; column < kUnitColumns.size(); ++column)
            for (bool ascending : {true, false}) {
                units.SortBy(static_cast<int>(column), ascending);
                SortUnitRows(sorted, kUnitColumns[column], ascending);
                QStringList numbers;
                for (const UnitRow& row : sorted)
                    numbers << QString::number(row.number);
                QVERIFY2(Column(units, 0) == numbers,
                         EnglishMessage(UnitColumnHeading(kUnitColumns[column])));
            }
    }

    // A unit clicked: its hex selected on the map and the unit opened in the pane, also where
    // its hex is off the part of the map on show.
    void aUnitChosenIsGoneToAndOpenedInThePane() {
        DTablePanel& units = OpenUnits();
        const std::pair<int, AtlCoord> chosen[] = {{404, AtlCoord(0, 32, 0)},
                                                   {359, AtlCoord(36, 4, 0)}};
        for (auto [number, hex] : chosen) {
            ClickShown(units, ShownIndexOf(units, QString::number(number)));
            QCOMPARE(Frame().SelectedHex(), std::optional<AtlCoord>(hex));
            auto* line = dynamic_cast<DescrUnitNode*>(Frame().Descr().GetCurrent());
            QVERIFY(line);
            QCOMPARE(line->Number(), number);
            QVERIFY(line->GetParent()->IsOpen());
            QVERIFY(line->GetString().View().find("(" + std::to_string(number) + ")") !=
                    std::string_view::npos);
        }
    }

    // Every unit seen widens the table with the faction; the choice is kept.
    void everyUnitSeenAddsOthersWithTheirFaction() {
        DTablePanel& units = OpenUnits();
        auto* all = units.Widget()->findChild<QCheckBox*>(QStringLiteral("unitsAll"));
        QVERIFY(all && !all->isChecked());
        QTest::mouseClick(all, Qt::LeftButton);
        QVERIFY(units.GetShownCount() > 7);
        int oaks = ShownIndexOf(units, "412");
        QVERIFY(oaks >= 0);
        QStringList guards = Cells(units.GetShownRow(oaks));
        QCOMPARE(guards[1], QStringLiteral("Guards"));
        QCOMPARE(guards[2], QStringLiteral("Green Oaks (5)"));
        QCOMPARE(guards[3], QStringLiteral("0,32,0"));
        int own = ShownIndexOf(units, "404");
        QCOMPARE(Cells(units.GetShownRow(own))[2], QStringLiteral("Red Wolves (3)"));

        window_.Reopen();
        QVERIFY(Frame().UnitsWindow() && Frame().UnitsWindow()->IsOpen());
        QVERIFY(Frame()
                    .UnitsWindow()
                    ->Widget()
                    ->findChild<QCheckBox*>(QStringLiteral("unitsAll"))
                    ->isChecked());
    }

    // Save writes the rows shown, under the headings, where the dialog says; never over the
    // open map.
    void theRowsAreSavedAsCsvButNeverOverTheMap() {
        DTablePanel& units = OpenUnits();
        units.SetFilter("welf");
        std::string csv = window_.File("units.csv");
        FileDialogScript::PushFileName(csv.c_str());
        QTest::mouseClick(units.Widget()->findChild<QPushButton*>(QStringLiteral("tableSave")),
                          Qt::LeftButton);
        QVERIFY(FileDialogScript::History().back().save);
        QCOMPARE(FileDialogScript::History().back().defaultExtension, Str("csv"));
        std::string written = ReadFile(csv);
        QVERIFY(written.starts_with("Number,Name,Hex,Level,Men,Silver,Items,Skills,Weight,"
                                    "Capacity,Flags,In\r\n"));
        QVERIFY(written.find("\r\n404,Guards,\"0,32,0\",surface,") != std::string::npos);
        QCOMPARE(Frame().StatusBar().GetText(Frame().NoteField()),
                 Str(("Rows saved to " + csv).c_str()));

        std::string map = window_.File("wolves.atl");
        FileDialogScript::PushFileName(map.c_str());
        QVERIFY(Frame().EvCommand(CM_FILESAVEAS));
        std::string saved = ReadFile(map);
        MessageBoxScript::Reset();
        MessageBoxScript::PushAnswer(IDOK);
        FileDialogScript::PushFileName(map.c_str());
        units.SaveRows();
        QCOMPARE(MessageBoxScript::History().size(), size_t(1));
        QCOMPARE(
            MessageBoxScript::History()[0].text,
            Str((map + " is the map that is open; the rows are not written over it.").c_str()));
        QVERIFY(ReadFile(map) == saved);
    }

    // A faction chosen has its units' hexes marked until it is chosen again or cleared; the
    // marks follow the turn on show.
    void aFactionChosenIsMarkedUntilCleared() {
        DTablePanel& factions = OpenFactions();
        QVERIFY(factions.IsOpen());
        QVERIFY(window_.BesideMap(factions.Widget()));
        // Every column, the attitude last, is seen without scrolling sideways.
        QCoreApplication::processEvents();
        QCOMPARE(View(factions)->horizontalScrollBar()->maximum(), 0);
        int oaks = ShownIndexOf(factions, "5");
        QVERIFY(oaks >= 0);
        QStringList row = Cells(factions.GetShownRow(oaks));
        QCOMPARE(row[1], QStringLiteral("Green Oaks"));
        QVERIFY(FactionMarks().empty());

        ClickShown(factions, oaks);
        QCOMPARE(Frame().MarkedFaction(), 5);
        std::vector<AtlCoord> hexes = FactionHexes(Frame().Document(), Frame().ShownDate(), 5);
        QVERIFY(!hexes.empty());
        QCOMPARE(FactionMarks(), hexes);
        ClickShown(factions, oaks); // again: unmarked
        QVERIFY(FactionMarks().empty());
        QCOMPARE(Frame().MarkedFaction(), 0);

        ClickShown(factions, oaks);
        QVERIFY(Frame().EvCommand(CM_VIEWFIRSTTURN));
        QCOMPARE(FactionMarks(), FactionHexes(Frame().Document(), Frame().ShownDate(), 5));
        QTest::mouseClick(
            factions.Widget()->findChild<QPushButton*>(QStringLiteral("factionsClear")),
            Qt::LeftButton);
        QVERIFY(FactionMarks().empty());

        window_.Reopen();
        QVERIFY(Frame().FactionsWindow() && Frame().FactionsWindow()->IsOpen());
    }
};

QTEST_MAIN(UnitsPanelsTest)
#include "unitspanels_test.moc"
