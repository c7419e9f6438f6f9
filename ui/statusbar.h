#pragma once

#include "ui/dwindow.h"

// A bar along the bottom of a frame's client area with text fields from left to right.
class DStatusBar : public DWindow {
public:
    DStatusBar(DWindow* parent, const char* name);

    // A text field with a sunken border, its text at the left, at least `chars` average
    // characters wide; returns its index.
    int AddTextGadget(int chars);
    // Out-of-range indexes are passed over.
    void SetText(int gadget, const char* text);
    Str GetText(int gadget) const;
    // The height the bar needs.
    int GetHeight() const;
};
