// The player's notes and bookmarks in the main window, driven as a user would on the offscreen
// platform: the note editor on the selected hex, the note at the top of the pane, its mark on
// the map, the Bookmarks menu's jump, and the notes through save and open.
#include "app/globals.h"
#include "map/atlmap.h"
#include "model/hexnotes.h"
#include "populatedframe.h"
#include "ui/statusbar.h"
#include "vexlor/framewindow.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

class NotesTest : public QObject {
    Q_OBJECT

    PopulatedFrame window_;
    const AtlCoord verdorf_{0, 32};

    FrameWindow& Frame() { return window_.Frame(); }
    QStringList Described() {
        auto* pane = Frame().Widget()->findChild<QTreeWidget*>(QStringLiteral("descrPane"));
        QStringList lines;
        for (int i = 0; i < pane->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = pane->topLevelItem(i);
            lines << item->text(0);
            for (int j = 0; j < item->childCount() && i == 0; ++j)
                lines << "  " + item->child(j)->text(0);
        }
        return lines;
    }
    // Opens the note editor by its menu command and lets answer work in it while it is shown.
    void EditNote(const std::function<void(QDialog&)>& answer) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->objectName(), QStringLiteral("noteDialog"));
            shown = true;
            answer(*dialog);
        });
        QVERIFY(Frame().EvCommand(CM_NOTEEDIT));
        QVERIFY(shown);
    }
    // The menu entries put above the Bookmarks menu's commands.
    QStringList BookmarkEntries() {
        QStringList texts;
        for (QMenu* menu : Frame().Widget()->findChildren<QMenu*>())
            for (QAction* action : menu->actions()) {
                unsigned id = action->data().toUInt();
                if (id >= CM_BOOKMARKFIRST && id <= CM_BOOKMARKLAST && !action->isSeparator())
                    texts << action->text();
            }
        return texts;
    }

private slots:
    void initTestCase() { PopulatedFrame::LoadLanguage(); }
    void init() { window_.Open(8); }
    void cleanup() { window_.Close(); }
    void cleanupTestCase() { PopulatedFrame::UnloadLanguage(); }

    void theEditorWritesANoteThatThePaneAndTheMapShow() {
        Frame().Map().GetMap().ClearSelection();
        QVERIFY(!Frame().IsCommandEnabled(CM_NOTEEDIT)); // no hex selected
        QVERIFY(!Frame().IsCommandEnabled(CM_NOTEBOOKMARK));
        Frame().GoTo(verdorf_);
        QVERIFY(Frame().IsCommandEnabled(CM_NOTEEDIT));

        // Cancelled: nothing changes.
        EditNote([](QDialog& dialog) {
            QTest::keyClicks(dialog.findChild<QPlainTextEdit*>(QStringLiteral("noteText")), "x");
            dialog.findChild<QPushButton*>(QStringLiteral("noteCancel"))->click();
        });
        QVERIFY(Frame().Document().Extras().notes.IsEmpty());

        QImage before = Frame().Map().Widget()->grab().toImage();
        EditNote([](QDialog& dialog) {
            auto* text = dialog.findChild<QPlainTextEdit*>(QStringLiteral("noteText"));
            QVERIFY(text->toPlainText().isEmpty());
            QTest::keyClicks(text, "Buy horses");
            QTest::keyClick(text, Qt::Key_Return);
            QTest::keyClicks(text, "at Verdorf");
            dialog.findChild<QPushButton*>(QStringLiteral("noteOk"))->click();
        });
        const HexNote* note = Frame().Document().Extras().notes.Find(verdorf_);
        QVERIFY(note);
        QCOMPARE(note->text, Str("Buy horses\nat Verdorf"));
        QVERIFY(Frame().Document().IsModified());
        QCOMPARE(Described().mid(0, 4), (QStringList{"Your note:", "  Buy horses", "  at Verdorf",
                                                     "jungle (0,32) in Erisort"}));
        QCOMPARE(Frame().StatusBar().GetText(Frame().NoteField()), Str("Note kept on (0,32)"));
        // The mark is painted over the hex.
        QVERIFY(Frame().Map().Widget()->grab().toImage() != before);

        // The editor opens on the note; emptied, the note goes.
        EditNote([](QDialog& dialog) {
            auto* text = dialog.findChild<QPlainTextEdit*>(QStringLiteral("noteText"));
            QCOMPARE(text->toPlainText(), QStringLiteral("Buy horses\nat Verdorf"));
            text->selectAll();
            QTest::keyClick(text, Qt::Key_Delete);
            dialog.findChild<QPushButton*>(QStringLiteral("noteOk"))->click();
        });
        QVERIFY(Frame().Document().Extras().notes.IsEmpty());
        QCOMPARE(Described().first(), QStringLiteral("jungle (0,32) in Erisort"));
        QVERIFY(Frame().Map().Widget()->grab().toImage() == before);
    }

    void theEditorStopsTypingAtTheLongestNote() {
        Frame().GoTo(verdorf_);
        EditNote([](QDialog& dialog) {
            auto* text = dialog.findChild<QPlainTextEdit*>(QStringLiteral("noteText"));
            text->setPlainText(QString(int(HexNotes::kMaxLength) - 1, QChar('a')));
            text->moveCursor(QTextCursor::End);
            QTest::keyClicks(text, "bcd");
            QCOMPARE(text->toPlainText().size(), qsizetype(HexNotes::kMaxLength));
            QVERIFY(text->toPlainText().endsWith(QLatin1String("ab")));
            dialog.findChild<QPushButton*>(QStringLiteral("noteOk"))->click();
        });
        QCOMPARE(size_t(Frame().Document().Extras().notes.Find(verdorf_)->text.Length()),
                 HexNotes::kMaxLength);
    }

    void bookmarksAreListedForAJumpAndKeptWithTheMap() {
        const AtlCoord other(2, 32);
        Frame().GoTo(verdorf_);
        QVERIFY(Frame().EvCommand(CM_NOTEBOOKMARK));
        QCOMPARE(Described().first(), QStringLiteral("Bookmarked"));
        Frame().GoTo(other);
        QVERIFY(Frame().EvCommand(CM_NOTEBOOKMARK));
        QCOMPARE(BookmarkEntries().size(), 2);
        QVERIFY(BookmarkEntries().first().startsWith(QLatin1String("&1 (0,32) Erisort")));
        QVERIFY(!Frame().IsCommandEnabled(CM_BOOKMARKFIRST + 2));

        QVERIFY(Frame().EvCommand(CM_BOOKMARKFIRST));
        QCOMPARE(Frame().SelectedHex(), std::optional<AtlCoord>(verdorf_));
        QVERIFY(Frame().EvCommand(CM_NOTEBOOKMARK)); // off again
        QCOMPARE(BookmarkEntries().size(), 1);
        QVERIFY(BookmarkEntries().first().startsWith(QLatin1String("&1 (2,32)")));

        // Saved and opened again, the bookmark and the menu come back.
        std::string path = window_.File("marked.atl");
        QCOMPARE(Frame().Save(path.c_str()), 0);
        Frame().Close();
        QVERIFY(BookmarkEntries().isEmpty());
        Frame().Open(path.c_str());
        QCOMPARE(Frame().Document().Extras().notes.Bookmarks(), std::vector<AtlCoord>{other});
        QCOMPARE(BookmarkEntries().size(), 1);
        QVERIFY(Frame().EvCommand(CM_BOOKMARKFIRST));
        QCOMPARE(Frame().SelectedHex(), std::optional<AtlCoord>(other));
    }
};

QTEST_MAIN(NotesTest)
#include "notes_test.moc"
