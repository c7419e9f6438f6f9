#pragma once

#include "base/pixelrect.h"
#include "ui/dockpanel.h"

class GrafView;

// A docked panel that is one picture, painted by the derived panel, which follows the left
// mouse button: pressed, and moved while held. The picture fills the panel's body.
class DPicturePanel : public DDockPanel {
public:
    // The picture's widget is named name + "Picture", for tests.
    DPicturePanel(DFrameWindow* frame, const char* name, const char* caption, const Place& place);
    ~DPicturePanel() override;

    // The picture's area, at (0, 0).
    PixelRect GetPictureRect() const;
    // Marks the whole picture to be painted again soon.
    void Invalidate();
    // Device pixels of one pixel of the picture (2 on many high-density screens).
    double DevicePixelRatio() const;

protected:
    // Paints the part clip of the picture; view is clipped to it.
    virtual void EvPaint(GrafView& view, const PixelRect& clip) = 0;
    // The picture got a new size.
    virtual void EvSize(int width, int height) {}
    // The left button went down at point, or the mouse moved to point while it is held.
    virtual void EvLeftButton(PixelPoint point) {}

private:
    class PictureWidget;
    friend class PictureWidget;
    // The picture's widget, or null once Qt has destroyed the panel's.
    PictureWidget* Picture() const;
};
