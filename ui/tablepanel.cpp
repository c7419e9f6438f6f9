#include "ui/tablepanel.h"

#include "base/textutil.h"
#include "ui/qtext.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Wide columns (a unit's items and skills) are measured on this many rows, so that a long
// list fills as fast as a short one.
constexpr int kMeasuredRows = 200;
constexpr int kWidestColumn = 360;

QTableView* ViewOf(QWidget* panel) {
    return panel ? panel->findChild<QTableView*>(QStringLiteral("tableView")) : nullptr;
}

QLineEdit* FilterOf(QWidget* panel) {
    return panel ? panel->findChild<QLineEdit*>(QStringLiteral("tableFilter")) : nullptr;
}

QHBoxLayout* ButtonsOf(QWidget* panel) {
    return panel ? panel->findChild<QHBoxLayout*>(QStringLiteral("tableButtons")) : nullptr;
}

} // namespace

DTablePanel::Cell DTablePanel::Cell::Number(int64_t number) {
    Str text;
    if (number >= 0) text = std::to_string(number).c_str();
    return {std::move(text), number, true};
}

// The rows as Qt shows them: the texts converted once, when the rows come, and each row's
// cells folded to one lower-case text for the filter.
class DTablePanel::Model : public QAbstractTableModel {
public:
    struct Shown {
        std::vector<QString> texts;
        QString folded;
    };

    void SetHeadings(std::vector<Str> headings) {
        beginResetModel();
        headings_.clear();
        for (const Str& heading : headings)
            headings_.push_back(ToQt(heading));
        rows_.clear();
        shown_.clear();
        endResetModel();
    }

    void SetRows(std::vector<Row> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        shown_.clear();
        shown_.reserve(rows_.size());
        for (const Row& row : rows_) {
            Shown shown;
            shown.texts.reserve(row.size());
            for (const Cell& cell : row) {
                shown.texts.push_back(ReportToQt(cell.text.Get()));
                shown.folded += shown.texts.back().toCaseFolded();
                shown.folded += QLatin1Char('\t');
            }
            shown_.push_back(std::move(shown));
        }
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(headings_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        const Cell* cell = CellAt(index.row(), index.column());
        if (!cell) return {};
        if (role == Qt::DisplayRole) return Text(index.row(), index.column());
        if (role == Qt::TextAlignmentRole && cell->numeric)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
            section >= static_cast<int>(headings_.size()))
            return {};
        return headings_[static_cast<size_t>(section)];
    }

    const Cell* CellAt(int row, int column) const {
        if (row < 0 || row >= static_cast<int>(rows_.size()) || column < 0) return nullptr;
        const Row& cells = rows_[static_cast<size_t>(row)];
        return column < static_cast<int>(cells.size()) ? &cells[static_cast<size_t>(column)]
                                                       : nullptr;
    }
    QString Text(int row, int column) const {
        const auto& texts = shown_[static_cast<size_t>(row)].texts;
        return column < static_cast<int>(texts.size()) ? texts[static_cast<size_t>(column)]
                                                       : QString();
    }
    const QString& Folded(int row) const { return shown_[static_cast<size_t>(row)].folded; }
    const std::vector<QString>& Headings() const { return headings_; }

private:
    std::vector<QString> headings_;
    std::vector<Row> rows_;
    std::vector<Shown> shown_;
};

// Sorts by the cells' own keys and filters on the folded rows, with no detour through
// QVariant for each comparison.
class DTablePanel::Filter : public QSortFilterProxyModel {
public:
    Filter(const Model& model, QObject* parent) : QSortFilterProxyModel(parent), model_(model) {}

    void SetText(const QString& text) {
        folded_ = text.toCaseFolded();
        invalidateRowsFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex&) const override {
        return folded_.isEmpty() || model_.Folded(row).contains(folded_);
    }
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
        const Cell* a = model_.CellAt(left.row(), left.column());
        const Cell* b = model_.CellAt(right.row(), right.column());
        if (!a || !b) return !a && b;
        if (a->numeric && b->numeric) return a->key < b->key;
        if (a->numeric != b->numeric) return a->numeric; // numbers before texts
        return a->text < b->text; // the lists' own dictionary order, on the report's text
    }

private:
    const Model& model_;
    QString folded_;
};

DTablePanel::DTablePanel(DFrameWindow* frame, const char* name, const char* caption,
                         const Place& place, std::vector<Str> headings, Choose choose, Save save)
    : DDockPanel(frame, name, caption, place), model_(std::make_unique<Model>()),
      choose_(std::move(choose)), save_(std::move(save)) {
    QWidget* body = Body();
    auto* layout = new QVBoxLayout(body);
    auto* filter = new QLineEdit(body);
    filter->setObjectName(QStringLiteral("tableFilter"));
    filter->setPlaceholderText(WindowText(Msg::TableFilterPrompt));
    filter->setClearButtonEnabled(true);
    auto* view = new QTableView(body);
    view->setObjectName(QStringLiteral("tableView"));
    filter_ = new Filter(*model_, view);
    filter_->setSourceModel(model_.get());
    view->setModel(filter_);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    // Rows of one height need no measuring, however many there are.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setResizeContentsPrecision(kMeasuredRows);
    view->horizontalHeader()->setStretchLastSection(true);
    view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view->setSortingEnabled(true);
    auto* buttons = new QHBoxLayout;
    buttons->setObjectName(QStringLiteral("tableButtons"));
    buttons->addStretch();
    auto* copy = new QPushButton(WindowText(Msg::TableCopy), body);
    copy->setObjectName(QStringLiteral("tableCopy"));
    auto* saveButton = new QPushButton(WindowText(Msg::TableSave), body);
    saveButton->setObjectName(QStringLiteral("tableSave"));
    buttons->addWidget(copy);
    buttons->addWidget(saveButton);
    layout->addWidget(filter);
    layout->addWidget(view);
    layout->addLayout(buttons);

    QObject::connect(filter, &QLineEdit::textChanged, view,
                     [this](const QString& text) { filter_->SetText(text); });
    auto chosen = [this](const QModelIndex& index) {
        QModelIndex row = filter_->mapToSource(index);
        if (row.isValid() && choose_) choose_(row.row());
    };
    QObject::connect(view, &QTableView::clicked, view, chosen);
    auto* enter = new QShortcut(QKeySequence(Qt::Key_Return), view);
    enter->setContext(Qt::WidgetShortcut);
    QObject::connect(enter, &QShortcut::activated, view,
                     [view, chosen] { chosen(view->currentIndex()); });
    auto* copyKey = new QShortcut(QKeySequence::Copy, view);
    copyKey->setContext(Qt::WidgetShortcut);
    QObject::connect(copyKey, &QShortcut::activated, view, [this] { Copy(); });
    QObject::connect(copy, &QPushButton::clicked, view, [this] { Copy(); });
    QObject::connect(saveButton, &QPushButton::clicked, view, [this] { SaveRows(); });
    SetHeadings(std::move(headings));
}

DTablePanel::~DTablePanel() {
    // The view goes with the panel's widget; it must not ask a model already gone.
    if (QTableView* view = ViewOf(Widget())) view->setModel(nullptr);
}

void DTablePanel::SetHeadings(std::vector<Str> headings) {
    model_->SetHeadings(std::move(headings));
    SortBy(-1, true);
}

void DTablePanel::SetRows(std::vector<Row> rows) {
    QTableView* view = ViewOf(Widget());
    bool first = model_->rowCount() == 0;
    model_->SetRows(std::move(rows));
    if (!view || !first) return;
    // Columns take the width of what they hold when rows first come; the user's widths stay
    // after that.
    view->resizeColumnsToContents();
    for (int column = 0; column < model_->columnCount(); ++column)
        if (view->columnWidth(column) > kWidestColumn) view->setColumnWidth(column, kWidestColumn);
}

void DTablePanel::AddCheck(const char* name, const Str& text, bool checked,
                           std::function<void(bool)> changed) {
    QHBoxLayout* buttons = ButtonsOf(Widget());
    if (!buttons) return;
    auto* check = new QCheckBox(ToQt(text), Body());
    check->setObjectName(QLatin1String(name));
    check->setChecked(checked);
    QObject::connect(check, &QCheckBox::toggled, check, [changed = std::move(changed)](bool on) {
        if (changed) changed(on);
    });
    buttons->insertWidget(buttons->count() - 3, check);
}

void DTablePanel::AddButton(const char* name, const Str& text, std::function<void()> pressed) {
    QHBoxLayout* buttons = ButtonsOf(Widget());
    if (!buttons) return;
    auto* button = new QPushButton(ToQt(text), Body());
    button->setObjectName(QLatin1String(name));
    QObject::connect(button, &QPushButton::clicked, button, [pressed = std::move(pressed)] {
        if (pressed) pressed();
    });
    buttons->insertWidget(buttons->count() - 3, button);
}

void DTablePanel::Open() {
    if (!Widget()) return;
    DDockPanel::Open();
    if (Widget()->isWindow()) Widget()->activateWindow(); // floating
    FilterOf(Widget())->setFocus();
    FilterOf(Widget())->selectAll();
}

void DTablePanel::SetFilter(const char* text) {
    if (QLineEdit* filter = FilterOf(Widget())) filter->setText(ToQt(text));
}

void DTablePanel::SortBy(int column, bool ascending) {
    if (QTableView* view = ViewOf(Widget()))
        view->sortByColumn(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

int DTablePanel::GetShownCount() const {
    return filter_->rowCount();
}

Str DTablePanel::GetShownRow(int index) const {
    QStringList cells;
    for (int column = 0; column < filter_->columnCount(); ++column)
        cells << filter_->index(index, column).data().toString();
    return FromQt(cells.join(QLatin1Char('\t')));
}

void DTablePanel::SelectShown(const std::vector<int>& indexes) {
    QTableView* view = ViewOf(Widget());
    if (!view) return;
    view->clearSelection();
    for (int index : indexes)
        view->selectionModel()->select(filter_->index(index, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

std::vector<std::vector<std::string>> DTablePanel::GetTable() const {
    std::vector<std::vector<std::string>> table;
    std::vector<std::string> headings;
    for (const QString& heading : model_->Headings())
        headings.push_back(heading.toStdString());
    table.push_back(std::move(headings));
    QTableView* view = ViewOf(Widget());
    std::vector<int> rows;
    if (view)
        for (const QModelIndex& index : view->selectionModel()->selectedRows())
            rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    if (rows.empty())
        for (int row = 0; row < filter_->rowCount(); ++row)
            rows.push_back(row);
    for (int row : rows) {
        std::vector<std::string> cells;
        int source = filter_->mapToSource(filter_->index(row, 0)).row();
        for (int column = 0; column < model_->columnCount(); ++column)
            cells.push_back(model_->Text(source, column).toStdString());
        table.push_back(std::move(cells));
    }
    return table;
}

void DTablePanel::Copy() const {
    std::string text;
    for (const auto& row : GetTable()) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (i) text += '\t';
            text += row[i];
        }
        text += '\n';
    }
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void DTablePanel::SaveRows() const {
    if (save_) save_(CsvText(GetTable()));
}
