#pragma once

#include "ui/dockpanel.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A panel docked beside its frame's map that shows a table: a heading per column, a row per
// thing listed. A click on a heading sorts by that column (again: the other way); a line to
// type in shows only the rows holding its text in any cell, in any case. Clicking a row, or
// Enter on it, hands the row to the owner. Copy puts the selected rows (all shown rows when
// none is selected) on the clipboard as tab-separated text, under the headings; Save hands
// the same rows as comma-separated text to the owner, which asks where to write them.
class DTablePanel : public DDockPanel {
public:
    // A cell: the text shown (the document's 8-bit text, as the report wrote it) and how it
    // sorts: by its number where it has one, else by its text in dictionary order, case aside
    // (base/collate.h), as the lists of map/ sort their rows.
    struct Cell {
        Str text;
        int64_t key = 0;
        bool numeric = false;

        static Cell Text(Str text) { return {std::move(text), 0, false}; }
        static Cell Number(int64_t key, Str text) { return {std::move(text), key, true}; }
        // The number is the text; unknown (negative) ones are shown empty and sort first.
        static Cell Number(int64_t number);
    };
    using Row = std::vector<Cell>;
    // The user chose the row of this index in the order SetRows was given them.
    using Choose = std::function<void(int row)>;
    // The rows to save, as comma-separated text.
    using Save = std::function<void(const std::string& csv)>;

    // headings are texts of the language (UTF-8), one per column.
    DTablePanel(DFrameWindow* frame, const char* name, const char* caption, const Place& place,
                std::vector<Str> headings, Choose choose, Save save);
    ~DTablePanel() override;

    // Other columns from now on (rows go until SetRows); the sort goes back to the rows' own
    // order.
    void SetHeadings(std::vector<Str> headings);
    // Shows these rows in place of the old ones; the text typed and the sort stay.
    void SetRows(std::vector<Row> rows);
    // A check box or a button below the table, before Copy and Save; text is the language's.
    void AddCheck(const char* name, const Str& text, bool checked,
                  std::function<void(bool)> changed);
    void AddButton(const char* name, const Str& text, std::function<void()> pressed);
    // Shows the panel with its line to type in ready.
    void Open();

    void SetFilter(const char* text);
    // Sorts as a click on the heading of column does; -1 for the rows' own order.
    void SortBy(int column, bool ascending);
    // The rows on show now, in their order: the cells of one as shown, separated by tabs.
    int GetShownCount() const;
    Str GetShownRow(int index) const;
    // Selects the shown rows of these indexes (the user's Ctrl+click).
    void SelectShown(const std::vector<int>& indexes);
    // The headings, then the selected rows (all shown rows when none is), cells in UTF-8.
    std::vector<std::vector<std::string>> GetTable() const;
    // Copy and Save, as their buttons do.
    void Copy() const;
    void SaveRows() const;

private:
    class Model;
    class Filter;
    std::unique_ptr<Model> model_;
    Filter* filter_ = nullptr; // owned by the panel's widget
    Choose choose_;
    Save save_;
};
