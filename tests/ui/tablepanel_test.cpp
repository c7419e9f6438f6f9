// The table panel the units and factions lists share, driven as the user drives it: the
// headings clicked, the filter typed in, rows clicked, copied and saved.
#include "app/profile.h"
#include "testdir.h"
#include "ui/dframewindow.h"
#include "ui/tablepanel.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include <memory>

namespace {

using Cell = DTablePanel::Cell;

// Number, name (report text: "Ælfric" in Windows-1252), men, and a text with a comma and a
// quote in it, for the comma-separated form.
std::vector<DTablePanel::Row> Units() {
    return {
        {Cell::Number(10), Cell::Text("scouts"), Cell::Number(2), Cell::Text("2 HORS")},
        {Cell::Number(2), Cell::Text("Miners"), Cell::Number(-1), Cell::Text("")},
        {Cell::Number(301), Cell::Text("\xC6lfric"), Cell::Number(12),
         Cell::Text("1 SWOR, \"fine\"")},
        {Cell::Number(1), Cell::Text("Guards"), Cell::Number(3), Cell::Text("3 SWOR")},
    };
}

std::vector<Str> Headings() {
    return {"Number", "Name", "Men", "Items"};
}

} // namespace

class TablePanelTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDir> dir_;
    std::unique_ptr<ApplicationProfile> profile_;
    std::unique_ptr<DFrameWindow> frame_;
    std::unique_ptr<DTablePanel> panel_;
    std::vector<int> chosen_;
    std::vector<std::string> saved_;

    QTableView* View() { return panel_->Widget()->findChild<QTableView*>("tableView"); }
    QStringList Shown(int column) {
        QStringList cells;
        for (int row = 0; row < panel_->GetShownCount(); ++row)
            cells << ToQt(panel_->GetShownRow(row)).split(QLatin1Char('\t'))[column];
        return cells;
    }
    void ClickHeading(int column) {
        QHeaderView* header = View()->horizontalHeader();
        int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }
    void ClickShown(int row, Qt::KeyboardModifiers keys = {}) {
        QRect cell = View()->visualRect(View()->model()->index(row, 1));
        QTest::mouseClick(View()->viewport(), Qt::LeftButton, keys, cell.center());
    }
    static QString ToQt(const Str& text) { return QString::fromUtf8(text.Get()); }

private slots:
    void init() {
        dir_ = std::make_unique<TestDir>();
        profile_ = std::make_unique<ApplicationProfile>(dir_->File("test.ini").c_str());
        frame_ = std::make_unique<DFrameWindow>("Test", MenuTemplate{});
        frame_->Resize(900, 600);
        frame_->Show(SW_SHOWNORMAL);
        QVERIFY(QTest::qWaitForWindowExposed(frame_->Widget()));
        chosen_.clear();
        saved_.clear();
        panel_ = std::make_unique<DTablePanel>(
            frame_.get(), "unitsPanel", "Units",
            DDockPanel::Place{*profile_, "UnitsPanel", DDockPanel::Bottom, 200}, Headings(),
            [this](int row) { chosen_.push_back(row); },
            [this](const std::string& csv) { saved_.push_back(csv); });
        panel_->SetRows(Units());
        panel_->Open();
        QVERIFY(QTest::qWaitForWindowExposed(View()));
    }
    void cleanup() {
        panel_.reset();
        frame_.reset();
        profile_.reset();
        dir_.reset();
    }

    // Numbers sort as numbers, unknown ones first; texts in any case; a second click turns
    // the order round. Until a heading is clicked the rows keep their own order.
    void aClickedHeadingSortsItsColumn() {
        QCOMPARE(Shown(0), QStringList({"10", "2", "301", "1"}));
        ClickHeading(0);
        QCOMPARE(Shown(0), QStringList({"1", "2", "10", "301"}));
        ClickHeading(0);
        QCOMPARE(Shown(0), QStringList({"301", "10", "2", "1"}));
        ClickHeading(2);
        QCOMPARE(Shown(2), QStringList({"", "2", "3", "12"}));
        ClickHeading(1);
        QCOMPARE(Shown(1), QStringList({"Guards", "Miners", "scouts", "Ælfric"}));
        // New rows of the next month come sorted as the old ones were.
        auto rows = Units();
        rows.push_back({Cell::Number(7), Cell::Text("archers"), Cell::Number(1), Cell::Text("")});
        panel_->SetRows(std::move(rows));
        QCOMPARE(Shown(1), QStringList({"archers", "Guards", "Miners", "scouts", "Ælfric"}));
        panel_->SortBy(-1, true);
        QCOMPARE(Shown(0), QStringList({"10", "2", "301", "1", "7"}));
    }

    // The filter matches any cell, in any case, report text included; it stays for new rows.
    void theFilterShowsTheRowsHoldingItsText() {
        auto* filter = panel_->Widget()->findChild<QLineEdit*>("tableFilter");
        QTest::keyClicks(filter, "swor");
        QCOMPARE(Shown(1), QStringList({"Ælfric", "Guards"}));
        filter->clear();
        QTest::keyClicks(filter, "ælf");
        QCOMPARE(Shown(0), QStringList({"301"}));
        panel_->SetFilter("30");
        panel_->SetRows(Units());
        QCOMPARE(Shown(0), QStringList({"301"}));
        panel_->SetFilter("");
        QCOMPARE(panel_->GetShownCount(), 4);
    }

    // A click hands over the row as it was given, however the rows are sorted and filtered;
    // so does Enter.
    void aClickedRowIsHandedToTheOwner() {
        ClickHeading(0); // 1, 2, 10, 301
        ClickShown(0);
        ClickShown(3);
        panel_->SetFilter("miners");
        ClickShown(0);
        QTest::keyClick(View(), Qt::Key_Return);
        QCOMPARE(chosen_, std::vector<int>({3, 2, 1, 1}));
    }

    // Copy and Save take the selected rows in the order shown, or all shown rows without a
    // selection, under the headings; Save quotes what needs it.
    void theRowsAreCopiedAndSaved() {
        ClickHeading(0);
        ClickShown(2);
        ClickShown(0, Qt::ControlModifier);
        panel_->Copy();
        QCOMPARE(
            QApplication::clipboard()->text(),
            QString("Number\tName\tMen\tItems\n1\tGuards\t3\t3 SWOR\n10\tscouts\t2\t2 HORS\n"));
        View()->clearSelection();
        panel_->SetFilter("sw");
        QTest::mouseClick(panel_->Widget()->findChild<QPushButton*>("tableSave"), Qt::LeftButton);
        QCOMPARE(saved_.size(), size_t(1));
        QCOMPARE(QString::fromStdString(saved_[0]),
                 QString("Number,Name,Men,Items\r\n1,Guards,3,3 SWOR\r\n"
                         "301,Ælfric,12,\"1 SWOR, \"\"fine\"\"\"\r\n"));
        QTest::mouseClick(panel_->Widget()->findChild<QPushButton*>("tableCopy"), Qt::LeftButton);
        QVERIFY(QApplication::clipboard()->text().startsWith("Number\tName\tMen\tItems\n1\t"));
    }

    // The panel's own share of filling and sorting two thousand units, printed, not asserted.
    void twoThousandRowsFillAndSort() {
        std::vector<DTablePanel::Row> rows;
        for (int i = 0; i < 2000; ++i)
            rows.push_back({Cell::Number((i * 7919) % 2000), Cell::Text("Unit"),
                            Cell::Number(i % 13), Cell::Text("2 HORS, 1 SWOR, 30 SILV")});
        QElapsedTimer timer;
        timer.start();
        panel_->SetRows(rows);
        qint64 filled = timer.restart();
        ClickHeading(0);
        qint64 sorted = timer.restart();
        panel_->SetRows(rows);
        qint64 refilled = timer.elapsed();
        QCOMPARE(Shown(0).first(), QString("0"));
        qInfo("2000 rows: filled in %lld ms, sorted in %lld ms, filled sorted in %lld ms", filled,
              sorted, refilled);
    }
};

QTEST_MAIN(TablePanelTest)
#include "tablepanel_test.moc"
