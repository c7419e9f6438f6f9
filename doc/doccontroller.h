#pragma once

#include "base/filelock.h"
#include "base/str.h"
#include "doc/docoutcome.h"
#include "model/atldate.h"
#include "model/vexlordoc.h"
#include "report/reportlines.h"

#include <functional>
#include <string>
#include <vector>

// An answer to a question about one report; the "to all" answers cover the rest of the batch.
enum class DocAnswer { Yes, No, YesToAll, NoToAll };

// The questions the controller asks while it adds reports: the window answers with message
// boxes, vexlor-cli from its flags.
class DocQuestions {
public:
    virtual ~DocQuestions() = default;
    // The report's turn is loaded: replace it? forAll: more reports follow, so a "to all"
    // answer may be given.
    virtual DocAnswer ReplaceTurn(const DocOutcome& report, bool forAll) = 0;
    // The report is for another faction and was refused. Asked only while more follow: Yes
    // goes on, YesToAll goes on without asking again, No stops.
    virtual DocAnswer OtherFaction(const DocOutcome& report) = 0;
    // The report is another faction's (report.faction, report.factionName): add it as that
    // ally's? forAll as for ReplaceTurn. No refuses it as another faction's. The window's
    // words: AllyQuestion (doc/docmessages.h). A report of a month held for that ally asks
    // ReplaceTurn next, with the ally's faction and name in the outcome.
    virtual DocAnswer AllyReport(const DocOutcome& report, bool forAll) {
        (void)report, (void)forAll;
        return DocAnswer::No;
    }
};

// Told after every change of the document, its name, its modified flag or the turn on show.
class DocObserver {
public:
    virtual ~DocObserver() = default;
    virtual void DocumentChanged() = 0;
};

// Steps done of total: while reports are added, before each report and once when all are
// done; while a map is opened, the reader's steps (model/docfile.h).
using DocProgress = std::function<void(int done, int total)>;

// The life of a map document, without a window: it owns the document, its file name, the
// modified flag and the turn on show, and runs open, add reports, save, save as and close.
// Every operation returns what happened; docmessages.h turns that into words.
class DocController {
public:
    DocController() = default;
    DocController(const DocController&) = delete;
    DocController& operator=(const DocController&) = delete;

    const VexlorDoc& Doc() const { return doc_; }
    const Str& FileName() const { return doc_.GetFileName(); }
    bool IsModified() const { return doc_.IsModified(); }
    // The turn on show: the newest month the map knows when a document opens; moves to a
    // newer report's turn while the newest was on show.
    AtlDate ShownDate() const { return shown_; }
    // Shows date if the document reaches it (from the first to the last month it knows, its
    // allies' included: VexlorDoc::KnownMonths), else NoSuchTurn.
    DocOutcome ShowDate(AtlDate date);

    void SetObserver(DocObserver* observer) { observer_ = observer; }
    void SetQuestions(DocQuestions* questions) { questions_ = questions; }
    void SetProgress(DocProgress progress) { progress_ = std::move(progress); }
    // Where the logical lines of each report are written (none when null).
    void SetDebugFile(const char* path) { debugFile_ = path; }

    // An empty, unnamed, unmodified document.
    void Close();
    // Reads the document at path in place of the open one. A file that is no readable
    // document leaves the open one as it was; a damaged one is taken as far as it could be
    // read, without its name and marked changed (DocumentDamaged). A document whose extension
    // area could not all be read is taken with its name (ExtrasDamaged): the unreadable part
    // is kept for its saves as it was (model/extarea.h).
    DocOutcome Open(const char* path);
    // Takes path as the name of a new, empty document (a file that does not exist yet).
    void StartNew(const char* path);
    // One writer at a time (base/filelock.h): holds the lock on path from now until the next
    // save, Close or Release, waiting up to waitMs for another writer (Busy when it keeps
    // it). vexlor-cli reserves its document before it opens it, so that a second add waits
    // and then reads what the first saved. ReadOnly, before anything is read or added, for a
    // file that may not be written.
    DocOutcome Reserve(const char* path, int waitMs);
    void Release() { lock_.Release(); }
    // How long a save waits for another writer when no reservation is held.
    void SetSaveWait(int waitMs) { saveWaitMs_ = waitMs; }

    // Saves to the document's name; SaveFailed leaves the old file as it was and the
    // document modified.
    DocOutcome Save();
    // Saves to path and takes it as the document's name when that worked. The file is locked
    // while it is written (Busy when another writer keeps it past the save wait); a read-only
    // file (ReadOnly) and one that another program wrote since it was read (ChangedOnDisk)
    // are left as they are.
    DocOutcome SaveAs(const char* path);

    // Whether saving to path parts the file from its other names (hard links): LinksSplit with
    // the number of its names, else Done. A save never writes into the file it replaces, for
    // a save killed halfway would leave every name with half a map, and copies made as links
    // (snapshots of a folder) would all change with it; the caller tells the player first.
    DocOutcome CheckLinks(const char* path) const;
    // Whether a picture of the map may be written at path: where nothing is yet, or over a
    // PNG picture; never over the document itself (PictureIsTheDocument) or any other file
    // (NotAPicture).
    DocOutcome CheckPictureOutput(const char* path) const;
    // Adds the reports in the order of their turns (the date in each header), whatever order
    // they are given in; those without a readable header come last, in the given order. A
    // report of another faction is added as that ally's when DocQuestions::AllyReport says
    // so (AllyReportAdded, AllyReportReplaced), else refused (OtherFaction).
    ReportsOutcome AddReports(const std::vector<std::string>& paths);

    // Allies (model/allies.h); each leaves the player's own turns as they are, and a refused
    // one leaves the whole document as it was.
    // Adds every turn of another faction's map at path as that ally's own (AllyMapAdded): a
    // month the ally is held for already takes the map's turn. The map's own allies are never
    // taken. Refused: a damaged map (AllyMapDamaged), one of faction 0 or of the player's own
    // faction, and any while the document holds no faction yet (AllyNeedsOwnMap).
    DocOutcome AddAllyMap(const char* path);
    // Drops the ally's data, nothing else (AllyRemoved, NoSuchAlly).
    DocOutcome RemoveAlly(int faction);
    // Takes the ally's map again from the file it was last taken from, as AddAllyMap; refused
    // when that file now holds another faction's map (AllyMapOtherFaction) or the ally was
    // taken from reports only (AllyWithoutFile).
    DocOutcome RefreshAlly(int faction);
    // Writes the player's own turns from the month from on (all of them for an empty date)
    // as a map an ally adds with AddAllyMap; allies' data is never passed on. Written safely
    // as SaveAs writes, never over the document itself (ExportIsTheDocument); the document and
    // its name stay as they are.
    DocOutcome ExportForAlly(const char* path, AtlDate from);

private:
    // The "to all" answers given so far in one batch of reports.
    struct Batch {
        DocAnswer replaceAll = DocAnswer::Yes; // Yes: no "to all" answer yet
        DocAnswer allyAll = DocAnswer::Yes;
        bool otherAll = false;
    };

    void Changed();
    DocOutcome AddOne(const std::string& path, Batch& batch, bool more, bool& stop);
    // Whether the report of another faction refused is to be added as that ally's.
    bool TakesAsAlly(const DocOutcome& refused, Batch& batch, bool more);
    // Adds the report at path to the ally's map of refused.faction.
    DocOutcome AddAllyReport(const std::string& path, const DocOutcome& refused, Batch& batch,
                             bool more);
    // AddAllyMap and RefreshAlly: the map at path as the ally's; wanted: the faction it must
    // be of (0: any but the player's).
    DocOutcome TakeAllyMap(const char* path, int wanted);
    // The first and the last month of the player's and the allies' turns; false when none.
    bool Span(AtlDate& first, AtlDate& last) const;

    VexlorDoc doc_;
    AtlDate shown_;
    DocObserver* observer_ = nullptr;
    DocQuestions* questions_ = nullptr;
    DocProgress progress_;
    const char* debugFile_ = kLinesDebugFile;
    FileLock lock_;
    std::string lockPath_; // what lock_ holds, while it is held
    int saveWaitMs_ = 5000;
};
