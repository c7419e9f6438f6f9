#include "ui/filedialog.h"

#include "ui/dwindow.h"
#include "ui/qtext.h"

#include <QFileDialog>

#include <deque>
#include <optional>

namespace {

// A queued answer: a path, or nothing for Cancel.
std::deque<std::optional<Str>>& Answers() {
    static std::deque<std::optional<Str>> answers;
    return answers;
}

std::vector<FileDialogParams>& Recorded() {
    static std::vector<FileDialogParams> shown;
    return shown;
}

QStringList Split(const QString& text, QChar by) {
    QStringList parts = text.split(by);
    for (QString& part : parts)
        part = part.trimmed();
    parts.removeAll(QString());
    return parts;
}

} // namespace

std::vector<Str> FileDialogFilters(const char* filter) {
    std::vector<Str> out;
    QStringList parts = ToQt(filter).split('|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        QStringList patterns = Split(parts[i + 1], ';');
        if (name.isEmpty() || patterns.isEmpty()) continue;
        for (QString& p : patterns)
            if (p == QLatin1String("*.*")) p = QStringLiteral("*");
        // The dialog reads the patterns from the name's last parentheses: those of the
        // classic name give way to the ones between the bars.
        if (name.endsWith(')') && name.lastIndexOf('(') > 0)
            name = name.left(name.lastIndexOf('(')).trimmed();
        out.push_back(FromQt(name + QStringLiteral(" (") + patterns.join(' ') + ')'));
    }
    return out;
}

bool DFileDialog(const DWindow* owner, const FileDialogParams& params, Str& path) {
    if (!Answers().empty()) {
        std::optional<Str> answer = Answers().front();
        Answers().pop_front();
        Recorded().push_back(params);
        if (!answer) return false;
        path = *answer;
        return true;
    }

    QFileDialog dialog(owner ? owner->Widget() : nullptr, ToQt(params.title),
                       ToQt(params.directory));
    QStringList filters;
    for (const Str& f : FileDialogFilters(params.filter.Get()))
        filters << ToQt(f);
    dialog.setNameFilters(filters);
    if (params.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(ToQt(params.defaultExtension));
    } else {
        // No suffix here: a report saved without one must stay choosable as it is.
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    QString initial = ToQt(params.initialName);
    if (!initial.isEmpty() && !initial.contains('*') && !initial.contains('?'))
        dialog.selectFile(initial);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    path = FromQt(dialog.selectedFiles().first());
    return !path.IsEmpty();
}

void FileDialogScript::PushFileName(const char* path) {
    Answers().emplace_back(Str(path));
}

void FileDialogScript::PushCancel() {
    Answers().emplace_back(std::nullopt);
}

bool FileDialogScript::HasAnswers() {
    return !Answers().empty();
}

const std::vector<FileDialogParams>& FileDialogScript::History() {
    return Recorded();
}

void FileDialogScript::Reset() {
    Answers().clear();
    Recorded().clear();
}
