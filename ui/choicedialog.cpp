#include "ui/choicedialog.h"

#include "ui/dwindow.h"
#include "ui/qtext.h"

#include <QInputDialog>

#include <deque>

namespace {

constexpr int kCancelled = -1;

std::deque<int>& Answers() {
    static std::deque<int> answers;
    return answers;
}

std::vector<ChoiceDialogScript::Shown>& Recorded() {
    static std::vector<ChoiceDialogScript::Shown> shown;
    return shown;
}

} // namespace

void ChoiceDialogScript::PushChoice(int index) {
    Answers().push_back(index);
}

void ChoiceDialogScript::PushCancel() {
    Answers().push_back(kCancelled);
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

bool DChoiceDialog(const DWindow* owner, const char* caption, const char* prompt,
                   const std::vector<Str>& choices, int& chosen) {
    if (choices.empty()) return false;
    if (!Answers().empty()) {
        int answer = Answers().front();
        Answers().pop_front();
        Recorded().push_back({Str(prompt), choices});
        if (answer < 0 || answer >= static_cast<int>(choices.size())) return false;
        chosen = answer;
        return true;
    }

    QStringList items;
    for (const Str& choice : choices)
        items << ToQt(choice);
    int first = chosen >= 0 && chosen < items.size() ? chosen : 0;
    bool confirmed = false;
    QString picked = QInputDialog::getItem(owner ? owner->Widget() : nullptr, ToQt(caption),
                                           ToQt(prompt), items, first, false, &confirmed);
    if (!confirmed) return false;
    int index = static_cast<int>(items.indexOf(picked));
    if (index < 0) return false;
    chosen = index;
    return true;
}
