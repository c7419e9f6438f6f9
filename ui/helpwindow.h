#pragma once

#include "ui/dwindow.h"

// The program's help window: an HTML page with links, Back, Forward and Home.
class DHelpWindow : public DWindow {
public:
    DHelpWindow();
    // Shows the page at path, scrolled to the anchor (to its top when the anchor is empty),
    // and raises the window. False, showing nothing, when the file cannot be read.
    bool ShowTopic(const char* path, const char* anchor);
    // The page and anchor on show ("file:///...#anchor"), for tests.
    Str CurrentSource() const;
};
