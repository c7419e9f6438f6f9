#pragma once

#include "ui/dwindow.h"

#include <functional>
#include <string_view>

class OffscreenBuffer;

// The program's help window: an HTML page with links, Back, Forward and Home.
class DHelpWindow : public DWindow {
public:
    // Paints the picture the page names as image "legend:NAME"; false when it has none.
    using Pictures = std::function<bool(std::string_view name, OffscreenBuffer& picture)>;

    explicit DHelpWindow(Pictures pictures = nullptr);
    // Shows the page at path, scrolled to the anchor (to its top when the anchor is empty),
    // and raises the window. False, showing nothing, when the file cannot be read.
    bool ShowTopic(const char* path, const char* anchor);
    // The page and anchor on show ("file:///...#anchor"), for tests.
    Str CurrentSource() const;
};
