#include "gfx/bitmap.h"
#include "gfx/grafview.h"
#include "gfx/offscreen.h"
#include "gfx/offscreengui.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

constexpr GrafColor kWhite{255, 255, 255};
constexpr GrafColor kBlack{0, 0, 0};
constexpr GrafColor kRed{255, 0, 0};
constexpr int kW = 50, kH = 42;

OffscreenBuffer WhiteBuffer(int width, int height) {
    OffscreenBuffer buffer;
    buffer.Resize(width, height);
    OffscreenBuffer::Painting(buffer).View().FillRect({0, 0, width, height}, kWhite);
    return buffer;
}

bool InsideOutline(int px, int py) {
    double x = px + 0.5, y = py + 0.5;
    double slant = 13.0 * (y > 21 ? y - 21 : 21 - y) / 21;
    return y >= 0 && y <= kH && x >= slant && x < kW - slant;
}

int CountColor(const OffscreenBuffer& buffer, const PixelRect& r, GrafColor color) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += buffer.PixelAt(x, y) == color;
    return n;
}

std::string TempPath(const char* name) {
    return std::string(::testing::TempDir()) + name;
}

} // namespace

// The program's bitmaps are what the map painting and the toolbar cut pictures from.
TEST(Bitmaps, ResourcesHaveTheirLayout) {
    Bitmap terrain = Bitmap::LoadResource(kTerrainBitmap);
    ASSERT_FALSE(terrain.IsNull());
    EXPECT_EQ(terrain.Width(), 4 * kW);
    EXPECT_EQ(terrain.Height(), 5 * kH);
    Bitmap overlay = Bitmap::LoadResource(kOverlayBitmap);
    ASSERT_FALSE(overlay.IsNull());
    EXPECT_GE(overlay.Width(), 48);
    EXPECT_GE(overlay.Height(), 12);
    Bitmap toolbar = Bitmap::LoadResource(kToolbarBitmap);
    EXPECT_EQ(toolbar.Width(), 10 * 20);
    EXPECT_EQ(toolbar.Height(), 20);
    Bitmap dense = Bitmap::LoadResource(kToolbarBitmap2x);
    EXPECT_EQ(dense.Width(), 2 * toolbar.Width());
    EXPECT_EQ(dense.Height(), 2 * toolbar.Height());
    // The objects: six pictures of 9 x 9 in a row.
    Bitmap objects = Bitmap::LoadResource(kObjectBitmap);
    EXPECT_EQ(objects.Width(), 6 * 9);
    EXPECT_EQ(objects.Height(), 9);
    EXPECT_TRUE(Bitmap::LoadResource(105).IsNull());
    EXPECT_TRUE(Bitmap::LoadFile("/no/such/file.png").IsNull());
}

TEST(Bitmaps, TheTopLeftColourBecomesTransparent) {
    for (int id : {kTerrainBitmap, kOverlayBitmap, kToolbarBitmap}) {
        Bitmap bitmap = Bitmap::LoadResource(id);
        GrafColor key = bitmap.PixelAt(0, 0);
        ASSERT_TRUE(bitmap.IsOpaqueAt(0, 0));
        bitmap.MakeTransparent();
        int opaque = 0;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x) {
                if (!bitmap.IsOpaqueAt(x, y)) continue;
                ++opaque;
                ASSERT_FALSE(bitmap.PixelAt(x, y) == key) << id << " at " << x << "," << y;
            }
        EXPECT_GT(opaque, 0) << id;
        EXPECT_FALSE(bitmap.IsOpaqueAt(0, 0));
    }
    // Every toolbar button and the guard marker hold a picture.
    Bitmap toolbar = Bitmap::LoadResource(kToolbarBitmap);
    toolbar.MakeTransparent();
    for (int cell = 0; cell < 4; ++cell) {
        int opaque = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                opaque += toolbar.IsOpaqueAt(cell * 20 + x, y);
        EXPECT_GT(opaque, 20) << "button " << cell;
    }
    Bitmap overlay = Bitmap::LoadResource(kOverlayBitmap);
    overlay.MakeTransparent();
    int marker = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 8; ++x)
            marker += overlay.IsOpaqueAt(x, y);
    EXPECT_GT(marker, 20);
}

// Hex pictures 37 pixels apart in columns half a hex lower must cover the plane once: no
// gaps between hexes, no pixel painted by two of them.
TEST(Bitmaps, HexPicturesTileWithoutGapsOrOverlaps) {
    Bitmap sheet = Bitmap::LoadResource(kTerrainBitmap);
    sheet.MakeTransparent();
    struct Picture {
        int column, row;
    };
    // Eleven terrains, the unknown hex and the seven terrains kept by name; the shade is a
    // dither drawn over them.
    std::vector<Picture> pictures;
    for (int cell : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19})
        pictures.push_back({cell % 4, cell / 4});
    for (const Picture& p : pictures) {
        auto opaque = [&](int x, int y) {
            return x >= 0 && x < kW && y >= 0 && y < kH &&
                   sheet.IsOpaqueAt(p.column * kW + x, p.row * kH + y);
        };
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                ASSERT_EQ(opaque(x, y), InsideOutline(x, y))
                    << "picture " << p.column << "," << p.row << " at " << x << "," << y;
                int covered = 0;
                for (auto [dx, dy] : {std::pair{0, 0},
                                      {0, kH},
                                      {0, -kH},
                                      {37, 21},
                                      {37, -21},
                                      {-37, 21},
                                      {-37, -21}})
                    covered += opaque(x - dx, y - dy);
                ASSERT_EQ(covered, 1) << "at " << x << "," << y;
            }
    }
    // The shade darkens only inside the outline.
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            if (sheet.IsOpaqueAt(x, 3 * kH + y)) {
                ASSERT_TRUE(InsideOutline(x, y)) << x << "," << y;
            }
}

TEST(GrafView, ClipBoxLimitsDrawingUntilTheStateIsRestored) {
    OffscreenBuffer buffer = WhiteBuffer(40, 30);
    {
        OffscreenBuffer::Painting painting(buffer);
        GrafView& view = painting.View();
        EXPECT_EQ(view.GetClipBox(), (PixelRect{0, 0, 40, 30}));
        view.SaveState();
        view.IntersectClipRect({10, 5, 20, 15});
        view.IntersectClipRect({15, 0, 40, 30});
        EXPECT_EQ(view.GetClipBox(), (PixelRect{15, 5, 20, 15}));
        view.FillRect({0, 0, 40, 30}, kRed);
        view.RestoreState();
        view.FillRect({0, 25, 40, 30}, kBlack);
    }
    EXPECT_EQ(CountColor(buffer, {0, 0, 40, 30}, kRed), 5 * 10);
    EXPECT_EQ(CountColor(buffer, {15, 5, 20, 15}, kRed), 5 * 10);
    EXPECT_EQ(CountColor(buffer, {0, 25, 40, 30}, kBlack), 40 * 5);
}

TEST(GrafView, LinesRunFromTheCurrentPositionInThePen) {
    OffscreenBuffer buffer = WhiteBuffer(40, 30);
    {
        OffscreenBuffer::Painting painting(buffer);
        GrafView& view = painting.View();
        view.SetPen(kRed);
        view.MoveTo(5, 5);
        view.LineTo(30, 5);
        view.SetPen(kBlack);
        view.LineTo(30, 20);
    }
    EXPECT_EQ(buffer.PixelAt(5, 5), kRed);
    EXPECT_EQ(buffer.PixelAt(20, 5), kRed);
    EXPECT_EQ(buffer.PixelAt(30, 12), kBlack);
    EXPECT_EQ(buffer.PixelAt(20, 6), kWhite);
    EXPECT_EQ(CountColor(buffer, {0, 0, 40, 30}, kRed) + CountColor(buffer, {0, 0, 40, 30}, kBlack),
              26 + 15); // one-pixel lines sharing the corner
}

TEST(GrafView, TransparentBitmapsLeaveWhatIsBelow) {
    Bitmap overlay = Bitmap::LoadResource(kOverlayBitmap);
    overlay.MakeTransparent();
    OffscreenBuffer buffer = WhiteBuffer(30, 30);
    {
        OffscreenBuffer::Painting painting(buffer);
        painting.View().DrawBitmap(overlay, 0, 0, 8, 12, 10, 10);
    }
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            bool inMarker = x >= 10 && x < 18 && y >= 10 && y < 22;
            bool drawn = inMarker && overlay.IsOpaqueAt(x - 10, y - 10);
            ASSERT_EQ(buffer.PixelAt(x, y) == kWhite,
                      !drawn || overlay.PixelAt(x - 10, y - 10) == kWhite)
                << x << "," << y;
            if (drawn) {
                ASSERT_EQ(buffer.PixelAt(x, y), overlay.PixelAt(x - 10, y - 10));
            }
        }
}

TEST(GrafView, TextLiesInItsBoxInTheTextColour) {
    OffscreenBuffer buffer = WhiteBuffer(120, 40);
    PixelRect box;
    {
        OffscreenBuffer::Painting painting(buffer);
        GrafView& view = painting.View();
        view.SetFont("DejaVu Sans", 12, true);
        view.SetTextAlign(GrafView::AlignCenter | GrafView::AlignTop);
        view.SetTextColor(kRed);
        box = view.TextBox(60, 10, "Verdorf");
        view.TextOut(60, 10, "Verdorf");
    }
    EXPECT_EQ(box.top, 10);
    EXPECT_LE(std::abs((box.left + box.right) / 2 - 60), 1);
    EXPECT_GT(box.Width(), 30);
    EXPECT_GT(box.Height(), 10);
    int inside = 0, outside = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) {
            if (buffer.PixelAt(x, y) == kWhite) continue;
            // Antialiased edges are shades between red and white.
            EXPECT_EQ(buffer.PixelAt(x, y).r, 255);
            (box.Contains({x, y}) ? inside : outside)++;
        }
    EXPECT_GT(inside, 40);
    EXPECT_EQ(outside, 0);
}

TEST(OffscreenBuffer, SizesItRefuses) {
    OffscreenBuffer buffer;
    EXPECT_FALSE(buffer.Resize(0, 10));
    EXPECT_FALSE(buffer.Resize(10, -1));
    EXPECT_FALSE(buffer.Resize(100000, 100000));
    EXPECT_TRUE(buffer.IsNull());
    EXPECT_TRUE(buffer.Resize(7413, 2121)); // a whole map of 200 x 100 hexes
    EXPECT_EQ(buffer.Width(), 7413);
}

TEST(OffscreenBuffer, SavesAPngThatReadsBackTheSame) {
    OffscreenBuffer buffer = WhiteBuffer(20, 10);
    {
        OffscreenBuffer::Painting painting(buffer);
        painting.View().FillRect({3, 2, 9, 7}, GrafColor{10, 200, 30});
    }
    std::string path = TempPath("offscreen-test.png");
    ASSERT_TRUE(buffer.SavePng(path.c_str()));
    Bitmap back = Bitmap::LoadFile(path.c_str());
    ASSERT_EQ(back.Width(), 20);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(back.PixelAt(x, y), buffer.PixelAt(x, y));
    std::remove(path.c_str());
    EXPECT_FALSE(buffer.SavePng("/no/such/folder/out.png"));
    EXPECT_FALSE(OffscreenBuffer().SavePng(path.c_str()));
    EXPECT_EQ(std::fopen(path.c_str(), "rb"), nullptr);
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    OffscreenGui gui;
    return RUN_ALL_TESTS();
}
