#pragma once

#include "ui/dwindow.h"

class OffscreenBuffer;

// A child window that shows one picture from its top-left corner, with scroll bars when the
// picture is larger than the window.
class DPictureWindow : public DWindow {
public:
    DPictureWindow(DWindow* parent, const char* name);

    // Shows a copy of the picture; a null buffer shows none.
    void SetPicture(const OffscreenBuffer& picture);
    void ClearPicture();
    // Scrolls so that picture pixel (x, y) lies about in the middle of the window.
    void CenterOn(int x, int y);
};
