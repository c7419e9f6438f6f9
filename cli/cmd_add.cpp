#include "cli/commands.h"
#include "model/docfile.h"
#include "model/vexlordoc.h"
#include "report/intake.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>

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

    VexlorDoc doc;
    if (Exists(docPath)) {
        DocReadResult r = OpenDocFile(doc, docPath);
        if (r != DocRead) return Fail("%s: %s; left unchanged", docPath, DocReadFault(r));
    } else {
        doc.SetFileName(docPath);
    }

    CliUser user(replace);
    AtlDate shown = doc.LastTurn() ? doc.LastTurn()->date : AtlDate();
    IntakeTarget target{doc, shown, user, nullptr};
    bool allRead = true;
    for (int i = first + 1; i < argc; ++i) {
        IntakeOutcome o = AddReportFile(argv[i], target);
        std::string status = user.Take();
        if (o.result == 0) status = o.replaced ? "replaced" : "added";
        allRead = allRead && o.result == 0;
        std::printf("%s\t%s\t%d\t%s\n", argv[i], o.headerRead ? o.date.GetString().Get() : "-",
                    o.regions, OneLine(status).c_str());
    }
    if (std::fflush(stdout) != 0) allRead = false;

    if (doc.IsModified()) {
        DocSaveResult saved = SaveDocFile(doc, docPath);
        if (saved != DocSaved) {
            Fail("%s: %s", docPath, EnglishMessage(Msg::CannotSave));
            return 1;
        }
    }
    return allRead ? 0 : 1;
}
