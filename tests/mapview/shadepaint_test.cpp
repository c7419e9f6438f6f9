#include "gfx/offscreen.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "map/hexgeometry.h"
#include "map/scrolldata.h"
#include "map/shade.h"
#include "map/storedarea.h"
#include "mapview/maprender.h"
#include "mapview/shadepaint.h"
#include "model/docfile.h"
#include "model/vexlordoc.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

Str Words(int id, std::initializer_list<std::string_view>) {
    Str text = "text ";
    text.AppendNumber(id);
    return text;
}

// The tint laid over a pixel of the terrain.
GrafColor Blend(GrafColor under, GrafColor tint) {
    auto mix = [](int a, int b) { return (b * kShadeAlpha + a * (255 - kShadeAlpha)) / 255; };
    return {static_cast<uint8_t>(mix(under.r, tint.r)), static_cast<uint8_t>(mix(under.g, tint.g)),
            static_cast<uint8_t>(mix(under.b, tint.b))};
}

bool Near(GrafColor a, GrafColor b) {
    return std::abs(a.r - b.r) <= 3 && std::abs(a.g - b.g) <= 3 && std::abs(a.b - b.b) <= 3;
}

struct World {
    VexlorDoc doc;
    AtlMap map;
    World() {
        EXPECT_EQ(OpenDocFile(doc, VEXLOR_WORLD_DOC), DocRead) << VEXLOR_WORLD_DOC;
        FormatMap(doc, map, doc.LastTurn()->date);
    }
    ShadeMap Shade(const char* text, int z = 0) const {
        ShadeChoice choice;
        EXPECT_EQ(ParseShadeChoice(text, choice), ShadeParse::Ok);
        return ShadeLevel(doc, map, z, choice, Words);
    }
};

} // namespace

// Each hex with a class is its terrain under the class's tint; every other pixel of the
// picture is as without shading, and the legend beside it shows each class's colour.
TEST(ShadePaint, RenderTintsTheClassedHexesAndAddsTheLegend) {
    World world;
    for (const char* key : {"wages", "weather", "age"}) {
        SCOPED_TRACE(key);
        ShadeMap shade = world.Shade(key);
        ASSERT_GT(shade.ShadedCount(), 100u);
        OffscreenBuffer plain, shaded;
        ASSERT_TRUE(RenderPlain(world.map, 0, plain));
        ASSERT_TRUE(RenderPlain(world.map, 0, shaded, &shade));
        ASSERT_GT(shaded.Width(), plain.Width() + 40) << "the legend stands beside the hexes";
        ASSERT_GE(shaded.Height(), plain.Height());

        const AtlPlain& level = *world.map.GetPlain(0);
        HexArea area = StoredArea(level, level.WrapWidth());
        HexGeometry geometry(area.wrapWidth);
        ScrollData scroll;
        scroll.column = area.column;
        scroll.row = area.row;
        // Names of the first column may widen the picture on the left.
        const int beside = plain.Width() - (area.PixelWidth() + 1);
        int tinted = 0, untouched = 0;
        for (const HexPlace& p :
             geometry.PlacesIn({0, 0, area.PixelWidth(), area.PixelHeight()}, scroll, 0)) {
            if (p.corner.x < 0) continue; // the last column again, beside the first
            // Right of the middle: off the town names and the markers.
            int x = p.corner.x + beside + 36, y = p.corner.y + 14;
            if (x < 0 || x >= plain.Width() || y >= plain.Height()) continue;
            GrafColor before = plain.PixelAt(x, y), after = shaded.PixelAt(x, y);
            if (const ShadeRow* row = shade.ClassOf(p.hex)) {
                EXPECT_TRUE(Near(after, Blend(before, ShadeColour(*row))))
                    << p.hex.x << "," << p.hex.y;
                ++tinted;
            } else {
                EXPECT_EQ(after, before) << p.hex.x << "," << p.hex.y;
                ++untouched;
            }
        }
        EXPECT_GT(tinted, 100);
        if (std::string(key) != "age") {
            EXPECT_GT(untouched, 0);
        }
        for (const ShadeRow& row : shade.Rows()) {
            bool found = false;
            for (int y = 0; y < shaded.Height() && !found; ++y)
                for (int x = plain.Width(); x < shaded.Width() && !found; ++x)
                    found = shaded.PixelAt(x, y) == ShadeColour(row);
            EXPECT_TRUE(found) << "no swatch for " << row.text.Get();
        }
    }
}

// Classes that must be told apart on the map have colours that are.
TEST(ShadePaint, ClassesOfOneLegendHaveDistinctColours) {
    World world;
    for (const char* key : {"peasants", "weather", "factions", "age"}) {
        ShadeMap shade = world.Shade(key);
        for (size_t i = 0; i < shade.Rows().size(); ++i)
            for (size_t j = i + 1; j < shade.Rows().size(); ++j)
                EXPECT_FALSE(ShadeColour(shade.Rows()[i]) == ShadeColour(shade.Rows()[j]))
                    << key << ": " << shade.Rows()[i].text.Get() << " and "
                    << shade.Rows()[j].text.Get();
    }
}
