#pragma once

#include "ui/dockpanel.h"

#include <functional>
#include <vector>

// A panel docked beside its frame's map that lists the allies whose maps the document holds,
// one row each: the faction's number, its name, how many months are held, the first and the
// last of them. Its buttons remove the chosen ally or take its map again from its file; the
// owner does both (and asks first), the panel only shows.
class DAlliesPanel : public DDockPanel {
public:
    struct Row {
        int faction = 0;
        Str name; // the document's 8-bit text, as the report wrote it
        int months = 0;
        Str first, last;       // "March, Year 3"
        bool fromFile = false; // taken from an ally's map, so it can be refreshed
    };
    // The user asked for this to be done to the ally of faction.
    using Act = std::function<void(int faction)>;

    DAlliesPanel(DFrameWindow* frame, const char* caption, const Place& place, Act remove,
                 Act refresh);

    // Shows these rows in place of the old ones; the chosen ally stays chosen while listed.
    void SetRows(std::vector<Row> rows);
    int GetRowCount() const;
    // The row's cells as shown, separated by tabs.
    Str GetRow(int index) const;
    // The faction of the chosen row; 0 when none is chosen.
    int GetChosen() const;
    void Choose(int faction);

private:
    void UpdateButtons();

    std::vector<Row> rows_;
};
