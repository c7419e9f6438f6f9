#include "ui/notedialog.h"

#include "ui/dwindow.h"
#include "ui/qtext.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

bool DNoteDialog(const DWindow* owner, const char* caption, const char* prompt, Str& text,
                 size_t maxLength) {
    QDialog dialog(owner ? owner->Widget() : nullptr);
    dialog.setObjectName(QStringLiteral("noteDialog"));
    dialog.setWindowTitle(ToQt(caption));
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(ToQt(prompt), &dialog);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* edit = new QPlainTextEdit(&dialog);
    edit->setObjectName(QStringLiteral("noteText"));
    edit->setTabChangesFocus(true);
    edit->setPlainText(ReportToQt(text.Get()));
    edit->moveCursor(QTextCursor::End);
    // A few lines' room, at the width of a short paragraph.
    QFontMetrics metrics(edit->font());
    edit->setMinimumSize(metrics.averageCharWidth() * 48, metrics.lineSpacing() * 7);
    QObject::connect(edit, &QPlainTextEdit::textChanged, [edit, maxLength] {
        // Cut back what a paste or a key put beyond the limit, keeping the cursor's place.
        QString typed = edit->toPlainText();
        if (ReportFromQt(typed).Length() <= static_cast<int>(maxLength)) return;
        QTextCursor cursor = edit->textCursor();
        int at = cursor.position();
        while (!typed.isEmpty() && ReportFromQt(typed).Length() > static_cast<int>(maxLength))
            typed.chop(1);
        QSignalBlocker quiet(edit);
        edit->setPlainText(typed);
        cursor = edit->textCursor();
        cursor.setPosition(std::min(at, static_cast<int>(typed.size())));
        edit->setTextCursor(cursor);
    });
    layout->addWidget(edit);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton(WindowText(Msg::ButtonOk), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("noteOk"));
    QPushButton* cancel =
        buttons->addButton(WindowText(Msg::ButtonCancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("noteCancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    edit->setFocus();
    if (dialog.exec() != QDialog::Accepted) return false;
    text = ReportFromQt(edit->toPlainText());
    return true;
}
