// The main window's document commands: new, open, save, save as, add report, the question
// before unsaved changes are dropped, and files from the command line or a drop.
#include "vexlor/framewindow.h"

#include "app/globals.h"
#include "base/filelock.h"
#include "map/atlmap.h"
#include "model/docfile.h"
#include "report/messages.h"
#include "ui/filedialog.h"
#include "vexlor/appmessage.h"
#include "vexlor/homehex.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iterator>
#include <string_view>
#include <system_error>

namespace {

constexpr const char* kDocFilter = "Vexlor files (*.atl)|*.atl|All files (*.*)|*.*|";
constexpr const char* kReportFilter = "Atlantis reprts (*.rep)|*.rep|All files (*.*)|*.*|";

// Why a file could not be taken as a document; the string table has no texts for these.
constexpr const char* kNotADocument = "This file is not a Vexlor document";
constexpr const char* kUnknownVersion =
    "This document was written in a format that this version of Vexlor cannot read";
constexpr const char* kNotAFile =
    "%s is not a regular file (a folder, a pipe or a device) and was not read";
constexpr const char* kReadOnly =
    "%s is read-only, so Save did not change it.\n\nSave the map under another name?";
constexpr const char* kChangedMeanwhile =
    "%s was changed by another program since Vexlor read it, so Save did not change it: what "
    "that program saved is kept.\n\nSave the map under another name?";
constexpr const char* kInUse =
    "%s is being changed by another program, so Save did not change it. Try again in a "
    "moment.";
// How long Save waits for another program that is changing the same file.
constexpr int kSaveLockWaitMs = 5000;
constexpr const char* kDocumentDamaged =
    "This document is damaged or incomplete: only the part before the damage was read. Save it "
    "under a new name to keep the file as it is";

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

} // namespace

Str FrameWindow::MessageText(int id) {
    Str text = Language.LoadStringA(static_cast<unsigned>(id));
    return text.IsEmpty() ? Str(EnglishMessage(id)) : text;
}

bool FrameWindow::AskYesNo(const Str& question) {
    return AppMessageBox(this, question.Get(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void FrameWindow::ShowMessage(const Str& message) {
    AppMessageBox(this, message.Get(), MB_OK);
}

bool FrameWindow::AskFileName(const FileDialogParams& params, Str& path) {
    return DFileDialog(this, params, path);
}

void FrameWindow::SetFileName(const char* path) {
    doc_.SetFileName(path);
    UpdateCaption();
    if (path && *path) AppOptions.lastDir = ReportDirectory(path);
}

bool FrameWindow::CanClose() {
    if (!doc_.IsModified()) return true;
    const Str& name = doc_.GetFileName();
    Str question = FormatMessageText(MessageText(Msg::SaveChanges).Get(),
                                     name.IsEmpty() ? "<new map>" : name.Get());
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
    doc_.Clear();
    shownDate_ = AtlDate();
    panes_.map->GetMap().ClearSelection();
    panes_.descr->Clear();
    // Every document starts on the surface.
    panes_.map->SetCurPlain(0);
    UpdateCaption();
}

void FrameWindow::Open(const char* path) {
    VexlorDoc incoming;
    DocReadResult result = OpenDocFile(incoming, path);
    switch (result) {
    case DocCannotOpen:
        ShowMessage(MessageText(Msg::CannotOpen));
        return;
    case DocNotAFile:
        ShowMessage(FormatMessageText(kNotAFile, path));
        return;
    case DocNotADocument:
        ShowMessage(Str(kNotADocument));
        return;
    case DocWrongVersion:
        ShowMessage(Str(kUnknownVersion));
        return;
    case DocReadFailed:
        ShowMessage(Str(kDocumentDamaged));
        break;
    case DocRead:
        break;
    }
    Close();
    doc_ = std::move(incoming);
    // A damaged file keeps no name, so that a Save cannot write the shorter document over
    // what the file still holds.
    SetFileName(result == DocRead ? path : nullptr);
    // A document opens at its newest turn.
    shownDate_ = doc_.LastTurn() ? doc_.LastTurn()->date : AtlDate();
    Reformat();
    ShowHome();
}

void FrameWindow::ShowHome() {
    AtlCoord home;
    if (!HomeHex(doc_, shownDate_, home)) return;
    if (panes_.map->GetCurPlain() != home.z) ShowPlain(home.z);
    panes_.map->CenterOn(home);
    UpdateCommands();
}

int FrameWindow::Save(const char* path) {
    // One writer at a time: a vexlor-cli add on the same file finishes first.
    FileLock lock;
    if (!lock.Acquire(path, kSaveLockWaitMs)) {
        ShowMessage(FormatMessageText(kInUse, path));
        return -1;
    }
    DocSaveResult result = SaveDocFile(doc_, path);
    lock.Release();
    switch (result) {
    case DocSaved:
        return 0;
    case DocSaveReadOnly:
    case DocSaveChanged: {
        Str question =
            FormatMessageText(result == DocSaveReadOnly ? kReadOnly : kChangedMeanwhile, path);
        if (AppMessageBox(this, question.Get(), MB_YESNO | MB_ICONQUESTION) != IDYES) return -1;
        return SaveAs() == 0 ? 1 : -1;
    }
    case DocSaveCannotOpen:
        ShowMessage(MessageText(Msg::CannotOpen));
        return -1;
    default:
        ShowMessage(MessageText(Msg::CannotSave));
        return -1;
    }
}

void FrameWindow::AddReport(const char* path) {
    IntakeOutcome outcome = AddReportFile(path, IntakeTarget{doc_, shownDate_, *this});
    if (outcome.result != kIntakeNotOpened) AppOptions.lastDir = ReportDirectory(path);
    UpdateCommands();
}

void FrameWindow::OpenFiles(const std::vector<Str>& paths) {
    bool wasEmpty = doc_.Turns().IsEmpty();
    for (const Str& given : paths) {
        Str path = AbsolutePath(given);
        if (IsDocumentPath(path)) {
            if (!CanClose()) break;
            Open(path.Get());
        } else {
            AddReport(path.Get());
        }
    }
    // Once all are in: the picture of the map may grow with every report.
    if (wasEmpty) ShowHome();
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
    Reformat();
}

void FrameWindow::CmFileOpen() {
    if (!CanClose()) return;
    Str path;
    if (AskFileName({false, "Open Vexlor document", kDocFilter, "*.atl", "atl", AppOptions.lastDir},
                    path))
        Open(path.Get());
}

void FrameWindow::CmFileSave() {
    if (doc_.GetFileName().IsEmpty())
        CmFileSaveAs();
    else
        Save(Str(doc_.GetFileName()).Get());
}

void FrameWindow::CmFileSaveAs() {
    SaveAs();
}

int FrameWindow::SaveAs() {
    Str path;
    if (!AskFileName({true, "Save Vexlor document", kDocFilter, "*.atl", "atl", AppOptions.lastDir},
                     path))
        return -1;
    int saved = Save(path.Get());
    if (saved < 0) return -1;
    if (saved == 0) SetFileName(path.Get());
    return 0;
}

void FrameWindow::CmFileAddReport() {
    Str path;
    if (!AskFileName(
            {false, "Open Atlantis report", kReportFilter, "*.rep", "rep", AppOptions.lastDir},
            path))
        return;
    bool wasEmpty = doc_.Turns().IsEmpty();
    AddReport(path.Get());
    if (wasEmpty) ShowHome();
}

void FrameWindow::CmFileExit() {
    if (CanClose()) Destroy();
}
