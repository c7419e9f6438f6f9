#include "doc/doccontroller.h"

#include "base/picturetarget.h"
#include "base/replacefile.h"
#include "model/docfile.h"
#include "report/intake.h"

#include <algorithm>
#include <cerrno>

namespace {

DocOutcome ReportOutcome(const std::string& path, const IntakeOutcome& in, int docFaction) {
    DocOutcome out;
    out.file = path;
    out.hasDate = in.headerRead;
    out.date = in.date;
    out.faction = in.faction.Number();
    out.factionName = in.factionName.Get();
    out.docFaction = docFaction;
    out.regions = in.regions;
    out.line = in.line;
    out.errorNumber = in.errorNumber;
    switch (in.kind) {
    case IntakeResult::Added:
        out.kind = DocOutcomeKind::ReportAdded;
        break;
    case IntakeResult::Replaced:
        out.kind = DocOutcomeKind::ReportReplaced;
        break;
    case IntakeResult::Kept:
        out.kind = DocOutcomeKind::ReportKept;
        break;
    case IntakeResult::NotOpened:
        out.kind = DocOutcomeKind::CannotOpen;
        break;
    case IntakeResult::Empty:
        out.kind = DocOutcomeKind::ReportEmpty;
        break;
    case IntakeResult::NotAReport:
        out.kind = DocOutcomeKind::NotAReport;
        break;
    case IntakeResult::OtherFaction:
        out.kind = DocOutcomeKind::OtherFaction;
        break;
    case IntakeResult::BrokenOff:
        out.kind = DocOutcomeKind::ReportBrokenOff;
        break;
    }
    // Where the reader knows more precisely why.
    switch (in.fault) {
    case IntakeFault::NotAFile:
        out.kind = DocOutcomeKind::NotAFile;
        break;
    case IntakeFault::TooLarge:
        out.kind = DocOutcomeKind::ReportTooLarge;
        break;
    case IntakeFault::NulByte:
        out.kind = DocOutcomeKind::NulByte;
        break;
    case IntakeFault::CoordinateTooLarge:
        out.kind = DocOutcomeKind::CoordinateTooLarge;
        break;
    case IntakeFault::ListTooLong:
        out.kind = DocOutcomeKind::ListTooLong;
        out.list = in.list ? in.list : "entries in one list";
        break;
    default:
        break;
    }
    return out;
}

// Answers intake's one question through the controller's questions and remembers a "to all".
class BatchAnswers : public IntakeUser {
public:
    // ally: the report's outcome when it is added as an ally's, so that the question says whose
    // turn it would replace.
    BatchAnswers(DocQuestions* questions, DocAnswer& all, const std::string& path, bool more,
                 const DocOutcome* ally = nullptr)
        : questions_(questions), all_(all), path_(path), more_(more), ally_(ally) {}
    bool ReplaceTurn(const TurnReplacement& replacement) override {
        if (all_ == DocAnswer::YesToAll) return true;
        if (all_ == DocAnswer::NoToAll || !questions_) return false;
        DocOutcome asked;
        asked.kind = DocOutcomeKind::ReportKept;
        asked.file = path_;
        asked.hasDate = true;
        asked.date = replacement.date;
        asked.reportSize = replacement.report;
        asked.heldSize = replacement.held;
        if (ally_) {
            asked.faction = ally_->faction;
            asked.factionName = ally_->factionName;
        }
        DocAnswer answer = questions_->ReplaceTurn(asked, more_);
        if (answer == DocAnswer::YesToAll || answer == DocAnswer::NoToAll) all_ = answer;
        return answer == DocAnswer::Yes || answer == DocAnswer::YesToAll;
    }

private:
    DocQuestions* questions_;
    DocAnswer& all_;
    const std::string& path_;
    bool more_;
    const DocOutcome* ally_;
};

} // namespace

void DocController::Changed() {
    if (observer_) observer_->DocumentChanged();
}

DocOutcome DocController::ShowDate(AtlDate date) {
    DocOutcome out;
    AtlDate first, last;
    if (!Span(first, last) || date < first || date > last) {
        out.kind = DocOutcomeKind::NoSuchTurn;
        out.file = FileName().Get();
        out.hasDate = true;
        out.date = date;
        return out;
    }
    if (shown_ != date) {
        shown_ = date;
        Changed();
    }
    return out;
}

void DocController::Close() {
    lock_.Release();
    doc_.Clear();
    shown_ = AtlDate();
    Changed();
}

void DocController::StartNew(const char* path) {
    doc_.Clear();
    doc_.SetFileName(path);
    // No file there yet: one that appears meanwhile is another program's, not to be replaced.
    doc_.SetDiskState(path, FileIdentity());
    shown_ = AtlDate();
    Changed();
}

DocOutcome DocController::Open(const char* path) {
    DocOutcome out;
    out.file = path ? path : "";
    VexlorDoc incoming;
    errno = 0;
    DocReadResult result = OpenDocFile(incoming, out.file.c_str(), progress_);
    switch (result) {
    case DocCannotOpen:
        out.kind = DocOutcomeKind::CannotOpen;
        out.errorNumber = errno ? errno : ENOENT;
        return out;
    case DocNotADocument:
        out.kind = DocOutcomeKind::NotADocument;
        return out;
    case DocNotAFile:
        out.kind = DocOutcomeKind::NotAFile;
        return out;
    case DocWrongVersion:
        out.kind = DocOutcomeKind::UnknownVersion;
        return out;
    case DocChangedWhileRead:
        out.kind = DocOutcomeKind::ChangedWhileRead;
        return out;
    case DocReadFailed:
        out.kind = DocOutcomeKind::DocumentDamaged;
        // No name, so that a Save cannot write the shorter document over what the file still
        // holds; changed, so that nothing recovered goes without a question.
        incoming.SetFileName(nullptr);
        incoming.SetModified(true);
        break;
    case DocRead:
        // Whole, but what the extension area held in part is missing: said, never silently.
        if (incoming.Extras().damaged) out.kind = DocOutcomeKind::ExtrasDamaged;
        break;
    }
    doc_ = std::move(incoming);
    // A document opens at its newest turn.
    AtlDate first;
    shown_ = AtlDate();
    Span(first, shown_);
    Changed();
    return out;
}

DocOutcome DocController::Reserve(const char* path, int waitMs) {
    DocOutcome out;
    out.file = path ? path : "";
    lock_.Release();
    if (!lock_.Acquire(out.file.c_str(), waitMs)) {
        out.kind = DocOutcomeKind::Busy;
        return out;
    }
    lockPath_ = out.file;
    if (IsReadOnlyFile(out.file.c_str())) {
        lock_.Release();
        out.kind = DocOutcomeKind::ReadOnly;
    }
    return out;
}

DocOutcome DocController::CheckLinks(const char* path) const {
    DocOutcome out;
    out.file = path ? path : "";
    out.names = LinkCount(out.file.c_str());
    if (out.names > 1) out.kind = DocOutcomeKind::LinksSplit;
    return out;
}

DocOutcome DocController::CheckPictureOutput(const char* path) const {
    DocOutcome out;
    out.file = path ? path : "";
    const Str& name = doc_.GetFileName();
    switch (CheckPictureTarget(out.file.c_str(), name.IsEmpty() ? nullptr : name.Get())) {
    case PictureTarget::IsTheDocument:
        out.kind = DocOutcomeKind::PictureIsTheDocument;
        break;
    case PictureTarget::NotAPicture:
        out.kind = DocOutcomeKind::NotAPicture;
        break;
    case PictureTarget::Free:
        break;
    }
    return out;
}

DocOutcome DocController::Save() {
    return SaveAs(FileName().Get());
}

DocOutcome DocController::SaveAs(const char* path) {
    DocOutcome out;
    out.file = path ? path : "";
    // Locked while it is written, unless a reservation holds it already; released after.
    if (!lock_.IsHeld() || lockPath_ != out.file) {
        lock_.Release();
        if (!lock_.Acquire(out.file.c_str(), saveWaitMs_)) {
            out.kind = DocOutcomeKind::Busy;
            return out;
        }
    }
    int error = 0;
    DocSaveResult saved = SaveDocFile(doc_, out.file.c_str(), &error);
    lock_.Release();
    switch (saved) {
    case DocSaved:
        break;
    case DocSaveReadOnly:
        out.kind = DocOutcomeKind::ReadOnly;
        return out;
    case DocSaveChanged:
        out.kind = DocOutcomeKind::ChangedOnDisk;
        return out;
    case DocSaveBeyondLimits:
        out.kind = DocOutcomeKind::SaveBeyondLimits;
        return out;
    default:
        out.kind = DocOutcomeKind::SaveFailed;
        out.errorNumber = error ? error : EIO;
        return out;
    }
    Changed();
    return out;
}

DocOutcome DocController::AddOne(const std::string& path, Batch& batch, bool more, bool& stop) {
    AtlDate latest = doc_.LastMonth();
    BatchAnswers answers(questions_, batch.replaceAll, path, more);
    IntakeOutcome in = AddReportFile(path.c_str(), IntakeTarget{doc_, answers, debugFile_});
    DocOutcome out = ReportOutcome(path, in, doc_.GetFaction().Number());
    if (in.Changed()) {
        // The newest turn on show moves on to a newer report's turn.
        if (shown_ == latest && in.date > latest) shown_ = in.date;
        Changed();
    }
    if (out.kind == DocOutcomeKind::OtherFaction && TakesAsAlly(out, batch, more))
        return AddAllyReport(path, out, batch, more);
    if (out.kind == DocOutcomeKind::OtherFaction && more && !batch.otherAll && questions_) {
        DocAnswer answer = questions_->OtherFaction(out);
        if (answer == DocAnswer::YesToAll) batch.otherAll = true;
        if (answer == DocAnswer::No || answer == DocAnswer::NoToAll) stop = true;
    }
    return out;
}

bool DocController::TakesAsAlly(const DocOutcome& refused, Batch& batch, bool more) {
    // A map of no faction yet takes the first report's; another faction's report before that
    // cannot happen, but an ally needs the player's faction to be told apart.
    if (!refused.hasDate || refused.faction == 0 || doc_.GetFaction().Number() == 0) return false;
    if (batch.allyAll == DocAnswer::YesToAll) return true;
    if (batch.allyAll == DocAnswer::NoToAll || !questions_) return false;
    DocAnswer answer = questions_->AllyReport(refused, more);
    if (answer == DocAnswer::YesToAll || answer == DocAnswer::NoToAll) batch.allyAll = answer;
    return answer == DocAnswer::Yes || answer == DocAnswer::YesToAll;
}

DocOutcome DocController::AddAllyReport(const std::string& path, const DocOutcome& refused,
                                        Batch& batch, bool more) {
    AllyMaps& allies = doc_.Extras().allies;
    const bool held = allies.Find(refused.faction) != nullptr;
    AllyMap& ally = allies.Take(refused.faction);
    AtlDate first, latest;
    Span(first, latest);
    const TurnNode* allyLast = ally.doc->LastTurn();
    const LevelWidths widths = ally.doc->Extras().levelWidths;
    BatchAnswers answers(questions_, batch.replaceAll, path, more, &refused);
    IntakeOutcome in = AddReportFile(path.c_str(), IntakeTarget{*ally.doc, answers, debugFile_});
    DocOutcome out = ReportOutcome(path, in, doc_.GetFaction().Number());
    if (in.kind == IntakeResult::BrokenOff && in.Changed()) {
        // An ally's report is taken whole or not at all: what the player's own broken report
        // would keep (a new month read up to the break) goes again.
        delete ally.doc->FindTurn(in.date);
        ally.doc->Extras().levelWidths = widths;
        ally.doc->Reindex();
        out.regions = 0;
    }
    if (!in.Changed() || in.kind == IntakeResult::BrokenOff) {
        if (!held) allies.Remove(refused.faction); // nothing of it stays
        return out;
    }
    // The name the ally goes by now: its newest report's.
    if (ally.name.IsEmpty() || !allyLast || !(in.date < allyLast->date)) ally.name = in.factionName;
    if (out.kind == DocOutcomeKind::ReportAdded) out.kind = DocOutcomeKind::AllyReportAdded;
    if (out.kind == DocOutcomeKind::ReportReplaced) out.kind = DocOutcomeKind::AllyReportReplaced;
    doc_.SetModified(true);
    if (shown_ == latest && in.date > latest) shown_ = in.date;
    Changed();
    return out;
}

ReportsOutcome DocController::AddReports(const std::vector<std::string>& paths) {
    struct Entry {
        std::string path;
        bool dated;
        AtlDate date;
    };
    std::vector<Entry> entries;
    for (const std::string& path : paths) {
        AtlFaction faction;
        Entry e{path, false, AtlDate()};
        e.dated = PeekReportHeader(path.c_str(), faction, e.date);
        entries.push_back(e);
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.dated != b.dated) return a.dated;
        return a.dated && a.date < b.date;
    });

    ReportsOutcome result;
    Batch batch;
    int total = static_cast<int>(entries.size());
    for (int i = 0; i < total; ++i) {
        if (progress_) progress_(i, total);
        bool stop = false;
        result.reports.push_back(
            AddOne(entries[static_cast<size_t>(i)].path, batch, i + 1 < total, stop));
        if (stop && i + 1 < total) {
            result.cancelled = true;
            break;
        }
    }
    if (progress_) progress_(total, total);
    return result;
}
