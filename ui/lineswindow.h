#pragma once

#include "ui/dockpanel.h"

#include <functional>
#include <vector>

// A panel docked beside its frame's map that shows lines of report text, some of them
// headings, with links in them, and a line to type in: while it holds text, only the lines
// holding it (in any case) are shown, each under its heading. Clicking a link hands its target
// to the owner; the panel only shows.
class DLinesWindow : public DDockPanel {
public:
    // Characters from..from+length-1 of a line are a link to target.
    struct Link {
        int from = 0;
        int length = 0;
        int target = 0;
    };
    struct Line {
        Str text; // Windows-1252, as the report wrote it
        bool heading = false;
        std::vector<Link> links;
    };
    using Follow = std::function<void(int target)>;

    DLinesWindow(DFrameWindow* frame, const char* caption, const Place& place, Follow follow);

    // Shows these lines in place of the old ones; what is typed stays and applies to them.
    void SetLines(std::vector<Line> lines);
    // Shows the panel with its text selected, ready for typing.
    void Open();
    void SetFilter(const char* text);
    Str GetFilter() const;
    // The lines on show now, headings included.
    int GetShownCount() const;
    Str GetShownLine(int index) const;

private:
    void Refresh();

    std::vector<Line> lines_;
    std::vector<const Line*> shown_;
    Follow follow_;
};
