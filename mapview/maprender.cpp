#include "mapview/maprender.h"

#include "gfx/offscreen.h"
#include "map/atlmap.h"
#include "map/hexgeometry.h"
#include "map/scrolldata.h"
#include "map/storedarea.h"
#include "mapview/mappainter.h"

bool RenderPlain(const AtlMap& map, int z, OffscreenBuffer& buffer) {
    // A level the map holds nothing of is one unknown hex.
    const AtlPlain* plain = map.GetPlain(z);
    HexArea area = plain ? StoredArea(*plain, plain->WrapWidth()) : HexArea();
    if (!buffer.Resize(area.PixelWidth(), area.PixelHeight())) return false;
    HexGeometry geometry(area.wrapWidth);
    ScrollData scroll;
    scroll.column = area.column;
    scroll.row = area.row;
    MapPainter painter(map, geometry);
    OffscreenBuffer::Painting painting(buffer);
    painter.Draw(painting.View(), {0, 0, buffer.Width(), buffer.Height()}, z, scroll);
    return true;
}
