#pragma once

#include "ui/dwindow.h"

// A bar along the bottom of a frame's client area with text fields from left to right.
class DStatusBar : public DWindow {
public:
    DStatusBar(DWindow* parent, const char* name);

    // A text field with a sunken border, its text at the left, `chars` average characters
    // wide whatever it holds, so that the fields after it stay in place; a stretching field
    // is at least that wide and takes the room left. Returns its index.
    int AddTextGadget(int chars, bool stretch = false);
    // Out-of-range indexes are passed over.
    void SetText(int gadget, const char* text);
    Str GetText(int gadget) const;
    // The height the bar needs.
    int GetHeight() const;
};
