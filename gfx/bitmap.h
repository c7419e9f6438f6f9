#pragma once

#include "gfx/grafcolor.h"

#include <memory>

class QImage;

// The program's bitmap resources by number.
enum BitmapResource {
    kTerrainBitmap = 100, // hex pictures 50 x 42, four per row
    // Markers drawn over hexes: the guard flag (8 x 12) at the left, the player's own units
    // (12 x 12) at x = 16, other factions' units (8 x 8) at x = 32.
    kOverlayBitmap = 101,
    // The pictures of a region's objects, 9 x 9 each in a row: gate, shaft, lair, ship,
    // tower, building.
    kObjectBitmap = 102,
    // Toolbar buttons 20 x 20: plain up, plain down, next, previous, first and last turn.
    kToolbarBitmap = 103,
    kToolbarBitmap2x = 104, // the same at twice the density
};

// A picture in memory that can be drawn with transparent parts.
class Bitmap {
public:
    Bitmap();
    Bitmap(Bitmap&&) noexcept;
    Bitmap& operator=(Bitmap&&) noexcept;
    ~Bitmap();

    // A bitmap resource of the program; a null bitmap for an unknown number.
    static Bitmap LoadResource(int id);
    // A PNG (or other image) file; a null bitmap when it cannot be read.
    static Bitmap LoadFile(const char* path);
    // text (Latin-1) in ink with a one-pixel rim of another colour all round, on transparent
    // ground: a label that stays readable on any picture and draws as fast as one. The text's
    // top-left corner lies at (1, 1).
    // With dpr > 1 it is drawn that much finer, at the same size on screen.
    static Bitmap RimmedText(const char* text, const char* family, int pixelSize, bool bold,
                             GrafColor ink, GrafColor rim, double dpr = 1);

    // A sheet of cellWidth x cellHeight pictures with each cell scaled smoothly to
    // toWidth x toHeight on its own, so that no cell bleeds into its neighbours.
    Bitmap ScaledCells(int cellWidth, int cellHeight, int toWidth, int toHeight) const;
    // Device pixels per pixel on screen: a bitmap of ratio 2 draws at half its pixel size,
    // each of its pixels one of a high-density screen.
    void SetDevicePixelRatio(double dpr);
    double DevicePixelRatio() const;

    bool IsNull() const;
    int Width() const;
    int Height() const;
    // The colour at (x, y); black outside the bitmap.
    GrafColor PixelAt(int x, int y) const;
    // Whether (x, y) is drawn at all; false outside the bitmap.
    bool IsOpaqueAt(int x, int y) const;

    // Every pixel of the top-left pixel's colour becomes transparent: the bitmaps are drawn
    // on a key colour that no picture uses.
    void MakeTransparent();

    const QImage& Image() const { return *image_; }

private:
    explicit Bitmap(const QImage& image);
    std::unique_ptr<QImage> image_;
};
