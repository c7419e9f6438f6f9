#include "ui/messagebox.h"

#include "ui/dwindow.h"
#include "ui/qtext.h"

#include <QMessageBox>

#include <deque>

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

} // namespace

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
    switch (style & 0x0F) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MB_YESNOALL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No |
                               QMessageBox::NoToAll);
        break;
    case MB_OKALLCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::YesToAll | QMessageBox::Cancel);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    if (style & MB_DEFBUTTON2) box.setDefaultButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::YesToAll:
        return IDYESTOALL;
    case QMessageBox::NoToAll:
        return IDNOTOALL;
    default:
        return (style & 0x0F) == MB_OK || (style & 0x0F) == MB_YESNO ||
                       (style & 0x0F) == MB_YESNOALL
                   ? IDOK
                   : IDCANCEL;
    }
}
