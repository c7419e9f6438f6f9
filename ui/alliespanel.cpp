#include "ui/alliespanel.h"

#include "ui/qtext.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <string>

namespace {

enum Column { kFaction, kName, kMonths, kFirst, kLast, kColumns };

QTreeWidget* ListOf(QWidget* panel) {
    return panel ? panel->findChild<QTreeWidget*>(QStringLiteral("alliesList")) : nullptr;
}

QPushButton* ButtonOf(QWidget* panel, const char* name) {
    return panel ? panel->findChild<QPushButton*>(QLatin1String(name)) : nullptr;
}

QPushButton* AddButton(QWidget* parent, QBoxLayout* layout, const char* name, int textId) {
    auto* button = new QPushButton(WindowText(textId), parent);
    button->setObjectName(QLatin1String(name));
    layout->addWidget(button);
    return button;
}

void MakeParts(QWidget* panel) {
    auto* layout = new QVBoxLayout(panel);
    auto* none = new QLabel(WindowText(Msg::NoAllies), panel);
    none->setObjectName(QStringLiteral("alliesNone"));
    none->setWordWrap(true);
    auto* list = new QTreeWidget(panel);
    list->setObjectName(QStringLiteral("alliesList"));
    list->setRootIsDecorated(false);
    list->setColumnCount(kColumns);
    list->setHeaderLabels({WindowText(Msg::AllyFaction), WindowText(Msg::AllyName),
                           WindowText(Msg::AllyMonths), WindowText(Msg::AllyFirst),
                           WindowText(Msg::AllyLast)});
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* buttons = new QHBoxLayout;
    AddButton(panel, buttons, "allyRemove", Msg::AllyRemove);
    AddButton(panel, buttons, "allyRefresh", Msg::AllyRefresh);
    buttons->addStretch();
    layout->addWidget(none);
    layout->addWidget(list);
    layout->addLayout(buttons);
}

} // namespace

DAlliesPanel::DAlliesPanel(DFrameWindow* frame, const char* caption, const Place& place, Act remove,
                           Act refresh)
    : DDockPanel(frame, "alliesPanel", caption, place) {
    MakeParts(Body());
    QTreeWidget* list = ListOf(Widget());
    QObject::connect(list, &QTreeWidget::currentItemChanged, Widget(), [this] { UpdateButtons(); });
    // The faction is read when the button is pressed: the rows may have changed since.
    auto act = [this](Act what) {
        return [this, what = std::move(what)] {
            if (int faction = GetChosen(); faction && what) what(faction);
        };
    };
    QObject::connect(ButtonOf(Widget(), "allyRemove"), &QPushButton::clicked, Widget(),
                     act(std::move(remove)));
    QObject::connect(ButtonOf(Widget(), "allyRefresh"), &QPushButton::clicked, Widget(),
                     act(std::move(refresh)));
    UpdateButtons();
}

void DAlliesPanel::SetRows(std::vector<Row> rows) {
    QTreeWidget* list = ListOf(Widget());
    if (!list) return;
    int chosen = GetChosen();
    rows_ = std::move(rows);
    list->clear();
    for (const Row& row : rows_) {
        auto* item = new QTreeWidgetItem(list);
        item->setText(kFaction, QString::number(row.faction));
        item->setText(kName, ReportToQt(row.name.Get()));
        item->setText(kMonths, QString::number(row.months));
        item->setText(kFirst, ToQt(row.first));
        item->setText(kLast, ToQt(row.last));
        item->setTextAlignment(kFaction, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(kMonths, Qt::AlignRight | Qt::AlignVCenter);
    }
    Widget()->findChild<QLabel*>(QStringLiteral("alliesNone"))->setVisible(rows_.empty());
    list->setVisible(!rows_.empty());
    // The first ally is chosen where the one chosen before went.
    Choose(chosen);
    if (!GetChosen() && !rows_.empty()) Choose(rows_.front().faction);
    UpdateButtons();
}

int DAlliesPanel::GetRowCount() const {
    return static_cast<int>(rows_.size());
}

Str DAlliesPanel::GetRow(int index) const {
    QTreeWidget* list = ListOf(Widget());
    QTreeWidgetItem* item = list ? list->topLevelItem(index) : nullptr;
    if (!item) return Str();
    QStringList cells;
    for (int column = 0; column < kColumns; ++column)
        cells << item->text(column);
    return FromQt(cells.join(QLatin1Char('\t')));
}

int DAlliesPanel::GetChosen() const {
    QTreeWidget* list = ListOf(Widget());
    int index = list && list->currentItem() ? list->indexOfTopLevelItem(list->currentItem()) : -1;
    return index >= 0 && index < GetRowCount() ? rows_[static_cast<size_t>(index)].faction : 0;
}

void DAlliesPanel::Choose(int faction) {
    QTreeWidget* list = ListOf(Widget());
    if (!list) return;
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].faction == faction) {
            list->setCurrentItem(list->topLevelItem(static_cast<int>(i)));
            return;
        }
}

void DAlliesPanel::UpdateButtons() {
    int chosen = GetChosen();
    bool fromFile = false;
    for (const Row& row : rows_)
        if (row.faction == chosen) fromFile = row.fromFile;
    ButtonOf(Widget(), "allyRemove")->setEnabled(chosen != 0);
    ButtonOf(Widget(), "allyRefresh")->setEnabled(chosen != 0 && fromFile);
    ButtonOf(Widget(), "allyRemove")->setVisible(!rows_.empty());
    ButtonOf(Widget(), "allyRefresh")->setVisible(!rows_.empty());
}
