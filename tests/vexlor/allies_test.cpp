// Allies in the main window on the offscreen platform: the allies panel, and the dialogs of
// exporting for an ally, answered through the toolkit's scripts.
#include "app/globals.h"
#include "doc/doccontroller.h"
#include "model/allies.h"
#include "populatedframe.h"
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

std::vector<Str> Reports(std::initializer_list<std::pair<int, int>> factionTurns) {
    std::vector<Str> paths;
    for (auto [faction, turn] : factionTurns)
        paths.emplace_back(AllyReport(faction, turn).c_str());
    return paths;
}

} // namespace

class AlliesTest : public QObject {
    Q_OBJECT

    PopulatedFrame window_;

    FrameWindow& Frame() { return window_.Frame(); }
    QPushButton* Button(DAlliesPanel& panel, const char* name) {
        return panel.Widget()->findChild<QPushButton*>(QLatin1String(name));
    }

    // Adds the reports through File, Add report, answering the first question with answer.
    void AddReports(const std::vector<Str>& paths, int answer) {
        FileDialogScript::PushFileNames(paths);
        MessageBoxScript::PushAnswer(answer);
        QVERIFY(Frame().EvCommand(CM_FILEADDREPORT));
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
        QVERIFY(window_.BesideMap(panel->Widget()));
        // No allies yet: the panel says how to add one, and offers nothing to remove.
        QCOMPARE(panel->GetRowCount(), 0);
        QVERIFY(panel->Widget()->findChild<QLabel*>(QStringLiteral("alliesNone"))->isVisible());
        QVERIFY(!Button(*panel, "allyRemove")->isVisible());

        // Taken in any order, listed by faction number; the months as the reports write them.
        AddReports(Reports({{5, 1}, {5, 2}, {4, 3}, {4, 1}, {4, 2}}), IDYESTOALL);
        QCOMPARE(MessageBoxScript::History().size(), size_t(1)); // Yes to all asks no more
        MessageBoxScript::Reset();
        QCOMPARE(panel->GetRowCount(), 2);
        QCOMPARE(panel->GetRow(0), Str("4\tBlue Herons\t3\tJanuary, Year 1\tMarch, Year 1"));
        QCOMPARE(panel->GetRow(1), Str("5\tGreen Oaks\t2\tJanuary, Year 1\tFebruary, Year 1"));
        QVERIFY(!panel->Widget()->findChild<QLabel*>(QStringLiteral("alliesNone"))->isVisible());
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
        // Yes takes that ally's months away, and nothing else.
        MessageBoxScript::PushAnswer(IDYES);
        QTest::mouseClick(Button(*panel, "allyRemove"), Qt::LeftButton);
        QCOMPARE(panel->GetRowCount(), 1);
        QCOMPARE(panel->GetRow(0), Str("4\tBlue Herons\t3\tJanuary, Year 1\tMarch, Year 1"));
        QCOMPARE(Frame().Document().Turns().LongCountNodes(), 3L);
        QVERIFY(!Frame().Document().Extras().allies.Find(5));

        // Kept open for the next start.
        window_.Reopen();
        QVERIFY(Frame().AlliesWindow() && Frame().AlliesWindow()->IsOpen());
    }

    // Each report of another faction asks; Yes keeps it as that ally's, No refuses it as
    // before (and asks whether to go on with the rest).
    void theAllyQuestionsAnswersDecideWhatIsKept() {
        MessageBoxScript::Reset();
        // Asked in the order of the reports' turns.
        MessageBoxScript::PushAnswer(IDYES); // 4-turn1
        MessageBoxScript::PushAnswer(IDNO);  // 5-turn1: not as an ally
        MessageBoxScript::PushAnswer(IDYES); // 5-turn1: go on with the rest
        MessageBoxScript::PushAnswer(IDYES); // 4-turn2
        MessageBoxScript::PushAnswer(IDOK);  // the summary
        FileDialogScript::PushFileNames(Reports({{4, 2}, {4, 1}, {5, 1}}));
        QVERIFY(Frame().EvCommand(CM_FILEADDREPORT));
        const auto& shown = MessageBoxScript::History();
        QCOMPARE(shown.size(), size_t(5));
        QCOMPARE(shown[0].text,
                 Str("This is the report of Blue Herons (4). Add it as an ally's report?"));
        QCOMPARE(shown[0].style, unsigned(MB_YESNOALL | MB_ICONQUESTION));
        QCOMPARE(shown[1].text,
                 Str("This is the report of Green Oaks (5). Add it as an ally's report?"));
        QCOMPARE(shown[2].style, unsigned(MB_YESALLCANCEL | MB_ICONWARNING));
        // The last report of the batch: nothing left for a "to all" answer.
        QCOMPARE(shown[3].style, unsigned(MB_YESNO | MB_ICONQUESTION));
        QVERIFY(shown[4].text.View().find("refused: 1") != std::string_view::npos);

        const AllyMaps& allies = Frame().Document().Extras().allies;
        QCOMPARE(allies.All().size(), size_t(1));
        QCOMPARE(allies.Find(4)->doc->Turns().LongCountNodes(), 2L);
        QCOMPARE(Frame().Document().Turns().LongCountNodes(), 3L);
    }

    // An ally's map comes in through its own dialog and can be taken again from its file.
    void anAllysMapIsAddedAndRefreshedFromItsFile() {
        std::string herons = window_.File("herons.atl");
        {
            DocController ally;
            ally.AddReports({AllyReport(4, 1), AllyReport(4, 2)});
            QCOMPARE(ally.SaveAs(herons.c_str()).kind, DocOutcomeKind::Done);
        }
        FileDialogScript::Reset();
        FileDialogScript::PushFileName(herons.c_str());
        QVERIFY(Frame().EvCommand(CM_FILEADDALLYMAP));
        const FileDialogParams& asked = FileDialogScript::History().back();
        QVERIFY(!asked.save);
        QCOMPARE(asked.title, Str("Add ally's map"));
        QCOMPARE(Frame().Document().Extras().allies.Find(4)->doc->Turns().LongCountNodes(), 2L);

        QVERIFY(Frame().EvCommand(CM_VIEWALLIES));
        DAlliesPanel& panel = *Frame().AlliesWindow();
        QCOMPARE(panel.GetRow(0), Str("4\tBlue Herons\t2\tJanuary, Year 1\tFebruary, Year 1"));
        QVERIFY(Button(panel, "allyRefresh")->isEnabled());
        // The ally sends a newer map under the same name.
        {
            DocController ally;
            ally.AddReports({AllyReport(4, 1), AllyReport(4, 2), AllyReport(4, 3)});
            QCOMPARE(ally.SaveAs(herons.c_str()).kind, DocOutcomeKind::Done);
        }
        QTest::mouseClick(Button(panel, "allyRefresh"), Qt::LeftButton);
        QCOMPARE(panel.GetRow(0), Str("4\tBlue Herons\t3\tJanuary, Year 1\tMarch, Year 1"));
    }

    void exportingForAnAllyOffersEveryOwnMonthAndTheName() {
        QVERIFY(Frame().IsCommandEnabled(CM_FILEEXPORTFORALLY));
        FileDialogScript::Reset();
        // Cancelled at the choice of months: no name is asked.
        ChoiceDialogScript::PushAnswer(-1);
        QVERIFY(Frame().EvCommand(CM_FILEEXPORTFORALLY));
        QVERIFY(FileDialogScript::History().empty());
        QCOMPARE(ChoiceDialogScript::History().size(), size_t(1));
        const auto& offered = ChoiceDialogScript::History()[0];
        QCOMPARE(offered.prompt, Str("Which of your months go to the ally?"));
        QCOMPARE(offered.choices,
                 (std::vector<Str>{Str("All your months"), Str("From January, Year 1 on"),
                                   Str("From February, Year 1 on"), Str("From March, Year 1 on")}));

        ChoiceDialogScript::PushAnswer(2);
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
