#include "cli/clidoc.h"
#include "cli/commands.h"
#include "doc/docmessages.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

// How long add waits for another program that is changing the same document.
constexpr int kLockWaitMs = 30000;

// The questions answered by the flags: --replace says Yes to every loaded turn; the other
// reports of a batch go on after one for another faction.
class FlagAnswers : public DocQuestions {
public:
    explicit FlagAnswers(bool replace) : replace_(replace) {}
    DocAnswer ReplaceTurn(const DocOutcome&, bool) override {
        return replace_ ? DocAnswer::Yes : DocAnswer::No;
    }
    DocAnswer OtherFaction(const DocOutcome&) override { return DocAnswer::Yes; }

private:
    bool replace_;
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

// The last field of a report's line: a word for what was done, else the message.
std::string Status(const DocOutcome& o, bool saved) {
    switch (o.kind) {
    case DocOutcomeKind::ReportAdded:
    case DocOutcomeKind::ReportReplaced:
    case DocOutcomeKind::ReportBrokenOff:
        if (!saved && o.regions > 0) return "not saved";
        if (o.kind == DocOutcomeKind::ReportAdded) return "added";
        if (o.kind == DocOutcomeKind::ReportReplaced) return "replaced";
        return OneLine(DocMessage(o).Get());
    case DocOutcomeKind::ReportKept:
        return "kept";
    default:
        return OneLine(DocMessage(o).Get());
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

    // One writer at a time, from reading the document to saving it: another add waits for
    // this one and then reads what it saved. A read-only document is said before any report
    // is read, so that no turn is announced that cannot be saved.
    DocController doc;
    DocOutcome reserved = doc.Reserve(docPath, kLockWaitMs);
    if (reserved.kind != DocOutcomeKind::Done) return FailWith(reserved);
    FlagAnswers answers(replace);
    doc.SetQuestions(&answers);
    doc.SetDebugFile(nullptr);
    if (Exists(docPath)) {
        if (!OpenDocument(doc, docPath)) return 1;
    } else {
        doc.StartNew(docPath);
    }

    std::vector<std::string> reports(argv + first + 1, argv + argc);
    ReportsOutcome added = doc.AddReports(reports);

    // Saved before the lines are printed: a turn announced as added is in the file.
    DocOutcome saved;
    if (doc.IsModified()) saved = doc.Save();
    bool isSaved = saved.kind == DocOutcomeKind::Done;
    for (const DocOutcome& o : added.reports)
        std::printf("%s\t%s\t%d\t%s\n", o.file.c_str(), o.hasDate ? o.date.GetString().Get() : "-",
                    o.regions, Status(o, isSaved).c_str());
    bool allRead = added.Refused() == 0 && std::fflush(stdout) == 0;
    if (!isSaved) return FailWith(saved);
    return allRead ? 0 : 1;
}
