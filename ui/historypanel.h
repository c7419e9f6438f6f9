#pragma once

#include "ui/dockpanel.h"

#include <functional>
#include <vector>

// A panel docked beside the pane with a hex's history: above, charts over the months of its
// peasants, taxes and wages, and of one market price chosen from the items it ever traded;
// below, every sighting, newest first, with who saw it and what changed. A click on a sighting
// asks the owner to show its month. The owner gives the texts; the panel only shows them.
class DHistoryPanel : public DDockPanel {
public:
    struct Row {
        int month = 0; // the date's value (AtlDate::Value), handed back on a click
        Str when;      // "March, Year 3"
        Str seenBy;    // "Red Wolves (3)", as the report wrote it (8-bit)
        Str changes;   // what changed, in the language in use (UTF-8)
    };
    // A value over the months: x is the month's value, as in Row.
    struct Point {
        int month;
        double value;
    };
    struct Series {
        Str name; // UTF-8
        std::vector<Point> points;
    };
    struct History {
        Str title;             // UTF-8: the hex, or why there is no history
        std::vector<Row> rows; // newest first
        Series peasants, taxes, wages;
        std::vector<Series> prices; // one per item and side of the market, for the choice
    };
    using ShowMonth = std::function<void(int month)>;

    DHistoryPanel(DFrameWindow* frame, const char* caption, const Place& place, ShowMonth show);

    void SetHistory(History history);
    int GetRowCount() const;
    // The row's cells as shown, separated by tabs.
    Str GetRow(int index) const;
    // Acts as a click on the row.
    void ClickRow(int index);
    // The price series on show; -1 when none.
    int GetChosenPrice() const;
    void ChoosePrice(int index);
    // The points of each chart's series as drawn: peasants, taxes, wages, then the price.
    std::vector<std::vector<Point>> GetDrawnSeries() const;
    // The most labelled ticks on any value axis drawn: a short chart elides crowded labels.
    int GetMostValueTicks() const;

private:
    void DrawPrice();

    History history_;
    ShowMonth show_;
};
