#pragma once

#include "base/pixelrect.h"
#include "ui/dwindow.h"

class GrafView;

// Scroll-bar codes, in the window system's numbering (the map's ScrollData uses the same).
enum ScrollCode {
    SB_LINEUP = 0, // line left or up
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ENDSCROLL = 8,
};
enum ScrollBarKind { SB_HORZ = 0, SB_VERT = 1 };

// The mouse buttons and keys held during a mouse or key event.
enum MouseKeyFlags : unsigned {
    MK_LBUTTON = 0x1,
    MK_RBUTTON = 0x2,
    MK_SHIFT = 0x4,
    MK_CONTROL = 0x8,
    MK_MBUTTON = 0x10,
    MK_KEYPAD = 0x20, // the key is one of the numeric keypad's
};

// Keys a window reacts to, in the window system's numbering; other keys arrive as 0.
enum VirtualKey : unsigned {
    VK_PRIOR = 0x21, // page up
    VK_NEXT = 0x22,  // page down
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    // Digits (also those of the numeric keypad) and letters as their upper-case characters.
    VK_0 = '0',
    VK_9 = '9',
    VK_A = 'A',
    VK_Z = 'Z',
};

// A child window that paints its client area itself and has a horizontal and a vertical
// scroll bar, which it drives: the bars only report the user's steps (EvHScroll, EvVScroll),
// and the window decides where it stands and sets them (SetScrollInfo). The client area is
// the window less its bars, in client pixels from (0, 0).
class DScrollWindow : public DWindow {
public:
    // A child of parent (a top-level window when null).
    explicit DScrollWindow(DWindow* parent);
    ~DScrollWindow() override;

    PixelRect GetClientRect() const;
    // Marks the whole client area, or a part of it, to be painted again (by EvPaint, soon or
    // at the next UpdateWindow). Every pixel is painted over, so nothing is erased first.
    void Invalidate();
    virtual void InvalidateRect(const PixelRect& rect);
    // Moves what the client area shows by dx, dy pixels; what comes into view is invalidated.
    void ScrollWindow(int dx, int dy);
    // Paints what is invalid now, before returning.
    void UpdateWindow();

    // A bar's positions run from 0 to last; page is how many steps fit in the window (the
    // size of the thumb).
    void SetScrollInfo(ScrollBarKind bar, int last, int page, int position);
    int GetScrollPos(ScrollBarKind bar) const;

    // The handlers; the window's widget calls them. A derived window overrides what it needs
    // and passes mouse events on to this class at the end.
    //
    // Paints the part clip of the client area; view is clipped to it. Called once for each
    // rectangle of what is invalid.
    virtual void EvPaint(GrafView& view, const PixelRect& clip) {}
    // The client area got a new size (also when it first appears).
    virtual void EvSize(int width, int height) {}
    // A step of a scroll bar (an SB_ code); position is the thumb's for the thumb codes.
    virtual void EvHScroll(int code, int position) {}
    virtual void EvVScroll(int code, int position) {}
    // Mouse buttons pressed at a point of the client area; flags are MK_ bits. The window
    // takes the keyboard focus.
    virtual void EvLButtonDown(unsigned flags, PixelPoint point);
    virtual void EvRButtonDown(unsigned flags, PixelPoint point);
    // The left button let go at point (which may lie outside the client area after a drag).
    virtual void EvLButtonUp(unsigned flags, PixelPoint point) {}
    // A key pressed while the window has the focus (a VK_ code; flags MK_SHIFT, MK_CONTROL).
    // Returns whether it was used.
    virtual bool EvKeyDown(unsigned key, unsigned flags) { return false; }
    // The wheel turned by delta (120 a notch, positive away from the user); horizontal for a
    // sideways wheel or with Shift held. Scrolls three lines a notch by default.
    virtual void EvMouseWheel(int delta, bool horizontal, unsigned flags);
    // The wheel turned with Ctrl held, at point: true when the window zoomed (else it
    // scrolls as without Ctrl).
    virtual bool EvZoomWheel(int delta, PixelPoint point) { return false; }
    // The mouse moved over the client area to point, buttons held or not.
    virtual void EvMouseMove(PixelPoint point) {}
    // The mouse left the client area.
    virtual void EvMouseLeave() {}
    // The text of the tip shown when the mouse rests at point; empty for none.
    virtual Str GetToolTip(PixelPoint point) { return Str(); }

    // The device pixels of one pixel of the client area (2 on many high-density screens).
    double DevicePixelRatio() const;

private:
    class ScrollWidget;
    friend class ScrollWidget;
    ScrollWidget* Area() const;
    int wheelRest_[2] = {0, 0}; // wheel turns short of a notch, per direction
};
