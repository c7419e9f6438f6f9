// The toolkit's parts of a main window: file dialogs, toolbar, splitter, status bar and the
// client area.
#include "ui/dframewindow.h"
#include "ui/filedialog.h"
#include "ui/separator.h"
#include "ui/statusbar.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <QtTest>

namespace {

MenuTemplate OneEntryMenu() {
    MenuItemDef title;
    title.text = "&View";
    MenuItemDef entry;
    entry.depth = 1;
    entry.id = 200;
    entry.text = "Plain &up\tCtrl+U";
    return {title, entry};
}

class SizedFrame : public DFrameWindow {
public:
    SizedFrame() : DFrameWindow("Test", OneEntryMenu()) {}
    void EvSize(int width, int height) override {
        ++sizes;
        lastWidth = width;
        lastHeight = height;
    }
    int sizes = 0, lastWidth = 0, lastHeight = 0;
};

} // namespace

class FramePartsTest : public QObject {
    Q_OBJECT

private slots:
    void classicFiltersBecomeTheDialogsOwn() {
        auto filters = FileDialogFilters("Vexlor files (*.atl)|*.atl|All files (*.*)|*.*|");
        QCOMPARE(filters, (std::vector<Str>{Str("Vexlor files (*.atl)"), Str("All files (*)")}));
        QCOMPARE(FileDialogFilters("Atlantis reprts (*.rep)|*.rep|")[0],
                 Str("Atlantis reprts (*.rep)"));
        // Several patterns; a name without its own parentheses; a name without patterns.
        QCOMPARE(FileDialogFilters("Texts|*.txt; *.rep|Lonely|"),
                 (std::vector<Str>{Str("Texts (*.txt *.rep)")}));
        QVERIFY(FileDialogFilters("").empty());
    }

    void theRealDialogShowsWhatItWasGiven() {
        QTemporaryDir folder;
        FileDialogParams params{true,
                                "Save Vexlor document",
                                "Vexlor files (*.atl)|*.atl|All files (*.*)|*.*|",
                                "*.atl",
                                "atl",
                                Str(folder.path().toUtf8().constData())};
        QString title, suffix, directory;
        QStringList filters;
        bool saving = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            suffix = dialog->defaultSuffix();
            directory = dialog->directory().absolutePath();
            saving = dialog->acceptMode() == QFileDialog::AcceptSave;
            dialog->reject();
        });
        Str path("unchanged");
        QVERIFY(!DFileDialog(nullptr, params, path));
        QCOMPARE(path, Str("unchanged"));
        QCOMPARE(title, QStringLiteral("Save Vexlor document"));
        QCOMPARE(filters, (QStringList{"Vexlor files (*.atl)", "All files (*)"}));
        QCOMPARE(suffix, QStringLiteral("atl"));
        QCOMPARE(directory, QDir(folder.path()).absolutePath());
        QVERIFY(saving);
    }

    void scriptedDialogsAnswerInTurn() {
        FileDialogScript::Reset();
        FileDialogScript::PushFileName("/tmp/a.rep");
        FileDialogScript::PushCancel();
        FileDialogParams open{false, "Open", "", "*.rep", "rep", ""};
        Str path;
        QVERIFY(DFileDialog(nullptr, open, path));
        QCOMPARE(path, Str("/tmp/a.rep"));
        QVERIFY(!DFileDialog(nullptr, open, path));
        QCOMPARE(path, Str("/tmp/a.rep"));
        QVERIFY(!FileDialogScript::HasAnswers());
        QCOMPARE(FileDialogScript::History().size(), size_t(2));
        QCOMPARE(FileDialogScript::History()[1].title, Str("Open"));
        FileDialogScript::Reset();
    }

    void theClientAreaLiesBelowTheMenuAndReportsItsSize() {
        SizedFrame frame;
        frame.Resize(640, 480);
        frame.Show(SW_SHOWNORMAL);
        DWindow::Rect client = frame.GetClientRect();
        QCOMPARE(client.w, 640);
        QVERIFY(client.h > 0 && client.h < 480);
        QVERIFY(frame.sizes > 0);
        QCOMPARE(frame.lastWidth, client.w);
        QCOMPARE(frame.lastHeight, client.h);
        QCOMPARE(frame.CommandText(200), Str("Plain up"));
        QCOMPARE(frame.CommandText(999), Str());

        DWindow child(&frame, "child");
        child.MoveWindow({10, 20, 30, 40});
        QCOMPARE(child.Widget()->parentWidget(), frame.ClientWidget());
        QCOMPARE(child.Widget()->geometry(), QRect(10, 20, 30, 40));
    }

    void theSplitterStaysInsideItsParent() {
        SizedFrame frame;
        frame.Resize(500, 300);
        frame.Show(SW_SHOWNORMAL);
        std::vector<int> notes;
        DWindowSeparator separator(&frame, "separator", [&](int code) { notes.push_back(code); });
        separator.MoveWindow({200, 0, DWindowSeparator::kWidth, 100});
        QWidget* bar = separator.Widget();
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(2, 5));
        QTest::mouseMove(bar, QPoint(-300, 5));
        QCOMPARE(separator.GetPosition(), 0);
        QTest::mouseMove(bar, QPoint(2 + 1000, 5));
        QCOMPARE(separator.GetPosition(), 500 - DWindowSeparator::kWidth);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(2, 5));
        QCOMPARE(notes, (std::vector<int>{DWindowSeparator::SepMoving, DWindowSeparator::SepMoving,
                                          DWindowSeparator::SepChanged}));
        // Without a press, moving the mouse over it moves nothing.
        QTest::mouseMove(bar, QPoint(-100, 5));
        QCOMPARE(notes.size(), size_t(3));
    }

    void theStatusBarHasTextFields() {
        SizedFrame frame;
        DStatusBar status(&frame, "status");
        int first = status.AddTextGadget(10);
        QCOMPARE(first, 0);
        QCOMPARE(status.AddTextGadget(5), 1);
        status.SetText(first, "<new map> & more");
        QCOMPARE(status.GetText(first), Str("<new map> & more"));
        QCOMPARE(status.GetText(1), Str());
        status.SetText(7, "nowhere");
        QCOMPARE(status.GetText(7), Str());
        QVERIFY(status.GetHeight() > 0);
    }

    // Month names differ in length: the fields after the month must not move with them.
    void statusFieldsKeepTheirPlace() {
        SizedFrame frame;
        frame.Resize(800, 300);
        DStatusBar status(&frame, "status");
        status.MoveWindow({0, 0, 800, status.GetHeight()});
        int month = status.AddTextGadget(12);
        int level = status.AddTextGadget(8);
        int note = status.AddTextGadget(10, true);
        frame.Show(SW_SHOWNORMAL);
        auto left = [&](int gadget) {
            QCoreApplication::processEvents();
            return status.Widget()
                ->findChild<QWidget*>(QStringLiteral("gadget%1").arg(gadget))
                ->geometry();
        };
        status.SetText(month, "May");
        QRect before = left(level);
        status.SetText(month, "September, Year 12 (from earlier reports)");
        QCOMPARE(left(level), before);
        // The last field takes the room that is left.
        QVERIFY(left(note).right() > 700);
    }
};

QTEST_MAIN(FramePartsTest)
#include "frameparts_test.moc"
