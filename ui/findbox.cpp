#include "ui/findbox.h"

#include "ui/qtext.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QVBoxLayout>

namespace {

// What is searched and found is the document's 8-bit text, shown as the description pane
// shows it.
QString FromDocText(const Str& text) {
    return ReportToQt(text.Get());
}

QLineEdit* TextOf(QWidget* box) {
    return box ? box->findChild<QLineEdit*>(QStringLiteral("findText")) : nullptr;
}

QListWidget* ListOf(QWidget* box) {
    return box ? box->findChild<QListWidget*>(QStringLiteral("findList")) : nullptr;
}

// Down in the text goes to the list, so that the keyboard alone can choose a line.
class TextToList : public QObject {
public:
    TextToList(QLineEdit* text, QListWidget* list) : QObject(text), list_(list) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || list_->count() == 0) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Down && key->key() != Qt::Key_Return &&
            key->key() != Qt::Key_Enter)
            return false;
        list_->setFocus();
        if (list_->currentRow() < 0) list_->setCurrentRow(0);
        if (key->key() != Qt::Key_Down) emit list_->itemActivated(list_->currentItem());
        return true;
    }

private:
    QListWidget* list_;
};

// Whether a line is older, kept beside its faded colour.
constexpr int kOlderRole = Qt::UserRole + 1;
// Whether a line offers the line action.
constexpr int kActsRole = Qt::UserRole + 2;

void MakeParts(QWidget* box) {
    auto* layout = new QVBoxLayout(box);
    auto* text = new QLineEdit(box);
    text->setObjectName(QStringLiteral("findText"));
    text->setPlaceholderText(WindowText(Msg::FindPrompt));
    text->setClearButtonEnabled(true);
    auto* list = new QListWidget(box);
    list->setObjectName(QStringLiteral("findList"));
    auto* count = new QLabel(box);
    count->setObjectName(QStringLiteral("findCount"));
    layout->addWidget(text);
    layout->addWidget(list);
    layout->addWidget(count);
    text->installEventFilter(new TextToList(text, list));
}

} // namespace

DFindBox::DFindBox(DFrameWindow* frame, const char* caption, const Place& place, Search search,
                   Choose choose)
    : DDockPanel(frame, "findPanel", caption, place), search_(std::move(search)) {
    MakeParts(Body());
    QLineEdit* text = TextOf(Widget());
    QListWidget* list = ListOf(Widget());
    QObject::connect(text, &QLineEdit::textChanged, Widget(), [this] { Refresh(); });
    auto go = [list, choose](QListWidgetItem* item) {
        if (item) choose(list->row(item));
    };
    QObject::connect(list, &QListWidget::itemClicked, Widget(), go);
    QObject::connect(list, &QListWidget::itemActivated, Widget(), go);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        list, &QListWidget::customContextMenuRequested, Widget(), [this, list](const QPoint& at) {
            const int index = list->row(list->itemAt(at));
            if (!act_ || !LineActs(index)) return;
            QMenu menu(list);
            QObject::connect(menu.addAction(WindowText(actCaption_)), &QAction::triggered, list,
                             [this, index] { ActOnLine(index); });
            menu.exec(list->viewport()->mapToGlobal(at));
        });
}

void DFindBox::SetLineAction(int captionId, Choose act) {
    actCaption_ = captionId;
    act_ = std::move(act);
}

bool DFindBox::LineActs(int index) const {
    QListWidget* list = ListOf(Widget());
    QListWidgetItem* item = list ? list->item(index) : nullptr;
    return item && item->data(kActsRole).toBool();
}

void DFindBox::ActOnLine(int index) {
    if (act_ && LineActs(index)) act_(index);
}

void DFindBox::Open() {
    if (!Widget()) return;
    DDockPanel::Open();
    if (Widget()->isWindow()) Widget()->activateWindow(); // floating
    TextOf(Widget())->setFocus();
    TextOf(Widget())->selectAll();
}

void DFindBox::Refresh() {
    QListWidget* list = ListOf(Widget());
    if (!list) return;
    std::vector<Line> lines = search_ ? search_(GetText()) : std::vector<Line>();
    list->clear();
    QBrush faded = list->palette().brush(QPalette::Disabled, QPalette::Text);
    for (const Line& line : lines) {
        auto* item = new QListWidgetItem(FromDocText(line.text), list);
        item->setData(kOlderRole, line.older);
        item->setData(kActsRole, line.acts);
        if (line.older) item->setForeground(faded);
    }
    auto* count = Widget()->findChild<QLabel*>(QStringLiteral("findCount"));
    bool typed = !GetText().IsEmpty();
    count->setText(typed ? FoundText(lines.size(), Msg::OneFound, Msg::SomeFound) : QString());
}

void DFindBox::SetText(const char* text) {
    if (QLineEdit* line = TextOf(Widget())) line->setText(FromDocText(text));
}

Str DFindBox::GetText() const {
    QLineEdit* line = TextOf(Widget());
    return line ? ReportFromQt(line->text()) : Str();
}

int DFindBox::GetLineCount() const {
    QListWidget* list = ListOf(Widget());
    return list ? list->count() : 0;
}

bool DFindBox::IsLineOlder(int index) const {
    QListWidget* list = ListOf(Widget());
    QListWidgetItem* item = list ? list->item(index) : nullptr;
    return item && item->data(kOlderRole).toBool();
}

Str DFindBox::GetLine(int index) const {
    QListWidget* list = ListOf(Widget());
    QListWidgetItem* item = list ? list->item(index) : nullptr;
    return item ? ReportFromQt(item->text()) : Str();
}
