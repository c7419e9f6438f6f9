#include "ui/choicedialog.h"

#include "app/globals.h"
#include "ui/dwindow.h"
#include "ui/qtext.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <deque>

namespace {

std::deque<int>& Answers() {
    static std::deque<int> answers;
    return answers;
}

std::vector<ChoiceDialogScript::Shown>& Recorded() {
    static std::vector<ChoiceDialogScript::Shown> shown;
    return shown;
}

} // namespace

void ChoiceDialogScript::PushAnswer(int index) {
    Answers().push_back(index);
}

bool ChoiceDialogScript::HasAnswers() {
    return !Answers().empty();
}

const std::vector<ChoiceDialogScript::Shown>& ChoiceDialogScript::History() {
    return Recorded();
}

void ChoiceDialogScript::Reset() {
    Answers().clear();
    Recorded().clear();
}

int DChoiceDialog(const DWindow* owner, const char* title, const char* prompt,
                  const std::vector<Str>& choices, int current) {
    if (!Answers().empty()) {
        int answer = Answers().front();
        Answers().pop_front();
        Recorded().push_back({Str(title), Str(prompt), choices});
        return answer >= 0 && answer < static_cast<int>(choices.size()) ? answer : -1;
    }
    QDialog dialog(owner ? owner->Widget() : nullptr);
    dialog.setWindowTitle(ToQt(title));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(ToQt(prompt), &dialog));
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("choices"));
    for (const Str& choice : choices)
        list->addItem(ToQt(choice));
    if (current >= 0 && current < list->count()) list->setCurrentRow(current);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(ToQt(Language.Text(Msg::ButtonOk)), QDialogButtonBox::AcceptRole);
    buttons->addButton(ToQt(Language.Text(Msg::ButtonCancel)), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    if (dialog.exec() != QDialog::Accepted) return -1;
    return list->currentRow();
}
