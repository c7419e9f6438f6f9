// The toolkit's parts of a main window: file dialogs, toolbar, splitter, status bar, the
// client area, the panels docked beside it and the mark of the keyboard.
#include "app/profile.h"
#include "testdir.h"
#include "ui/dframewindow.h"
#include "ui/dockpanel.h"
#include "ui/dscrollwindow.h"
#include "ui/filedialog.h"
#include "ui/separator.h"
#include "ui/statusbar.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDockWidget>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
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

// A panel with a line to type in, as the find and events panels have.
class TypingPanel : public DDockPanel {
public:
    TypingPanel(DFrameWindow* frame, const Place& place)
        : DDockPanel(frame, "panel", "Panel", place), text(new QLineEdit(Body())) {}
    QLineEdit* text;
};

QRect GlobalRect(const QWidget* widget) {
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

// The colour of the window's edge, where the mark of the keyboard is drawn.
QRgb EdgeColour(const DWindow& window) {
    return window.Widget()->grab().toImage().pixel(0, 0);
}

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

    void aPanelDocksBesideTheClientAreaAndKeepsItsPlace() {
        TestDir dir;
        ApplicationProfile profile(dir.File("test.ini").c_str());
        DDockPanel::Place place{profile, "Panel", DDockPanel::Left};
        {
            SizedFrame frame;
            frame.Resize(800, 500);
            frame.Show(SW_SHOWNORMAL);
            QVERIFY(QTest::qWaitForWindowExposed(frame.Widget()));
            int fullWidth = frame.GetClientRect().w;
            TypingPanel panel(&frame, place);
            int closed = 0;
            panel.OnClosed([&] { ++closed; });
            QVERIFY(!panel.IsOpen());
            QVERIFY(!DDockPanel::WasOpen(profile, "Panel"));
            panel.Open();
            QVERIFY(panel.IsOpen());
            QVERIFY(DDockPanel::WasOpen(profile, "Panel"));
            // Beside the client area, which gives way to it, never over it.
            QTRY_VERIFY(frame.GetClientRect().w < fullWidth);
            QRect client = GlobalRect(frame.ClientWidget());
            QRect docked = GlobalRect(panel.Widget());
            QVERIFY(!client.intersects(docked));
            QVERIFY(docked.right() < client.left());
            // Escape within it closes it, and says so once.
            panel.text->setFocus();
            QTest::keyClick(panel.text, Qt::Key_Escape);
            QVERIFY(!panel.IsOpen());
            QCOMPARE(closed, 1);
            QVERIFY(!DDockPanel::WasOpen(profile, "Panel"));
            QTRY_COMPARE(frame.GetClientRect().w, fullWidth);
            // Moved to the other side and left open as the frame closes.
            panel.Open();
            auto* window = qobject_cast<QMainWindow*>(frame.Widget());
            window->addDockWidget(Qt::RightDockWidgetArea,
                                  static_cast<QDockWidget*>(panel.Widget()));
            QCOMPARE(panel.GetSide(), DDockPanel::Right);
            frame.Destroy();
        }
        QVERIFY(DDockPanel::WasOpen(profile, "Panel"));
        QCOMPARE(profile.GetInt("Panel", "Side", -1), int(DDockPanel::Right));
        QVERIFY(profile.GetInt("Panel", "Size", 0) > 0);
        // The next frame's panel stands where it was left.
        SizedFrame frame;
        frame.Resize(800, 500);
        frame.Show(SW_SHOWNORMAL);
        TypingPanel panel(&frame, place);
        QCOMPARE(panel.GetSide(), DDockPanel::Right);
        panel.Open();
        QTRY_VERIFY(GlobalRect(panel.Widget()).left() > GlobalRect(frame.ClientWidget()).right());
    }

    // Kept as it opens, before any close, as a crash would leave it: the size it asked for,
    // not the width the panel had before the frame's layout gave it that size.
    void anOpeningPanelKeepsTheSizeItTakes() {
        TestDir dir;
        ApplicationProfile profile(dir.File("test.ini").c_str());
        SizedFrame frame;
        frame.Resize(800, 500);
        frame.Show(SW_SHOWNORMAL);
        QVERIFY(QTest::qWaitForWindowExposed(frame.Widget()));
        TypingPanel panel(&frame, {profile, "Panel", DDockPanel::Left, 300});
        panel.Open();
        QCOMPARE(profile.GetInt("Panel", "Size", 0), 300);
        QTRY_COMPARE(panel.Widget()->width(), 300);
    }

    void aScrollWindowMarksWhenItHasTheKeyboard() {
        SizedFrame frame;
        frame.Resize(400, 300);
        DScrollWindow window(&frame);
        window.SetParent(&frame);
        QLineEdit other(frame.ClientWidget());
        window.MoveWindow({0, 0, 200, 200});
        other.setGeometry(210, 0, 100, 30);
        frame.Show(SW_SHOWNORMAL);
        QApplication::setActiveWindow(frame.Widget());
        QVERIFY(QTest::qWaitForWindowActive(frame.Widget()));
        QPalette palette = window.Widget()->palette();
        other.setFocus();
        QTRY_VERIFY(!window.HasFocus());
        QCOMPARE(EdgeColour(window), palette.color(QPalette::Mid).rgb());
        window.SetFocus();
        QTRY_VERIFY(window.HasFocus());
        QCOMPARE(EdgeColour(window), palette.color(QPalette::Highlight).rgb());
        // The mark lies outside what the window paints: its client area starts inside it.
        auto* area = static_cast<QAbstractScrollArea*>(window.Widget());
        QVERIFY(area->viewport()->geometry().left() >= 2);
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
