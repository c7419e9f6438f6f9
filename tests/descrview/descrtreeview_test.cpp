#include "app/globals.h"
#include "descr/descrtree.h"
#include "descrview/descrtreeview.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "tests/support/reportdoc.h"

#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

// Counts the changes of state that reach the pane.
class CountingPane : public DescrTreeView {
public:
    CountingPane() : DescrTreeView(nullptr) {}
    void EvExpand(TreeViewNode* node, bool open) override {
        ++changes;
        DescrTreeView::EvExpand(node, open);
    }
    int changes = 0;
};

void CloseAllHeadings() {
    DescrOptions& h = AppOptions.headings;
    h.bWantedOpen = h.bForSaleOpen = h.bProductsOpen = false;
    h.bMyUnitsOpen = h.bOtherUnitsOpen = h.bBuildingsOpen = false;
}

// The six flags in heading order.
std::vector<bool> Flags() {
    const DescrOptions& h = AppOptions.headings;
    return {h.bWantedOpen,  h.bForSaleOpen,    h.bProductsOpen,
            h.bMyUnitsOpen, h.bOtherUnitsOpen, h.bBuildingsOpen};
}

// The line below node whose text begins with text.
TreeViewNode* Line(TreeViewNode* node, const char* text) {
    for (int i = 0; i < node->ChildCount(); ++i) {
        TreeViewNode* child = node->Child(i);
        if (child->GetString().View().rfind(text, 0) == 0) return child;
        if (TreeViewNode* found = Line(child, text)) return found;
    }
    return nullptr;
}

QTreeWidgetItem* ItemOf(const TreeView& pane, const char* text) {
    auto* tree = qobject_cast<QTreeWidget*>(pane.Widget());
    QList<QTreeWidgetItem*> found =
        tree->findItems(QString::fromLatin1(text), Qt::MatchStartsWith | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

} // namespace

class DescrTreeViewTest : public QObject {
    Q_OBJECT

    VexlorDoc doc;
    AtlMap map;

    // The description of Verdorf, jungle (0,32), in the newest of faction 3's reports.
    void Describe(TreeView& pane) {
        pane.SetRoot(BuildDescrTree(doc, map, AtlCoord(0, 32), AppOptions.headings));
        QVERIFY(pane.GetRoot());
    }

private slots:
    void initTestCase() {
        std::string shown =
            AddReports(doc, ReportSeries(std::string(VEXLOR_REPORTS_DIR) + "/head-standard", 3, 8));
        QCOMPARE(QString::fromStdString(shown), QString());
        FormatMap(doc, map, doc.LastTurn()->date);
    }

    void init() { CloseAllHeadings(); }

    void eachHeadingRemembersItsStateInTheOptions() {
        CountingPane pane;
        Describe(pane);
        const char* headings[] = {
            "Wanted: ", "For Sale: ", "Products: ", "Your units: ", "Other units:", "Buildings:"};
        for (int i = 0; i < 6; ++i) {
            TreeViewNode* heading = Line(pane.GetRoot(), headings[i]);
            QVERIFY2(heading, headings[i]);
            QVERIFY(!heading->IsOpen());
            pane.Expand(heading, true);
            std::vector<bool> expected(6, false);
            for (int j = 0; j <= i; ++j)
                expected[j] = true;
            QCOMPARE(Flags(), expected);
            QVERIFY(ItemOf(pane, headings[i])->isExpanded());
        }
        pane.Expand(Line(pane.GetRoot(), "For Sale: "), false);
        QCOMPARE(Flags(), (std::vector<bool>{true, false, true, true, true, true}));
        QCOMPARE(pane.changes, 7);
    }

    void otherLinesChangeNoOption() {
        CountingPane pane;
        AppOptions.headings.bBuildingsOpen = true;
        Describe(pane);
        TreeViewNode* title = pane.GetRoot()->Child(0);
        TreeViewNode* building = Line(pane.GetRoot(), "Building [1] : Tower.");
        TreeViewNode* unit = Line(building, "Captain (358)");
        QVERIFY(title && building && unit);
        pane.Expand(title, false);
        pane.Expand(building, true);
        pane.Expand(unit, false);
        QCOMPARE(pane.changes, 3);
        QVERIFY(!title->IsOpen() && building->IsOpen() && !unit->IsOpen());
        QCOMPARE(Flags(), (std::vector<bool>{false, false, false, false, false, true}));
    }

    void anOpenHeadingOpenedAgainChangesNothing() {
        CountingPane pane;
        AppOptions.headings.bProductsOpen = true;
        Describe(pane);
        // The options change behind the pane's back: a no-op must not write them.
        AppOptions.headings.bProductsOpen = false;
        pane.Expand(Line(pane.GetRoot(), "Products: "), true);
        QCOMPARE(pane.changes, 0);
        QVERIFY(!AppOptions.headings.bProductsOpen);
    }

    void theUsersClickIsRememberedToo() {
        CountingPane pane;
        AppOptions.headings.bOtherUnitsOpen = true;
        Describe(pane);
        pane.Resize(500, 700);
        pane.Show(SW_SHOWNORMAL);
        QVERIFY(QTest::qWaitForWindowExposed(pane.Widget()));
        auto* tree = qobject_cast<QTreeWidget*>(pane.Widget());
        QTreeWidgetItem* others = ItemOf(pane, "Other units:");
        QVERIFY(others && others->isExpanded());
        QRect line = tree->visualItemRect(others);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          QPoint(line.left() - tree->indentation() / 2, line.center().y()));
        QVERIFY(!others->isExpanded());
        QVERIFY(!Line(pane.GetRoot(), "Other units:")->IsOpen());
        QVERIFY(!AppOptions.headings.bOtherUnitsOpen);
        QCOMPARE(pane.changes, 1);
    }

    // Clicking an exit line, or Enter on it, goes to the hex it leads to; other lines do not.
    void anExitLineChosenGoesToItsHex() {
        DescrTreeView pane(nullptr);
        std::vector<AtlCoord> wentTo;
        pane.OnGoTo([&](const AtlCoord& c) {
            wentTo.push_back(c);
            pane.SetRoot(nullptr); // as the map does when it describes the hex gone to
        });
        AppOptions.headings.bExitsOpen = true;
        Describe(pane);
        pane.Widget()->resize(400, 900);
        pane.Widget()->show();
        auto* tree = qobject_cast<QTreeWidget*>(pane.Widget());
        QTreeWidgetItem* exit = ItemOf(pane, "Southeast : swamp (1,33) in Tourois");
        QVERIFY(exit);
        tree->scrollToItem(exit);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(exit).center());
        QTRY_COMPARE(wentTo.size(), size_t(1));
        QCOMPARE(wentTo[0], AtlCoord(1, 33));

        Describe(pane);
        QTreeWidgetItem* products = ItemOf(pane, "Products: ");
        tree->scrollToItem(products);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(products).center());
        QTreeWidgetItem* north = ItemOf(pane, "North : ocean (0,30)");
        tree->setCurrentItem(north);
        QTest::keyClick(tree, Qt::Key_Return);
        QTRY_COMPARE(wentTo.size(), size_t(2));
        QCOMPARE(wentTo[1], AtlCoord(0, 30));
        AppOptions.headings.bExitsOpen = false;
    }
};

QTEST_MAIN(DescrTreeViewTest)
#include "descrtreeview_test.moc"
