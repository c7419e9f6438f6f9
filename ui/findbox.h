#pragma once

#include "ui/dockpanel.h"

#include <functional>
#include <vector>

// A panel docked beside its frame's map with one line to type in and the list of what that
// finds. The list follows the text as it is typed; clicking a line, or Enter on it, chooses it.
// The owner does the finding and the going there; the box only shows. Texts are the
// document's 8-bit text.
class DFindBox : public DDockPanel {
public:
    // A line of what was found; an older one (a sighting from an earlier month) is shown faded.
    struct Line {
        Str text;
        bool older = false;
        bool acts = false; // the line offers the box's line action
    };
    // The lines that text finds.
    using Search = std::function<std::vector<Line>(const Str& text)>;
    // The user chose line `index` of the last search.
    using Choose = std::function<void(int index)>;

    DFindBox(DFrameWindow* frame, const char* caption, const Place& place, Search search,
             Choose choose);

    // Shows the panel with its text selected, ready for typing.
    void Open();
    // Searches again for the text as it stands (what it finds has changed).
    void Refresh();
    void SetText(const char* text);
    Str GetText() const;
    int GetLineCount() const;
    Str GetLine(int index) const;
    bool IsLineOlder(int index) const;
    // A second thing to do with a line that offers it, from the line's context menu.
    void SetLineAction(int captionId, Choose act);
    bool LineActs(int index) const;
    void ActOnLine(int index);

private:
    Search search_;
    Choose act_;
    int actCaption_ = 0; // the action's message
};
