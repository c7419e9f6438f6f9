#include "ui/filedialog.h"

#include "ui/dwindow.h"
#include "ui/qtext.h"

#include <QFileDialog>

#include <deque>
#include <optional>

namespace {

// A queued answer: the paths picked, or nothing for Cancel.
std::deque<std::optional<std::vector<Str>>>& Answers() {
    static std::deque<std::optional<std::vector<Str>>> answers;
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

namespace {

// The dialog (or the script's answer) with the files picked; many: several may be.
bool RunFileDialog(const DWindow* owner, const FileDialogParams& params, bool many,
                   std::vector<Str>& paths) {
    if (!Answers().empty()) {
        std::optional<std::vector<Str>> answer = Answers().front();
        Answers().pop_front();
        Recorded().push_back(params);
        if (!answer || answer->empty()) return false;
        paths = *answer;
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
        dialog.setFileMode(many ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    }
    QString initial = ToQt(params.initialName);
    if (!initial.isEmpty() && !initial.contains('*') && !initial.contains('?'))
        dialog.selectFile(initial);
    if (dialog.exec() != QDialog::Accepted) return false;
    paths.clear();
    for (const QString& file : dialog.selectedFiles())
        if (!file.isEmpty()) paths.push_back(FromQt(file));
    return !paths.empty();
}

} // namespace

bool DFileDialog(const DWindow* owner, const FileDialogParams& params, Str& path) {
    std::vector<Str> paths;
    if (!RunFileDialog(owner, params, false, paths)) return false;
    path = paths.front();
    return true;
}

bool DFileDialogMany(const DWindow* owner, const FileDialogParams& params,
                     std::vector<Str>& paths) {
    return RunFileDialog(owner, params, true, paths);
}

void FileDialogScript::PushFileName(const char* path) {
    Answers().emplace_back(std::vector<Str>{Str(path)});
}

void FileDialogScript::PushFileNames(const std::vector<Str>& paths) {
    Answers().emplace_back(paths);
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
