#pragma once

#include "ui/dwindow.h"

#include <functional>
#include <vector>

// A small window beside its owner with one line to type in and the list of what that finds.
// The list follows the text as it is typed; clicking a line, or Enter on it, chooses it. The
// owner does the finding and the going there; the box only shows. Texts are the document's
// 8-bit text.
class DFindBox : public DWindow {
public:
    // The lines that text finds.
    using Search = std::function<std::vector<Str>(const Str& text)>;
    // The user chose line `index` of the last search.
    using Choose = std::function<void(int index)>;

    DFindBox(DWindow* owner, const char* caption, Search search, Choose choose);

    // Shows and raises the box with its text selected, ready for typing.
    void Open();
    // Searches again for the text as it stands (what it finds has changed).
    void Refresh();
    void SetText(const char* text);
    Str GetText() const;
    int GetLineCount() const;
    Str GetLine(int index) const;

private:
    Search search_;
};
