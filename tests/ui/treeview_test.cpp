#include "ui/treeview.h"

#include <QScrollBar>
#include <QTreeWidget>
#include <QWheelEvent>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

TreeViewNode* Add(TreeViewNode& parent, const char* text) {
    auto node = std::make_unique<TreeViewNode>();
    node->SetString(text);
    return parent.Add(std::move(node));
}

// Records every change of state the control reports.
class RecordingTree : public TreeView {
public:
    RecordingTree() : TreeView(nullptr) {}
    void EvExpand(TreeViewNode* node, bool open) override {
        changes.push_back({node, open});
        if (!refuse) TreeView::EvExpand(node, open);
    }
    struct Change {
        TreeViewNode* node;
        bool open;
    };
    std::vector<Change> changes;
    bool refuse = false;
};

// A title open with two lines below, one of them open with its own line; a closed heading
// with a line; an empty last line.
struct Sample {
    std::unique_ptr<TreeViewNode> root = std::make_unique<TreeViewNode>();
    TreeViewNode* title;
    TreeViewNode* units;
    TreeViewNode* unit;
    TreeViewNode* item;
    TreeViewNode* heading;
    Sample() {
        title = Add(*root, "forest (16,6) in Branblod");
        units = Add(*title, "Your units: ");
        unit = Add(*units, "Guards (404)");
        item = Add(*unit, "4 swords");
        heading = Add(*title, "Buildings:");
        Add(*heading, "Tower [1]");
        Add(*root, "last");
        title->SetOpen(true);
        unit->SetOpen(true);
    }
};

QTreeWidget* Widget(const TreeView& view) {
    return qobject_cast<QTreeWidget*>(view.Widget());
}

QTreeWidgetItem* ItemAt(const TreeView& view, std::initializer_list<int> path) {
    QTreeWidgetItem* item = nullptr;
    for (int i : path)
        item = item ? item->child(i) : Widget(view)->topLevelItem(i);
    return item;
}

// The user's click on the open/close button of a line.
void ClickButton(const TreeView& view, QTreeWidgetItem* item) {
    QTreeWidget* tree = Widget(view);
    QRect line = tree->visualItemRect(item);
    QPoint button(line.left() - tree->indentation() / 2, line.center().y());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, button);
}

} // namespace

class TreeViewTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheNodesAsLinesWithTheirStates() {
        RecordingTree view;
        Sample s;
        TreeViewNode* root = s.root.get();
        QVERIFY(!view.SetRoot(std::move(s.root)));
        QCOMPARE(view.GetRoot(), root);
        QTreeWidget* tree = Widget(view);
        QCOMPARE(tree->topLevelItemCount(), 2);
        QCOMPARE(ItemAt(view, {0})->text(0), QStringLiteral("forest (16,6) in Branblod"));
        QCOMPARE(ItemAt(view, {0, 0, 0, 0})->text(0), QStringLiteral("4 swords"));
        QCOMPARE(ItemAt(view, {0, 1, 0})->text(0), QStringLiteral("Tower [1]"));
        QVERIFY(ItemAt(view, {0})->isExpanded());
        QVERIFY(!ItemAt(view, {0, 0})->isExpanded());
        QVERIFY(ItemAt(view, {0, 0, 0})->isExpanded());
        QVERIFY(!ItemAt(view, {0, 1})->isExpanded());
        // Showing a tree is no change of state.
        QVERIFY(view.changes.empty());

        // Texts changed and lines added after showing appear with Format.
        s.heading->SetString("Buildings: 2");
        Add(*s.heading, "Shaft [2]");
        view.Format(true);
        QCOMPARE(ItemAt(view, {0, 1})->text(0), QStringLiteral("Buildings: 2"));
        QCOMPARE(ItemAt(view, {0, 1})->childCount(), 2);
        QCOMPARE(ItemAt(view, {0, 1, 1})->text(0), QStringLiteral("Shaft [2]"));
    }

    void aNewRootForgetsTheOldTree() {
        RecordingTree view;
        Sample first;
        TreeViewNode* oldRoot = first.root.get();
        view.SetRoot(std::move(first.root));
        view.SetCurrent(first.item);
        QCOMPARE(view.GetCurrent(), first.item);

        Sample second;
        std::unique_ptr<TreeViewNode> old = view.SetRoot(std::move(second.root));
        QCOMPARE(old.get(), oldRoot);
        QVERIFY(view.GetCurrent() != first.item);
        old.reset();
        // Nothing of the old tree is reached any more.
        view.Expand(second.units, true);
        view.Format(true);
        QCOMPARE(Widget(view)->topLevelItemCount(), 2);

        view.SetRoot(nullptr);
        QCOMPARE(Widget(view)->topLevelItemCount(), 0);
        QVERIFY(!view.GetCurrent());
    }

    void theProgramsExpandReportsRealChangesOnly() {
        RecordingTree view;
        Sample s;
        view.SetRoot(std::move(s.root));
        view.Expand(s.units, true);
        QCOMPARE(view.changes.size(), size_t(1));
        QCOMPARE(view.changes[0].node, s.units);
        QVERIFY(view.changes[0].open);
        QVERIFY(s.units->IsOpen());
        QVERIFY(ItemAt(view, {0, 0})->isExpanded());

        view.Expand(s.units, true);    // already open
        view.Expand(s.heading, false); // already closed
        QCOMPARE(view.changes.size(), size_t(1));

        view.Expand(s.title, false);
        QCOMPARE(view.changes.size(), size_t(2));
        QVERIFY(!view.changes[1].open);
        QVERIFY(!ItemAt(view, {0})->isExpanded());
        // The lines below keep their own states.
        QVERIFY(s.units->IsOpen());
    }

    void theUsersClicksAndKeysReportChanges() {
        RecordingTree view;
        Sample s;
        view.SetRoot(std::move(s.root));
        view.Resize(400, 300);
        view.Show(SW_SHOWNORMAL);
        QVERIFY(QTest::qWaitForWindowExposed(view.Widget()));

        ClickButton(view, ItemAt(view, {0, 1}));
        QCOMPARE(view.changes.size(), size_t(1));
        QCOMPARE(view.changes[0].node, s.heading);
        QVERIFY(view.changes[0].open);
        QVERIFY(s.heading->IsOpen());

        ClickButton(view, ItemAt(view, {0, 1}));
        QCOMPARE(view.changes.size(), size_t(2));
        QVERIFY(!view.changes[1].open);
        QVERIFY(!s.heading->IsOpen());

        // A line without lines below has no button: a click there changes nothing.
        ClickButton(view, ItemAt(view, {1}));
        QCOMPARE(view.changes.size(), size_t(2));

        QTreeWidget* tree = Widget(view);
        tree->setFocus();
        view.SetCurrent(s.units);
        QTest::keyClick(tree, Qt::Key_Right);
        QCOMPARE(view.changes.size(), size_t(3));
        QVERIFY(s.units->IsOpen());
        QTest::keyClick(tree, Qt::Key_Left);
        QCOMPARE(view.changes.size(), size_t(4));
        QVERIFY(!s.units->IsOpen());
    }

    void aControlThatKeepsTheNodeShowsItUnchanged() {
        RecordingTree view;
        Sample s;
        view.SetRoot(std::move(s.root));
        view.Show(SW_SHOWNORMAL);
        QVERIFY(QTest::qWaitForWindowExposed(view.Widget()));
        view.refuse = true;
        ClickButton(view, ItemAt(view, {0, 1}));
        QCOMPARE(view.changes.size(), size_t(1));
        QVERIFY(!s.heading->IsOpen());
        QVERIFY(!ItemAt(view, {0, 1})->isExpanded());
    }

    void closingALineUnselectsWhatLiesBelowIt() {
        RecordingTree view;
        Sample s;
        view.SetRoot(std::move(s.root));
        ItemAt(view, {0, 0, 0, 0})->setSelected(true); // "4 swords"
        ItemAt(view, {1})->setSelected(true);
        view.Expand(s.unit, false);
        QVERIFY(!ItemAt(view, {0, 0, 0, 0})->isSelected());
        QVERIFY(ItemAt(view, {1})->isSelected());
    }

    void theWheelScrollsALongTree() {
        RecordingTree view;
        auto root = std::make_unique<TreeViewNode>();
        for (int i = 0; i < 200; ++i)
            Add(*root, "unlimited iron at $75");
        view.SetRoot(std::move(root));
        view.Resize(300, 200);
        view.Show(SW_SHOWNORMAL);
        QVERIFY(QTest::qWaitForWindowExposed(view.Widget()));
        QTreeWidget* tree = Widget(view);
        QCOMPARE(tree->verticalScrollBar()->value(), 0);
        QPointF at(50, 50);
        QWheelEvent wheel(at, tree->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(tree->viewport(), &wheel);
        QVERIFY(tree->verticalScrollBar()->value() > 0);
    }
};

QTEST_MAIN(TreeViewTest)
#include "treeview_test.moc"
