#pragma once

#include "base/str.h"
#include "ui/dwindow.h"

#include <functional>
#include <vector>

// A card in the middle of another window (the empty map at start) with a title and lines that
// each begin with a link running one of the frame's commands: what to do first.
class DStartHint : public DWindow {
public:
    struct Line {
        Str link;             // the link's words; a line without them is a plain heading
        Str rest;             // the words after the link
        unsigned command = 0; // what the link runs
    };

    // Over `over`, kept in its middle as it changes size; hidden until Show.
    DStartHint(DWindow* over, std::function<void(unsigned command)> run);
    void SetLines(const Str& title, const std::vector<Line>& lines);
    void SetShown(bool shown);
};
