#include "base/filelock.h"
#include "base/replacefile.h"
#include "cli/commands.h"
#include "model/docfile.h"
#include "model/vexlordoc.h"
#include "report/intake.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

// Answers intake's question as --replace says and collects what the window would show.
class CliUser : public IntakeUser {
public:
    explicit CliUser(bool replace) : replace_(replace) {}

    bool AskYesNo(const Str& question) override {
        Note(std::string(question.Get()) + (replace_ ? " Yes" : " No"));
        return replace_;
    }
    void ShowMessage(const Str& message) override { Note(message.Get()); }
    void Reformat() override {}

    // The messages since the last call, joined by " / ".
    std::string Take() {
        std::string shown;
        shown.swap(shown_);
        return shown;
    }

private:
    void Note(const std::string& text) {
        if (!shown_.empty()) shown_ += " / ";
        shown_ += text;
    }
    bool replace_;
    std::string shown_;
};

// Newlines in a message would break the one-line-per-report output.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    return text;
}

bool Exists(const char* path) {
    struct stat st;
    return ::stat(path, &st) == 0;
}

const char* DocReadFault(DocReadResult r) {
    switch (r) {
    case DocNotADocument:
        return "not a Vexlor document";
    case DocWrongVersion:
        return "a document of an unknown version";
    case DocReadFailed:
        return "a damaged or truncated document";
    case DocCannotOpen:
        return "cannot be opened";
    case DocNotAFile:
        return "not a regular file";
    default:
        return "cannot be read";
    }
}

// How long an add waits for another program that is changing the same document.
constexpr int kLockWaitMs = 30000;

} // namespace

int RunAdd(int argc, char** argv) {
    bool replace = false;
    int first = 0;
    if (argc > 0 && !std::strcmp(argv[0], "--replace")) {
        replace = true;
        first = 1;
    }
    if (argc - first < 2) return Fail("usage: vexlor-cli add [--replace] DOC REPORT...");
    const char* docPath = argv[first];

    // One writer at a time, from reading the document to saving it: another add waits for
    // this one and then reads what it saved.
    FileLock lock;
    if (!lock.Acquire(docPath, kLockWaitMs))
        return Fail("%s: is being changed by another program; left unchanged", docPath);
    // Said before any report is read, so that no turn is announced that cannot be saved.
    if (IsReadOnlyFile(docPath)) return Fail("%s: is read-only; left unchanged", docPath);
    VexlorDoc doc;
    if (Exists(docPath)) {
        DocReadResult r = OpenDocFile(doc, docPath);
        if (r != DocRead) return Fail("%s: %s; left unchanged", docPath, DocReadFault(r));
    } else {
        doc.SetFileName(docPath);
        doc.SetDiskState(docPath, FileIdentity());
    }

    CliUser user(replace);
    AtlDate shown = doc.LastTurn() ? doc.LastTurn()->date : AtlDate();
    IntakeTarget target{doc, shown, user, nullptr};
    bool allRead = true;
    struct Line {
        const char* report;
        IntakeOutcome outcome;
        std::string status;
    };
    std::vector<Line> lines;
    for (int i = first + 1; i < argc; ++i) {
        IntakeOutcome o = AddReportFile(argv[i], target);
        std::string status = user.Take();
        if (o.result == 0) status = o.replaced ? "replaced" : "added";
        allRead = allRead && o.result == 0;
        lines.push_back({argv[i], o, status});
    }

    // Saved before the lines are printed: a turn announced as added is in the file.
    const char* saveFault = nullptr;
    if (doc.IsModified()) {
        int error = 0;
        switch (SaveDocFile(doc, docPath, &error)) {
        case DocSaved:
            break;
        case DocSaveReadOnly:
            saveFault = "is read-only; left unchanged";
            break;
        case DocSaveChanged:
            saveFault = "was changed by another program meanwhile; left unchanged";
            break;
        default:
            saveFault = EnglishMessage(Msg::CannotSave);
            break;
        }
    }
    for (const Line& l : lines) {
        bool taken = l.outcome.result == 0;
        std::printf("%s\t%s\t%d\t%s\n", l.report,
                    l.outcome.headerRead ? l.outcome.date.GetString().Get() : "-",
                    l.outcome.regions,
                    saveFault && taken ? "not saved" : OneLine(l.status).c_str());
    }
    if (std::fflush(stdout) != 0) allRead = false;
    if (saveFault) {
        Fail("%s: %s", docPath, saveFault);
        return 1;
    }
    return allRead ? 0 : 1;
}
