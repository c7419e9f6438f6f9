#include "ui/historypanel.h"

#include "ui/qtext.h"

#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QSplitter>
#include <QTreeWidget>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

enum Column { kWhen, kSeenBy, kChanges, kColumns };

template <class T> T* Part(QWidget* panel, const char* name) {
    return panel ? panel->findChild<T*>(QLatin1String(name)) : nullptr;
}

QChartView* MakeChart(QWidget* parent, const char* name) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(2, 2, 2, 2));
    // The axes live as long as the chart: removing and adding axes leaves the old ones'
    // labels drawn over the new, so a fill only sets their ranges.
    auto* months = new QValueAxis;
    months->setLabelFormat(QStringLiteral("%d"));
    months->setTickType(QValueAxis::TicksDynamic);
    chart->addAxis(months, Qt::AlignBottom);
    auto* left = new QValueAxis;
    left->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(left, Qt::AlignLeft);
    auto* right = new QValueAxis;
    right->setLabelFormat(QStringLiteral("%.1f"));
    chart->addAxis(right, Qt::AlignRight);
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QLatin1String(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(190);
    return view;
}

QLineSeries* LineOf(const DHistoryPanel::Series& series) {
    auto* line = new QLineSeries;
    line->setName(ToQt(series.name));
    line->setPointsVisible(true);
    for (const DHistoryPanel::Point& p : series.points)
        line->append(p.month, p.value);
    return line;
}

QValueAxis* AxisAt(QChart* chart, Qt::Alignment alignment) {
    for (QAbstractAxis* axis : chart->axes())
        if (axis->alignment() == alignment) return static_cast<QValueAxis*>(axis);
    return nullptr;
}

// The values' range with a little room, ticked at round steps: about three of them, since a
// short chart elides labels that crowd each other.
void FitAxis(QValueAxis* axis, const std::vector<const DHistoryPanel::Series*>& series) {
    double low = 0, high = 0;
    bool any = false;
    for (const auto* s : series)
        for (const DHistoryPanel::Point& p : s->points) {
            low = any ? std::min(low, p.value) : p.value;
            high = any ? std::max(high, p.value) : p.value;
            any = true;
        }
    const double room = std::max(1.0, (high - low) * 0.1);
    const double wanted = (high - low + 2 * room) / 3;
    const double base = std::pow(10.0, std::floor(std::log10(wanted)));
    double step = base;
    for (double times : {2.0, 5.0, 10.0})
        if (step < wanted) step = base * times;
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickInterval(step);
    axis->setTickAnchor(std::floor((low - room) / step) * step);
    axis->setRange(low - room, high + room);
}

// Months on the x axis: the game's turn numbers, as the command line takes them (January,
// Year 1 is turn 1).
constexpr int kTurnOfMonth = 1 - 12;
void FitMonths(QValueAxis* axis, const DHistoryPanel::History& history) {
    int first = 0, last = 0;
    if (!history.rows.empty()) {
        first = history.rows.back().month;
        last = history.rows.front().month;
    }
    axis->setRange(first + kTurnOfMonth - 0.5, last + kTurnOfMonth + 0.5);
    axis->setTickInterval(std::max(1, (last - first) / 6));
    axis->setTickAnchor(first + kTurnOfMonth);
}

// The series drawn against turn numbers.
DHistoryPanel::Series AsTurns(DHistoryPanel::Series series) {
    for (DHistoryPanel::Point& p : series.points)
        p.month += kTurnOfMonth;
    return series;
}

void Fill(QChart* chart, const DHistoryPanel::History& history,
          const std::vector<std::vector<const DHistoryPanel::Series*>>& sides) {
    chart->removeAllSeries();
    QValueAxis* months = AxisAt(chart, Qt::AlignBottom);
    FitMonths(months, history);
    months->setVisible(!history.rows.empty());
    const Qt::Alignment align[] = {Qt::AlignLeft, Qt::AlignRight};
    for (size_t side = 0; side < 2; ++side) {
        QValueAxis* values = AxisAt(chart, align[side]);
        bool used = false;
        if (side < sides.size())
            for (const auto* s : sides[side])
                used = used || !s->points.empty();
        values->setVisible(used);
        if (!used) continue;
        FitAxis(values, sides[side]);
        for (const auto* s : sides[side]) {
            QLineSeries* line = LineOf(AsTurns(*s));
            chart->addSeries(line);
            line->attachAxis(months);
            line->attachAxis(values);
        }
    }
}

void MakeParts(QWidget* panel) {
    auto* layout = new QVBoxLayout(panel);
    auto* title = new QLabel(panel);
    title->setObjectName(QStringLiteral("historyTitle"));
    title->setWordWrap(true);
    layout->addWidget(title);
    auto* split = new QSplitter(Qt::Vertical, panel);
    split->addWidget(MakeChart(split, "historyValues"));
    auto* priceBox = new QWidget(split);
    auto* priceLayout = new QVBoxLayout(priceBox);
    priceLayout->setContentsMargins(0, 0, 0, 0);
    auto* choice = new QComboBox(priceBox);
    choice->setObjectName(QStringLiteral("historyPriceChoice"));
    priceLayout->addWidget(choice);
    priceLayout->addWidget(MakeChart(priceBox, "historyPrice"));
    split->addWidget(priceBox);
    auto* list = new QTreeWidget(split);
    list->setObjectName(QStringLiteral("historyList"));
    list->setRootIsDecorated(false);
    list->setColumnCount(kColumns);
    list->setHeaderLabels({WindowText(Msg::HistoryMonth), WindowText(Msg::HistorySeenBy),
                           WindowText(Msg::HistoryChanges)});
    list->header()->setSectionResizeMode(kWhen, QHeaderView::ResizeToContents);
    list->header()->setSectionResizeMode(kSeenBy, QHeaderView::ResizeToContents);
    list->setWordWrap(true);
    split->addWidget(list);
    layout->addWidget(split, 1);
}

} // namespace

DHistoryPanel::DHistoryPanel(DFrameWindow* frame, const char* caption, const Place& place,
                             ShowMonth show)
    : DDockPanel(frame, "historyPanel", caption, place), show_(std::move(show)) {
    MakeParts(Body());
    QObject::connect(Part<QTreeWidget>(Widget(), "historyList"), &QTreeWidget::itemClicked,
                     Widget(), [this](QTreeWidgetItem* item) {
                         ClickRow(
                             Part<QTreeWidget>(Widget(), "historyList")->indexOfTopLevelItem(item));
                     });
    QObject::connect(Part<QComboBox>(Widget(), "historyPriceChoice"),
                     &QComboBox::currentIndexChanged, Widget(), [this] { DrawPrice(); });
    SetHistory(History{});
}

void DHistoryPanel::SetHistory(History history) {
    QWidget* panel = Widget();
    // The item chosen before stays chosen while this hex traded it too.
    QComboBox* choice = Part<QComboBox>(panel, "historyPriceChoice");
    const QString chosen = choice->currentText();
    QTreeWidget* list = Part<QTreeWidget>(panel, "historyList");
    const int was = list->currentItem() ? list->indexOfTopLevelItem(list->currentItem()) : -1;
    const int wasMonth =
        was >= 0 && was < GetRowCount() ? history_.rows[static_cast<size_t>(was)].month : -1;
    history_ = std::move(history);
    Part<QLabel>(panel, "historyTitle")->setText(ToQt(history_.title));

    list->clear();
    for (const Row& row : history_.rows) {
        auto* item = new QTreeWidgetItem(list);
        item->setText(kWhen, ToQt(row.when));
        item->setText(kSeenBy, ReportToQt(row.seenBy.Get()));
        item->setText(kChanges, ToQt(row.changes));
        item->setToolTip(kChanges, ToQt(row.changes));
        // The month chosen stays chosen: a click shows its turn, which fills the panel again.
        if (row.month == wasMonth) list->setCurrentItem(item);
    }

    const History& h = history_;
    Fill(Part<QChartView>(panel, "historyValues")->chart(), h,
         {{&h.peasants, &h.taxes}, {&h.wages}});

    const QSignalBlocker quiet(choice);
    choice->clear();
    for (const Series& series : history_.prices)
        choice->addItem(ToQt(series.name));
    choice->setCurrentIndex(std::max(0, choice->findText(chosen)));
    choice->setEnabled(!history_.prices.empty());
    DrawPrice();
}

void DHistoryPanel::DrawPrice() {
    const int index = GetChosenPrice();
    std::vector<std::vector<const Series*>> sides(1);
    if (index >= 0) sides[0].push_back(&history_.prices[static_cast<size_t>(index)]);
    Fill(Part<QChartView>(Widget(), "historyPrice")->chart(), history_, sides);
}

int DHistoryPanel::GetRowCount() const {
    return static_cast<int>(history_.rows.size());
}

Str DHistoryPanel::GetRow(int index) const {
    QTreeWidget* list = Part<QTreeWidget>(Widget(), "historyList");
    QTreeWidgetItem* item = list ? list->topLevelItem(index) : nullptr;
    if (!item) return Str();
    QStringList cells;
    for (int column = 0; column < kColumns; ++column)
        cells << item->text(column);
    return FromQt(cells.join(QLatin1Char('\t')));
}

void DHistoryPanel::ClickRow(int index) {
    if (index < 0 || index >= GetRowCount() || !show_) return;
    show_(history_.rows[static_cast<size_t>(index)].month);
}

int DHistoryPanel::GetChosenPrice() const {
    QComboBox* choice = Part<QComboBox>(Widget(), "historyPriceChoice");
    const int index = choice ? choice->currentIndex() : -1;
    return index >= 0 && index < static_cast<int>(history_.prices.size()) ? index : -1;
}

void DHistoryPanel::ChoosePrice(int index) {
    Part<QComboBox>(Widget(), "historyPriceChoice")->setCurrentIndex(index);
}

std::vector<std::vector<DHistoryPanel::Point>> DHistoryPanel::GetDrawnSeries() const {
    std::vector<std::vector<Point>> drawn;
    for (const char* name : {"historyValues", "historyPrice"})
        for (QAbstractSeries* series : Part<QChartView>(Widget(), name)->chart()->series()) {
            auto& points = drawn.emplace_back();
            for (const QPointF& p : static_cast<QLineSeries*>(series)->points())
                points.push_back({static_cast<int>(p.x()) - kTurnOfMonth, p.y()});
        }
    return drawn;
}

int DHistoryPanel::GetMostValueTicks() const {
    int most = 0;
    for (const char* name : {"historyValues", "historyPrice"})
        for (QAbstractAxis* axis : Part<QChartView>(Widget(), name)->chart()->axes(Qt::Vertical)) {
            const auto* values = static_cast<const QValueAxis*>(axis);
            if (!values->isVisible()) continue;
            int ticks = values->tickCount();
            if (values->tickType() == QValueAxis::TicksDynamic) {
                const double step = values->tickInterval(), anchor = values->tickAnchor();
                ticks = static_cast<int>(std::floor((values->max() - anchor) / step) -
                                         std::ceil((values->min() - anchor) / step)) +
                        1;
            }
            most = std::max(most, ticks);
        }
    return most;
}
