#pragma once

#include "gfx/grafcolor.h"

#include <memory>

class GrafView;
class QImage;
class QPainter;

// An off-screen picture the size of a window (or of a whole map): painting goes here first
// and is copied out at once, so that the window never shows a half-drawn picture.
class OffscreenBuffer {
public:
    // The largest buffer made, in pixels: a whole map of 200 x 100 hexes fits.
    static constexpr long long kMaxPixels = 64LL * 1024 * 1024;

    OffscreenBuffer();
    OffscreenBuffer(OffscreenBuffer&&) noexcept;
    OffscreenBuffer& operator=(OffscreenBuffer&&) noexcept;
    ~OffscreenBuffer();

    // Remakes the buffer for a new size; its contents are undefined until painted. False,
    // and no buffer, for an empty or oversized size or when memory runs out. With dpr > 1 it
    // holds that many device pixels to the pixel, for a high-density screen; painting still
    // counts in pixels.
    bool Resize(int width, int height, double dpr = 1);
    bool IsNull() const;
    // The size in pixels (not device pixels).
    int Width() const;
    int Height() const;
    double DevicePixelRatio() const;

    // The colour of device pixel (x, y).
    GrafColor PixelAt(int x, int y) const;
    // Writes a PNG file safely: the file appears complete or not at all.
    bool SavePng(const char* path) const;

    const QImage& Image() const { return *image_; }

    // Painting into the buffer while it lives.
    class Painting {
    public:
        explicit Painting(OffscreenBuffer& buffer);
        Painting(const Painting&) = delete;
        Painting& operator=(const Painting&) = delete;
        ~Painting();
        GrafView& View() { return *view_; }

    private:
        std::unique_ptr<QPainter> painter_;
        std::unique_ptr<GrafView> view_;
    };

private:
    std::unique_ptr<QImage> image_;
};
