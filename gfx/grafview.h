#pragma once

#include "base/pixelrect.h"
#include "gfx/grafcolor.h"

#include <memory>

class Bitmap;
class OffscreenBuffer;
class QPainter;

// Drawing on a window or an off-screen image through one interface: lines from a current
// position, aligned text, rectangles of transparent bitmaps, a clip box and saved states.
// It draws through a painter owned by the caller and keeps pen, text colour and alignment
// as the drawing state, so that SaveState/RestoreState bring them back too.
class GrafView {
public:
    // Where TextOut's point lies on the text: combine one horizontal and one vertical flag.
    enum TextAlign {
        AlignLeft = 0,
        AlignCenter = 1,
        AlignRight = 2,
        AlignTop = 0,
        AlignBaseline = 4,
        AlignBottom = 8,
    };

    explicit GrafView(QPainter& painter);
    GrafView(const GrafView&) = delete;
    GrafView& operator=(const GrafView&) = delete;
    ~GrafView();

    void SaveState();
    void RestoreState();

    // The area drawing can reach: the clip rectangle, or the whole device without one.
    PixelRect GetClipBox() const;
    // Limits drawing to rect (within any clip already set).
    void IntersectClipRect(const PixelRect& rect);

    // What is drawn at (x, y) from now on lands at (x + dx, y + dy); clips set later are
    // moved with it.
    void Translate(int dx, int dy);

    void FillRect(const PixelRect& rect, GrafColor color);
    // The polygon through points filled with color, alpha of 255 opaque; no outline.
    void FillPolygon(const PixelPoint* points, int count, GrafColor color, int alpha = 255);

    // Solid lines of width pixels; widths above one have round ends, so that edges drawn
    // one by one meet without notches.
    void SetPen(GrafColor color, int width = 1);
    void MoveTo(int x, int y);
    // A line from the current position to (x, y), which becomes the current position.
    void LineTo(int x, int y);

    void SetFont(const char* family, int pixelSize, bool bold);
    void SetTextAlign(int align);
    void SetTextColor(GrafColor color);
    // Text is taken as Latin-1, which every byte string is.
    void TextOut(int x, int y, const char* text);
    // Where TextOut(x, y, text) would draw, with the current font and alignment.
    PixelRect TextBox(int x, int y, const char* text) const;

    // The w x h rectangle of bitmap at (srcX, srcY), drawn with its top-left corner at (x, y);
    // transparent pixels leave what is below. The rectangle counts the bitmap's own pixels;
    // a bitmap of device pixel ratio 2 draws at half that size.
    void DrawBitmap(const Bitmap& bitmap, int srcX, int srcY, int w, int h, int x, int y);
    // Copies rect of the buffer to the same place here, pixel for pixel: a picture composed
    // off screen reaches the window at once.
    void CopyBuffer(const OffscreenBuffer& buffer, const PixelRect& rect);

private:
    struct State;
    QPainter& painter_;
    std::unique_ptr<State> state_;
};
