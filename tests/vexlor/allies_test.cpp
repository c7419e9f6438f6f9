// Allies in the main window on the offscreen platform: the allies panel, and the dialogs of
// exporting for an ally, answered through the toolkit's scripts.
#include "app/globals.h"
#include "model/allies.h"
#include "populatedframe.h"
#include "report/intake.h"
#include "ui/alliespanel.h"
#include "ui/choicedialog.h"
#include "ui/filedialog.h"
#include "ui/messagebox.h"
#include "ui/statusbar.h"
#include "vexlor/framewindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

std::string AllyReport(int faction, int turn) {
    return std::string(VEXLOR_REPORTS_DIR) + "/head-standard/" + std::to_string(faction) + "-turn" +
           std::to_string(turn) + ".rep";
}

class AlwaysReplace : public IntakeUser {
public:
    bool ReplaceTurn(const TurnReplacement&) override { return true; }
};

} // namespace

class AlliesTest : public QObject {
    Q_OBJECT

    PopulatedFrame window_;

    FrameWindow& Frame() { return window_.Frame(); }
    QPushButton* Button(DAlliesPanel& panel, const char* name) {
        return panel.Widget()->findChild<QPushButton*>(QLatin1String(name));
    }

    // The ally's first turns, read into the document's allies as its store would.
    void HoldAlly(int faction, const char* name, int turns) {
        auto& doc = const_cast<VexlorDoc&>(Frame().Document());
        AllyMap& ally = doc.Extras().allies.Take(faction);
        ally.name = name;
        AlwaysReplace user;
        for (int turn = 1; turn <= turns; ++turn)
            AddReportFile(AllyReport(faction, turn).c_str(), {*ally.doc, user, nullptr});
    }

private slots:
    void initTestCase() { PopulatedFrame::LoadLanguage(); }
    void init() {
        ChoiceDialogScript::Reset();
        window_.Open(3);
    }
    void cleanup() {
        QVERIFY(!FileDialogScript::HasAnswers());
        QVERIFY(!ChoiceDialogScript::HasAnswers());
        window_.Close();
    }
    void cleanupTestCase() { PopulatedFrame::UnloadLanguage(); }

    void theAlliesPanelListsEachAllyAndRemovesOnlyAfterAsking() {
        QVERIFY(Frame().EvCommand(CM_VIEWALLIES));
        DAlliesPanel* panel = Frame().AlliesWindow();
        QVERIFY(panel && panel->IsOpen());
        MessageBoxScript::Reset();
        // Docked beside the map, never over it.
        auto* map = Frame().Widget()->findChild<QWidget*>(QStringLiteral("mapView"));
        QVERIFY(!QRect(map->mapToGlobal(QPoint()), map->size())
                     .intersects(
                         QRect(panel->Widget()->mapToGlobal(QPoint()), panel->Widget()->size())));
        // No allies yet: the panel says how to add one, and offers nothing to remove.
        QCOMPARE(panel->GetRowCount(), 0);
        QVERIFY(panel->Widget()->findChild<QLabel*>(QStringLiteral("alliesNone"))->isVisible());
        QVERIFY(!Button(*panel, "allyRemove")->isVisible());

        // Taken in any order, listed by faction number; the months as the reports write them.
        HoldAlly(5, "Green Oaks", 2);
        HoldAlly(4, "Blue Herons", 3);
        QVERIFY(Frame().EvCommand(CM_VIEWPREVTURN)); // any change of the document lists them anew
        QCOMPARE(panel->GetRowCount(), 2);
        QCOMPARE(panel->GetRow(0), Str("4\tBlue Herons\t3\tJanuary, Year 1\tMarch, Year 1"));
        QCOMPARE(panel->GetRow(1), Str("5\tGreen Oaks\t2\tJanuary, Year 1\tFebruary, Year 1"));
        QVERIFY(!panel->Widget()->findChild<QLabel*>(QStringLiteral("alliesNone"))->isVisible());
        QCOMPARE(panel->GetChosen(), 4);
        // Allies from reports have no file to be taken again from.
        QVERIFY(Button(*panel, "allyRemove")->isEnabled());
        QVERIFY(!Button(*panel, "allyRefresh")->isEnabled());

        // Remove asks first, naming the ally; No leaves every ally as it was.
        panel->Choose(5);
        MessageBoxScript::PushAnswer(IDNO);
        QTest::mouseClick(Button(*panel, "allyRemove"), Qt::LeftButton);
        QCOMPARE(MessageBoxScript::History().size(), size_t(1));
        QCOMPARE(MessageBoxScript::History()[0].text,
                 Str("Remove Green Oaks (5) from the map? Only what that ally's reports showed "
                     "goes; your own turns and other allies stay."));
        QCOMPARE(panel->GetRowCount(), 2);
        QCOMPARE(panel->GetChosen(), 5);

        // Kept open for the next start.
        window_.Reopen();
        QVERIFY(Frame().AlliesWindow() && Frame().AlliesWindow()->IsOpen());
    }

    void exportingForAnAllyOffersEveryOwnMonthAndTheName() {
        QVERIFY(Frame().IsCommandEnabled(CM_FILEEXPORTFORALLY));
        FileDialogScript::Reset();
        // Cancelled at the choice of months: no name is asked.
        ChoiceDialogScript::PushCancel();
        QVERIFY(Frame().EvCommand(CM_FILEEXPORTFORALLY));
        QVERIFY(FileDialogScript::History().empty());
        QCOMPARE(ChoiceDialogScript::History().size(), size_t(1));
        const auto& offered = ChoiceDialogScript::History()[0];
        QCOMPARE(offered.prompt, Str("Which of your months go to the ally?"));
        QCOMPARE(offered.choices,
                 (std::vector<Str>{Str("All your months"), Str("From January, Year 1 on"),
                                   Str("From February, Year 1 on"), Str("From March, Year 1 on")}));

        ChoiceDialogScript::PushChoice(2);
        std::string out = window_.File("for-herons.atl");
        FileDialogScript::PushFileName(out.c_str());
        QVERIFY(Frame().EvCommand(CM_FILEEXPORTFORALLY));
        QCOMPARE(FileDialogScript::History().size(), size_t(1));
        const FileDialogParams& asked = FileDialogScript::History()[0];
        QVERIFY(asked.save);
        QCOMPARE(asked.title, Str("Export for an ally"));
        QCOMPARE(asked.defaultExtension, Str("atl"));
        QCOMPARE(Frame().StatusBar().GetText(Frame().NoteField()),
                 Str(("Your months exported for an ally to " + out).c_str()));
    }
};

QTEST_MAIN(AlliesTest)
#include "allies_test.moc"
