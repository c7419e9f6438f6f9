#include "cli/clidoc.h"
#include "cli/commands.h"
#include "doc/docmessages.h"
#include "model/docfile.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

// How long add waits for another program that is changing the same document.
constexpr int kLockWaitMs = 30000;

// The questions answered by the flags: --replace says Yes to every loaded turn, but to one
// whose report holds fewer regions or units only with --force (without it that report is
// refused); the other reports of a batch go on after one for another faction, which --ally
// takes as that ally's.
class FlagAnswers : public DocQuestions {
public:
    FlagAnswers(bool replace, bool force, bool ally)
        : replace_(replace), force_(force), ally_(ally) {}
    DocAnswer ReplaceTurn(const DocOutcome& report, bool) override {
        if (!replace_) return DocAnswer::No;
        if (force_ || !LosesFromTurn(report)) return DocAnswer::Yes;
        refused_.push_back(report);
        refused_.back().kind = DocOutcomeKind::ReportSmaller;
        return DocAnswer::No;
    }
    DocAnswer OtherFaction(const DocOutcome&) override { return DocAnswer::Yes; }
    DocAnswer AllyReport(const DocOutcome&, bool) override {
        return ally_ ? DocAnswer::Yes : DocAnswer::No;
    }
    // The reports kept because they were refused here say so, in the order they came.
    void MarkRefused(std::vector<DocOutcome>& reports) const {
        size_t next = 0;
        for (DocOutcome& o : reports)
            if (next < refused_.size() && o.kind == DocOutcomeKind::ReportKept &&
                o.file == refused_[next].file)
                o = refused_[next++];
    }

private:
    bool replace_;
    bool force_;
    bool ally_;
    std::vector<DocOutcome> refused_;
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

// The last field of a report's line (the file, its month, the regions read or the months of an
// ally's map taken, then this): a word for what was done, else the message.
std::string Status(const DocOutcome& o, bool saved) {
    const std::string forAlly = " for ally " + std::to_string(o.faction);
    switch (o.kind) {
    case DocOutcomeKind::AllyReportAdded:
    case DocOutcomeKind::AllyMapAdded:
        return saved ? "added" + forAlly : "not saved";
    case DocOutcomeKind::AllyReportReplaced:
        return saved ? "replaced" + forAlly : "not saved";
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

int RunAdd(const CommandArgs& args) {
    const char* docPath = args.operands[0].c_str();

    // One writer at a time, from reading the document to saving it: another add waits for
    // this one and then reads what it saved. A read-only document is said before any report
    // is read, so that no turn is announced that cannot be saved.
    DocController doc;
    DocOutcome reserved = doc.Reserve(docPath, kLockWaitMs);
    if (reserved.kind != DocOutcomeKind::Done) return FailWith(reserved);
    const bool ally = args.Has("--ally");
    FlagAnswers answers(args.Has("--replace"), args.Has("--force"), ally);
    doc.SetQuestions(&answers);
    doc.SetDebugFile(nullptr);
    if (Exists(docPath)) {
        if (!OpenDocument(doc, docPath)) return 1;
    } else {
        doc.StartNew(docPath);
    }

    // With --ally, a map among the reports is an ally's; it is taken after the reports, which
    // may be the first to say whose map this is.
    std::vector<std::string> reports, maps;
    for (auto it = args.operands.begin() + 1; it != args.operands.end(); ++it)
        (ally && StartsAsDocFile(it->c_str()) ? maps : reports).push_back(*it);
    ReportsOutcome added = doc.AddReports(reports);
    answers.MarkRefused(added.reports);
    for (const std::string& map : maps)
        added.reports.push_back(doc.AddAllyMap(map.c_str()));

    // Saved before the lines are printed: a turn announced as added is in the file.
    DocOutcome saved;
    if (doc.IsModified()) {
        // Said before the save: the file's other names keep what it held.
        if (DocOutcome links = doc.CheckLinks(docPath); links.kind == DocOutcomeKind::LinksSplit)
            FailWith(links);
        saved = doc.Save();
    }
    bool isSaved = saved.kind == DocOutcomeKind::Done;
    for (const DocOutcome& o : added.reports)
        std::printf("%s\t%s\t%d\t%s\n", o.file.c_str(), o.hasDate ? o.date.GetString().Get() : "-",
                    o.kind == DocOutcomeKind::AllyMapAdded ? o.turns : o.regions,
                    Status(o, isSaved).c_str());
    bool allRead = added.Refused() == 0 && std::fflush(stdout) == 0;
    if (!isSaved) return FailWith(saved);
    return allRead ? 0 : 1;
}
