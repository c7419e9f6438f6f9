// The selected hex's history in the main window: the panel beside the pane, filled from the
// core's history (map/hexhistory.h), and a click on a month showing that turn.
#include "app/globals.h"
#include "base/messagetext.h"
#include "map/hexhistory.h"
#include "model/allies.h"
#include "ui/historypanel.h"
#include "vexlor/framewindow.h"

#include <cstdlib>
#include <map>
#include <string>

namespace {

constexpr const char* kHistorySection = "HistoryPanel";
// Room for the charts and a sentence of changes.
constexpr int kHistoryWidth = 420;

Str Text(int id, std::initializer_list<std::string_view> args = {}) {
    return FormatMessageText(Language.Text(id).Get(), args);
}

// "Red Wolves (3)": the ally's name, or the name the player's own newest report gives.
Str FactionText(const VexlorDoc& doc, int faction) {
    Str name;
    if (const AllyMap* ally = doc.Extras().allies.Find(faction)) name = ally->name;
    for (const TurnNode* t = doc.LastTurn(); name.IsEmpty() && t; t = t->Prev())
        if (const StrAssocNode* known = t->factions.Find(faction)) name = known->name;
    const std::string number = std::to_string(faction);
    return name.IsEmpty() ? Str(number) : Text(Msg::HistoryFaction, {name.View(), number});
}

Str FieldLabel(const VexlorDoc& doc, const HexFieldChange& change) {
    switch (change.field) {
    case HexField::Terrain:
        return Text(Msg::HistoryTerrain);
    case HexField::Town:
        return Text(Msg::HistoryTown);
    case HexField::Peasants:
        return Text(Msg::HistoryPeasants);
    case HexField::Taxes:
        return Text(Msg::HistoryTaxes);
    case HexField::Wages:
        return Text(Msg::HistoryWages);
    case HexField::Entertainment:
        return Text(Msg::HistoryEntertainment);
    case HexField::Product:
        return Text(Msg::HistoryProducts);
    case HexField::ForSale:
        return Text(Msg::HistoryForSale);
    case HexField::Wanted:
        return Text(Msg::HistoryWanted);
    case HexField::Building:
        return change.name;
    case HexField::Units:
        return Text(Msg::HistoryUnitsOf, {FactionText(doc, std::atoi(change.name.Get())).View()});
    }
    return change.name;
}

Str ChangesText(const VexlorDoc& doc, const HexSightingRecord& row, bool first) {
    if (first) return Text(Msg::HistoryFirstSeen);
    if (row.changes.empty()) return Text(Msg::HistoryNoChange);
    Str text;
    for (const HexFieldChange& change : row.changes) {
        if (!text.IsEmpty()) text += "; ";
        const Str label = FieldLabel(doc, change);
        if (change.before.IsEmpty())
            text += Text(Msg::HistoryAppeared, {label.View(), change.after.View()});
        else if (change.after.IsEmpty())
            text += Text(Msg::HistoryVanished, {label.View(), change.before.View()});
        else
            text += Text(Msg::HistoryChanged,
                         {label.View(), change.before.View(), change.after.View()});
    }
    return text;
}

// The panel's texts and charts of a hex's history.
DHistoryPanel::History PanelHistory(const VexlorDoc& doc, const AtlCoord& c,
                                    const std::vector<HexSightingRecord>& rows) {
    DHistoryPanel::History h;
    const Str where = c.GetString();
    h.title = rows.empty() ? Text(Msg::HistoryNeverSeen, {where.View()})
                           : Text(Msg::HistoryTitle, {where.View(), std::to_string(rows.size())});
    h.peasants.name = Text(Msg::HistoryPeasants);
    h.taxes.name = Text(Msg::HistoryTaxes);
    h.wages.name = Text(Msg::HistoryWages);
    // Each item's price on each side of the market, by its name on the choice.
    std::map<std::string, DHistoryPanel::Series> prices;
    auto addPrices = [&](const std::vector<MarketPrice>& market, int side, int month) {
        for (const MarketPrice& p : market) {
            if (p.price < 0) continue;
            Str name = Text(side, {p.item.View()});
            DHistoryPanel::Series& series = prices[name.Get()];
            series.name = name;
            series.points.push_back({month, static_cast<double>(p.price)});
        }
    };
    for (size_t i = rows.size(); i-- > 0;) {
        const HexSightingRecord& row = rows[i];
        h.rows.push_back({row.date.Value(), row.date.GetString(), FactionText(doc, row.source),
                          ChangesText(doc, row, i == 0)});
    }
    for (const HexSightingRecord& row : rows) {
        const int month = row.date.Value();
        if (row.peasants >= 0) h.peasants.points.push_back({month, double(row.peasants)});
        if (row.taxes >= 0) h.taxes.points.push_back({month, double(row.taxes)});
        if (!row.wages.IsEmpty()) h.wages.points.push_back({month, std::atof(row.wages.Get())});
        addPrices(row.forSale, Msg::HistoryPriceForSale, month);
        addPrices(row.wanted, Msg::HistoryPriceWanted, month);
    }
    for (auto& [name, series] : prices)
        h.prices.push_back(std::move(series));
    return h;
}

} // namespace

DHistoryPanel& FrameWindow::HistoryPanel() {
    if (!history_) {
        history_ = std::make_unique<DHistoryPanel>(
            this, Language.Text(Msg::History).Get(),
            DDockPanel::Place{Profile, kHistorySection, DDockPanel::Right, kHistoryWidth},
            [this](int month) {
                ShowTurn(AtlDate(month));
                UpdateCommands();
            });
        history_->OnClosed([this] { map_->SetFocus(); });
    }
    return *history_;
}

void FrameWindow::CmViewHistory() {
    HistoryPanel().Open();
    RefreshHistory();
}

void FrameWindow::OpenKeptHistory() {
    if (DDockPanel::WasOpen(Profile, kHistorySection)) CmViewHistory();
}

void FrameWindow::HexDescribed(const AtlCoord& c) {
    if (historyHex_ == c) return; // the same hex again: a turn shown or the map rebuilt
    historyHex_ = c;
    RefreshHistory();
}

void FrameWindow::RefreshHistory() {
    // Made only while it is open: closed, it costs a selection nothing.
    if (!history_ || !history_->IsOpen()) return;
    if (!historyHex_) {
        DHistoryPanel::History none;
        none.title = Text(Msg::HistoryNone);
        history_->SetHistory(std::move(none));
        return;
    }
    history_->SetHistory(
        PanelHistory(Document(), *historyHex_, HexHistory(Document(), *historyHex_)));
}
