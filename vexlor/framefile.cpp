// The main window's document commands: new, open, save, save as, add reports, export, the
// recently used maps, the question before unsaved changes are dropped, and files from the
// command line or a drop. What happens to the document is the controller's; this file shows
// its outcomes and answers its questions.
#include "vexlor/framewindow.h"

#include "app/globals.h"
#include "base/messagetext.h"
#include "doc/docmessages.h"
#include "doc/shownames.h"
#include "doc/syserror.h"
#include "gfx/offscreen.h"
#include "map/atlmap.h"
#include "mapview/maprender.h"
#include "report/intake.h"
#include "ui/filedialog.h"
#include "ui/progressdialog.h"
#include "vexlor/appmessage.h"
#include "vexlor/homehex.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>

namespace {

// The language library's texts, and the system's reasons through its error-text functions.
class LanguageTexts : public MessageTexts {
public:
    Str Text(int id) const override { return Language.Text(id); }
    Str ErrorText(int errnoValue) const override {
        int code = SystemErrorCode(errnoValue);
        Str text = code > 0 ? Language.strerror(code) : Str();
        // A library without error texts answers with its "Error #" pattern.
        if (text.IsEmpty() || std::string_view(text.Get()).rfind("Error #", 0) == 0)
            return MessageTexts::ErrorText(errnoValue);
        return text;
    }
};

bool HasExtension(const Str& path, std::string_view ext) {
    std::string_view name = path.View();
    if (name.size() <= ext.size()) return false;
    std::string_view tail = name.substr(name.size() - ext.size());
    return std::equal(tail.begin(), tail.end(), ext.begin(), ext.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

bool IsDocumentPath(const Str& path) {
    return HasExtension(path, ".atl");
}

bool IsReportPath(const Str& path) {
    return HasExtension(path, ".rep");
}

// Names from the command line are relative to where the program was started; the document
// and the last folder keep them whole.
Str AbsolutePath(const Str& path) {
    std::error_code error;
    std::filesystem::path whole = std::filesystem::absolute(path.Get(), error);
    return error ? path : Str(whole.lexically_normal().string());
}

// The controller's answer for the button of a question's box; a box closed otherwise is No.
DocAnswer AnswerOf(int button) {
    switch (button) {
    case IDYES:
        return DocAnswer::Yes;
    case IDYESTOALL:
        return DocAnswer::YesToAll;
    case IDNOTOALL:
        return DocAnswer::NoToAll;
    default:
        return DocAnswer::No;
    }
}

} // namespace

bool FrameWindow::AskYesNo(const Str& question) {
    return AppMessageBox(this, question.Get(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool FrameWindow::AskFileName(const FileDialogParams& params, Str& path) {
    return DFileDialog(this, params, path);
}

void FrameWindow::ShowMessage(const Str& message) {
    AppMessageBox(this, message.Get(), MB_OK);
}

void FrameWindow::ShowOutcome(const DocOutcome& outcome) {
    // What went as asked needs no box; the summary of several reports tells it.
    if (IsFailure(outcome.kind))
        AppMessageBox(this, DocMessage(outcome, LanguageTexts()).Get(), MB_OK | MB_ICONWARNING);
}

void FrameWindow::ShowAllyOutcome(const DocOutcome& outcome) {
    if (IsFailure(outcome.kind))
        ShowOutcome(outcome);
    else if (Str words = DocMessage(outcome, LanguageTexts()); !words.IsEmpty())
        ShowNote(words);
}

DocAnswer FrameWindow::ReplaceTurn(const DocOutcome& report, bool forAll) {
    if (progress_) progress_->Pause();
    Str question = ::ReplaceQuestion(report, LanguageTexts());
    // A report that would lose regions or units is more likely cut than wanted: No by default.
    unsigned safe = LosesFromTurn(report) ? MB_DEFBUTTON2 : 0;
    return AnswerOf(AppMessageBox(this, question.Get(),
                                  (forAll ? MB_YESNOALL : MB_YESNO) | MB_ICONQUESTION | safe));
}

DocAnswer FrameWindow::OtherFaction(const DocOutcome& report) {
    if (progress_) progress_->Pause();
    Str text = DocMessage(report, LanguageTexts());
    text += "\n\n";
    text += Language.Text(Msg::GoOn).Get();
    // Cancel stops the batch.
    return AnswerOf(AppMessageBox(this, text.Get(), MB_YESALLCANCEL | MB_ICONWARNING));
}

DocAnswer FrameWindow::AllyReport(const DocOutcome& report, bool forAll) {
    if (progress_) progress_->Pause();
    Str question = AllyQuestion(report, LanguageTexts());
    return AnswerOf(
        AppMessageBox(this, question.Get(), (forAll ? MB_YESNOALL : MB_YESNO) | MB_ICONQUESTION));
}

void FrameWindow::DocumentChanged() {
    UpdateCaption();
    RefreshReferences();
    Reformat();
    UpdateBookmarksMenu();
    RefreshAllies();
}

void FrameWindow::NoteRecent(const char* path) {
    if (!path || !*path) return;
    AppOptions.lastDir = ReportDirectory(path);
    recent_.Add(path);
    recent_.Save(Profile);
    UpdateRecentMenu();
}

void FrameWindow::UpdateRecentMenu() {
    std::vector<Str> texts;
    for (size_t i = 0; i < recent_.Files().size(); ++i) {
        std::string text = "&" + std::to_string(i + 1) + " ";
        text += std::filesystem::path(recent_.Files()[i].Get()).filename().string();
        texts.emplace_back(text);
    }
    SetMenuEntries(CM_FILEEXIT, CM_FILERECENT, texts);
    UpdateStartHint();
}

bool FrameWindow::CanClose() {
    if (!doc_.IsModified()) return true;
    const Str& name = doc_.FileName();
    Str question =
        FormatMessageText(Language.Text(Msg::SaveChanges).Get(),
                          name.IsEmpty() ? Language.Text(Msg::NewMap).Get() : name.Get());
    switch (AppMessageBox(this, question.Get(), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        CmFileSave();
        // A cancelled name or a failed save leaves the changes unsaved: stay open.
        return !doc_.IsModified();
    case IDNO:
        // The flag stays: only what follows (closing the document) drops the changes, so a
        // cancelled Open or drop still asks next time.
        return true;
    default:
        return false;
    }
}

void FrameWindow::Close() {
    ClearTrack();
    map_->GetMap().ClearSelection();
    descr_->SetRoot(nullptr);
    // Every document starts on the surface, and each level on what is known of it.
    map_->SetCurPlain(0);
    map_->ForgetPlaces();
    doc_.Close();
}

void FrameWindow::WithProgress(int textId, const std::function<void()>& work) {
    DProgressDialog progress(this, Language.Text(textId).Get());
    progress_ = &progress;
    doc_.SetProgress([&progress](int done, int total) { progress.Set(done, total); });
    work();
    doc_.SetProgress(nullptr);
    progress_ = nullptr;
}

void FrameWindow::Open(const char* path) {
    DocOutcome opened;
    bool taken = false;
    // The first map of the newly opened document is part of the wait.
    WithProgress(Msg::ProgressOpening, [&] {
        opened = doc_.Open(path);
        taken = opened.kind == DocOutcomeKind::Done ||
                opened.kind == DocOutcomeKind::DocumentDamaged ||
                opened.kind == DocOutcomeKind::ExtrasDamaged;
        if (!taken) return;
        // The selection belonged to the map that went.
        map_->GetMap().ClearSelection();
        descr_->SetRoot(nullptr);
        Reformat();
    });
    ShowOutcome(opened);
    if (opened.kind == DocOutcomeKind::Done || opened.kind == DocOutcomeKind::ExtrasDamaged)
        NoteRecent(path);
    if (!taken) return;
    ClearTrack(); // the track belonged to the map that went
    map_->ForgetPlaces();
    ShowHome();
}

void FrameWindow::ShowHome() {
    AtlCoord home;
    if (!HomeHex(doc_.Doc(), doc_.ShownDate(), home)) return;
    map_->SetCurPlain(home.z);
    map_->CenterOn(home);
    UpdateCommands();
}

int FrameWindow::Save(const char* path) {
    // Asked before anything is written: the file's other names keep what it held.
    if (DocOutcome links = doc_.CheckLinks(path); links.kind == DocOutcomeKind::LinksSplit) {
        Str question = DocMessage(links, LanguageTexts());
        question += "\n\n";
        question += Language.Text(Msg::SaveAnyway).Get();
        if (AppMessageBox(this, question.Get(), MB_YESNO | MB_ICONQUESTION) != IDYES) return -1;
    }
    // The controller waits for another writer, such as a vexlor-cli add on the same file.
    DocOutcome saved = doc_.SaveAs(path);
    if (saved.kind == DocOutcomeKind::ReadOnly || saved.kind == DocOutcomeKind::ChangedOnDisk) {
        // The file stays as it is; the map can still go elsewhere.
        Str question = DocMessage(saved, LanguageTexts());
        question += "\n\n";
        question += Language.Text(Msg::SaveElsewhere).Get();
        if (AppMessageBox(this, question.Get(), MB_YESNO | MB_ICONQUESTION) != IDYES) return -1;
        return SaveAs() == 0 ? 1 : -1;
    }
    ShowOutcome(saved);
    if (saved.kind != DocOutcomeKind::Done) return -1;
    NoteRecent(path);
    return 0;
}

void FrameWindow::AddReports(const std::vector<Str>& paths) {
    if (paths.empty()) return;
    bool wasEmpty = doc_.Doc().Turns().IsEmpty();
    std::vector<std::string> files;
    for (const Str& p : paths)
        files.emplace_back(p.Get());
    ReportsOutcome added;
    WithProgress(Msg::ProgressReports, [&] { added = doc_.AddReports(files); });
    // The dialogs start where the last report that could be opened lies.
    for (const DocOutcome& report : added.reports)
        if (report.kind != DocOutcomeKind::CannotOpen)
            AppOptions.lastDir = ReportDirectory(report.file.c_str());
    if (added.reports.size() == 1)
        ShowOutcome(added.reports.front());
    else if (added.Refused())
        AppMessageBox(this, ReportsSummary(added, LanguageTexts()).Get(), MB_ICONWARNING);
    else // nothing to explain: a note the player need not click away
        ShowNote(ReportsSummary(added, LanguageTexts()));
    // Once all are in: the picture of the map may grow with every report.
    if (wasEmpty) ShowHome();
    UpdateCommands();
}

bool FrameWindow::ExportMap(const char* path, const PixelRect* part) {
    OffscreenBuffer buffer;
    DocOutcome out;
    out.kind = DocOutcomeKind::ExportFailed;
    out.file = path ? path : "";
    // Never over the map document or any file that is not a picture.
    if (DocOutcome target = doc_.CheckPictureOutput(path); target.kind != DocOutcomeKind::Done) {
        ShowOutcome(target);
        return false;
    }
    errno = 0;
    bool drawn = part ? RenderPart(map_->GetMap(), map_->GetGeometry(), map_->GetScroll(),
                                   map_->GetCurPlain(), *part, buffer)
                      : RenderPlain(map_->GetMap(), map_->GetCurPlain(), buffer);
    if (!drawn || !buffer.SavePng(out.file.c_str())) {
        out.errorNumber = errno ? errno : EIO;
        ShowOutcome(out);
        return false;
    }
    ShowNote(FormatMessageText(Language.Text(Msg::ExportedTo).Get(), {out.file}));
    return true;
}

void FrameWindow::OpenFiles(const std::vector<Str>& paths) {
    std::vector<Str> reports;
    for (const Str& given : paths) {
        Str path = AbsolutePath(given);
        if (IsDocumentPath(path)) {
            AddReports(reports);
            reports.clear();
            if (!CanClose()) return;
            Open(path.Get());
        } else {
            reports.push_back(path);
        }
    }
    AddReports(reports);
}

bool FrameWindow::CanDropFiles(const std::vector<Str>& paths) {
    return std::any_of(paths.begin(), paths.end(),
                       [](const Str& p) { return IsDocumentPath(p) || IsReportPath(p); });
}

void FrameWindow::EvDropFiles(const std::vector<Str>& paths) {
    std::vector<Str> taken;
    std::copy_if(paths.begin(), paths.end(), std::back_inserter(taken),
                 [](const Str& p) { return IsDocumentPath(p) || IsReportPath(p); });
    OpenFiles(taken);
}

void FrameWindow::CmFileNew() {
    if (!CanClose()) return;
    Close();
}

void FrameWindow::CmFileOpen() {
    if (!CanClose()) return;
    Str path;
    if (AskFileName({false, Language.Text(Msg::OpenDocumentTitle),
                     Language.Text(Msg::DocumentFilter), "*.atl", "atl", AppOptions.lastDir},
                    path))
        Open(path.Get());
}

void FrameWindow::CmFileRecent(size_t index) {
    if (index >= recent_.Files().size() || !CanClose()) return;
    Str path = recent_.Files()[index];
    Open(path.Get());
    // A map that is gone leaves the list.
    if (doc_.FileName() != path) {
        recent_.Remove(path.Get());
        recent_.Save(Profile);
        UpdateRecentMenu();
    }
}

void FrameWindow::CmFileSave() {
    if (doc_.FileName().IsEmpty())
        CmFileSaveAs();
    else
        Save(Str(doc_.FileName()).Get());
}

void FrameWindow::CmFileSaveAs() {
    SaveAs();
}

int FrameWindow::SaveAs() {
    Str path;
    if (!AskFileName({true, Language.Text(Msg::SaveDocumentTitle),
                      Language.Text(Msg::DocumentFilter), "*.atl", "atl", AppOptions.lastDir},
                     path))
        return -1;
    return Save(path.Get()) < 0 ? -1 : 0;
}

void FrameWindow::CmFileAddReport() {
    std::vector<Str> paths;
    if (!DFileDialogMany(this,
                         {false, Language.Text(Msg::AddReportTitle),
                          Language.Text(Msg::ReportFilter), "*.rep", "rep", AppOptions.lastDir},
                         paths))
        return;
    AddReports(paths);
}

void FrameWindow::CmFileExport() {
    Str path;
    std::string name =
        ExportFileName(doc_.FileName().View(), Language.Text(Msg::UnsavedMapName).View(),
                       map_->GetCurPlain(), ShownDate());
    if (AskFileName({true, Language.Text(Msg::ExportTitle), Language.Text(Msg::PictureFilter),
                     name.c_str(), "png", AppOptions.lastDir},
                    path))
        ExportMap(path.Get());
}

void FrameWindow::CmFileExportPart() {
    map_->ArmExportBox();
    ShowNote(Language.Text(Msg::DragExportBox));
}

void FrameWindow::ExportPart(const PixelRect& box) {
    if (Document().Turns().IsEmpty()) return;
    Str path;
    std::string name =
        ExportFileName(doc_.FileName().View(), Language.Text(Msg::UnsavedMapName).View(),
                       map_->GetCurPlain(), ShownDate());
    if (AskFileName({true, Language.Text(Msg::ExportPartTitle), Language.Text(Msg::PictureFilter),
                     name.c_str(), "png", AppOptions.lastDir},
                    path))
        ExportMap(path.Get(), &box);
}

void FrameWindow::CmFileExit() {
    if (CanClose()) Destroy();
}
