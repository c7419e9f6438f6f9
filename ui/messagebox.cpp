#include "ui/messagebox.h"

#include "ui/dwindow.h"
#include "ui/qtext.h"

#include <QMessageBox>
#include <QPushButton>

#include <deque>
#include <utility>

namespace {

std::deque<int>& Answers() {
    static std::deque<int> answers;
    return answers;
}

std::vector<MessageBoxScript::Shown>& Recorded() {
    static std::vector<MessageBoxScript::Shown> shown;
    return shown;
}

QMessageBox::Icon IconOf(unsigned style) {
    switch (style & 0xF0) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// The answer of a box closed without a button: Cancel, or OK where there is no Cancel.
int CloseAnswer(unsigned style) {
    unsigned buttons = style & 0x0F;
    return buttons == MB_OK || buttons == MB_YESNO || buttons == MB_YESNOALL ? IDOK : IDCANCEL;
}

QMessageBox::ButtonRole RoleOf(int answer) {
    switch (answer) {
    case IDOK:
    case IDYES:
    case IDYESTOALL:
        return QMessageBox::YesRole;
    case IDNO:
    case IDNOTOALL:
        return QMessageBox::NoRole;
    default:
        return QMessageBox::RejectRole;
    }
}

} // namespace

std::vector<MessageBoxButton> MessageBoxButtons(unsigned style) {
    auto text = [](int id) { return Language.Text(id); };
    MessageBoxButton ok{IDOK, text(Msg::ButtonOk)}, cancel{IDCANCEL, text(Msg::ButtonCancel)},
        yes{IDYES, text(Msg::ButtonYes)}, no{IDNO, text(Msg::ButtonNo)},
        yesToAll{IDYESTOALL, text(Msg::ButtonYesToAll)},
        noToAll{IDNOTOALL, text(Msg::ButtonNoToAll)};
    switch (style & 0x0F) {
    case MB_OKCANCEL:
        return {ok, cancel};
    case MB_YESNOCANCEL:
        return {yes, no, cancel};
    case MB_YESNO:
        return {yes, no};
    case MB_YESNOALL:
        return {yes, yesToAll, no, noToAll};
    case MB_YESALLCANCEL:
        return {yes, yesToAll, cancel};
    default:
        return {ok};
    }
}

void MessageBoxScript::PushAnswer(int answer) {
    Answers().push_back(answer);
}

bool MessageBoxScript::HasAnswers() {
    return !Answers().empty();
}

const std::vector<MessageBoxScript::Shown>& MessageBoxScript::History() {
    return Recorded();
}

void MessageBoxScript::Reset() {
    Answers().clear();
    Recorded().clear();
}

int DMessageBox(const DWindow* owner, const char* text, const char* caption, unsigned style) {
    if (!Answers().empty()) {
        int answer = Answers().front();
        Answers().pop_front();
        Recorded().push_back({Str(text), Str(caption), style});
        return answer;
    }

    QMessageBox box(IconOf(style), ToQt(caption), ToQt(text), QMessageBox::NoButton,
                    owner ? owner->Widget() : nullptr);
    // Texts carry file names and line breaks, never markup.
    box.setTextFormat(Qt::PlainText);
    std::vector<std::pair<QAbstractButton*, int>> buttons;
    for (const MessageBoxButton& b : MessageBoxButtons(style)) {
        QMessageBox::ButtonRole role = RoleOf(b.answer);
        QPushButton* button = box.addButton(ToQt(b.text), role);
        button->setObjectName(QStringLiteral("answer%1").arg(b.answer));
        buttons.emplace_back(button, b.answer);
        if (role == QMessageBox::RejectRole) box.setEscapeButton(button);
        if ((style & MB_DEFBUTTON2) && b.answer == IDNO) box.setDefaultButton(button);
    }
    box.exec();
    for (auto [button, answer] : buttons)
        if (box.clickedButton() == button) return answer;
    return CloseAnswer(style);
}
