// View, Units and View, Factions: the units and the factions of the turn on show as tables
// docked beside the map (map/unitlist.h and map/factionlist.h give the rows). A unit chosen is
// gone to and opened in the description pane; a faction chosen has its units' hexes marked on
// the map until it is chosen again or the marks are cleared.
#include "app/globals.h"
#include "base/fileidentity.h"
#include "base/messagetext.h"
#include "base/replacefile.h"
#include "doc/docmessages.h"
#include "map/factionlist.h"
#include "map/unitlist.h"
#include "ui/filedialog.h"
#include "ui/tablepanel.h"
#include "vexlor/framewindow.h"

#include <cerrno>
#include <string>

namespace {

constexpr const char* kUnitsSection = "UnitsPanel";
constexpr const char* kFactionsSection = "FactionsPanel";
// A dozen rows of units below the map; the factions' seven columns beside it, the months
// written out ("September, Year 12") and the attitude last, all without scrolling sideways.
constexpr int kUnitsHeight = 260;
constexpr int kFactionsWidth = 680;

using Cell = DTablePanel::Cell;

Str Heading(int textId) {
    return Language.Text(textId);
}

// Every column, or all but the faction for the player's and allies' units.
std::vector<UnitColumn> UnitColumns(bool all) {
    std::vector<UnitColumn> columns;
    for (UnitColumn column : kUnitColumns)
        if (all || column != UnitColumn::Faction) columns.push_back(column);
    return columns;
}

std::vector<Str> UnitHeadings(bool all) {
    std::vector<Str> headings;
    for (UnitColumn column : UnitColumns(all))
        headings.push_back(Heading(UnitColumnHeading(column)));
    return headings;
}

std::vector<Str> FactionHeadings() {
    std::vector<Str> headings;
    for (int id : {Msg::UnitNumber, Msg::UnitName, Msg::ColumnFirstSeen, Msg::ColumnLastSeen,
                   Msg::ColumnUnits, Msg::ColumnHexes, Msg::ColumnAttitude})
        headings.push_back(Heading(id));
    return headings;
}

// The cells as the units list words them, ordered as it orders them (UnitSortNumber).
DTablePanel::Row UnitCells(const UnitRow& unit, const std::vector<UnitColumn>& columns) {
    DTablePanel::Row row;
    row.reserve(columns.size());
    for (UnitColumn column : columns) {
        Str text = UnitCell(unit, column);
        if (std::optional<int64_t> key = UnitSortNumber(unit, column))
            row.push_back(Cell::Number(*key, std::move(text)));
        else
            row.push_back(Cell::Text(std::move(text)));
    }
    return row;
}

Cell DateCell(AtlDate date) {
    return Cell::Number(date.Value(), date.GetString());
}

DTablePanel::Row FactionCells(const FactionRow& faction) {
    return {Cell::Number(faction.number), Cell::Text(faction.name),    DateCell(faction.first),
            DateCell(faction.last),       Cell::Number(faction.units), Cell::Number(faction.hexes),
            Cell::Text(faction.attitude)};
}

// "Units - March, Year 3" while a month is on show.
Str Caption(int textId, const VexlorDoc& doc, AtlDate date) {
    Str caption = Language.Text(textId);
    if (!doc.Turns().IsEmpty()) caption += " - " + date.GetString();
    return caption;
}

} // namespace

void FrameWindow::CmViewUnits() {
    UnitsPanel().Open();
}

void FrameWindow::CmViewFactions() {
    FactionsPanel().Open();
}

DTablePanel& FrameWindow::UnitsPanel() {
    if (!units_) {
        allUnits_ = Profile.GetInt(kUnitsSection, "All", 0) != 0;
        units_ = std::make_unique<DTablePanel>(
            this, "unitsPanel", Language.Text(Msg::Units).Get(),
            DDockPanel::Place{Profile, kUnitsSection, DDockPanel::Bottom, kUnitsHeight},
            UnitHeadings(allUnits_), [this](int row) { ChooseUnit(row); },
            [this](const std::string& csv) { SaveTable(csv); });
        units_->AddCheck("unitsAll", Language.Text(Msg::UnitsEverySeen), allUnits_,
                         [this](bool all) { ShowAllUnits(all); });
        units_->OnClosed([this] { map_->SetFocus(); });
        RefreshUnits();
    }
    return *units_;
}

DTablePanel& FrameWindow::FactionsPanel() {
    if (!factions_) {
        factions_ = std::make_unique<DTablePanel>(
            this, "factionsPanel", Language.Text(Msg::Factions).Get(),
            DDockPanel::Place{Profile, kFactionsSection, DDockPanel::Left, kFactionsWidth},
            FactionHeadings(), [this](int row) { ChooseFaction(row); },
            [this](const std::string& csv) { SaveTable(csv); });
        factions_->AddButton("factionsClear", Language.Text(Msg::FactionMarksClear),
                             [this] { MarkFaction(0); });
        factions_->OnClosed([this] { map_->SetFocus(); });
        RefreshFactions();
    }
    return *factions_;
}

void FrameWindow::OpenKeptTablePanels() {
    if (DDockPanel::WasOpen(Profile, kUnitsSection)) UnitsPanel().DDockPanel::Open();
    if (DDockPanel::WasOpen(Profile, kFactionsSection)) FactionsPanel().DDockPanel::Open();
}

void FrameWindow::ShowAllUnits(bool all) {
    if (all == allUnits_) return;
    allUnits_ = all;
    Profile.WriteInt(kUnitsSection, "All", all ? 1 : 0);
    units_->SetHeadings(UnitHeadings(all));
    RefreshUnits();
}

void FrameWindow::RefreshUnits() {
    if (!units_) return;
    unitRows_ = ListUnits(Document(), ShownDate(), allUnits_);
    const std::vector<UnitColumn> columns = UnitColumns(allUnits_);
    std::vector<DTablePanel::Row> rows;
    rows.reserve(unitRows_.size());
    for (const UnitRow& unit : unitRows_)
        rows.push_back(UnitCells(unit, columns));
    units_->SetRows(std::move(rows));
    units_->SetCaption(Caption(Msg::Units, Document(), ShownDate()).Get());
}

void FrameWindow::RefreshFactions() {
    // The marks follow the month on show while a faction is chosen.
    if (markedFaction_)
        map_->SetMarks(MarkKind::Faction, FactionHexes(Document(), ShownDate(), markedFaction_));
    if (!factions_) return;
    factionRows_ = ListFactions(Document(), ShownDate());
    std::vector<DTablePanel::Row> rows;
    rows.reserve(factionRows_.size());
    for (const FactionRow& faction : factionRows_)
        rows.push_back(FactionCells(faction));
    factions_->SetRows(std::move(rows));
    factions_->SetCaption(Caption(Msg::Factions, Document(), ShownDate()).Get());
}

void FrameWindow::ChooseUnit(int row) {
    if (row < 0 || row >= static_cast<int>(unitRows_.size())) return;
    const UnitRow& unit = unitRows_[static_cast<size_t>(row)];
    GoTo(unit.coord);
    descr_->ShowUnit(unit.number);
    UpdateCommands();
}

void FrameWindow::ChooseFaction(int row) {
    if (row < 0 || row >= static_cast<int>(factionRows_.size())) return;
    int faction = factionRows_[static_cast<size_t>(row)].number;
    // Choosing the marked faction again takes its marks away.
    MarkFaction(faction == markedFaction_ ? 0 : faction);
}

void FrameWindow::MarkFaction(int faction) {
    markedFaction_ = faction;
    map_->SetMarks(MarkKind::Faction, faction ? FactionHexes(Document(), ShownDate(), faction)
                                              : std::vector<AtlCoord>());
}

void FrameWindow::SaveTable(const std::string& csv) {
    Str path;
    if (!AskFileName({true, Language.Text(Msg::TableSaveTitle), Language.Text(Msg::TableFilter),
                      "*.csv", "csv", AppOptions.lastDir},
                     path))
        return;
    // Never over the map itself, by whatever name: a slip in the dialog must not cost it.
    const Str& map = doc_.FileName();
    FileIdentity target = FileIdentity::OfPath(path.Get());
    if (!map.IsEmpty() && target.exists) {
        FileIdentity document = FileIdentity::OfPath(map.Get());
        if (document.device == target.device && document.inode == target.inode) {
            ShowMessage(
                FormatMessageText(Language.Text(Msg::TableIsTheDocument).Get(), path.Get()));
            return;
        }
    }
    errno = 0;
    if (!ReplaceFileContents(path.Get(), csv)) {
        DocOutcome failed;
        failed.kind = DocOutcomeKind::ExportFailed;
        failed.file = path.Get();
        failed.errorNumber = errno ? errno : EIO;
        ShowOutcome(failed);
        return;
    }
    ShowNote(FormatMessageText(Language.Text(Msg::TableSaved).Get(), path.Get()));
}
