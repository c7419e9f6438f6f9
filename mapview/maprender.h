#pragma once

class AtlMap;
class OffscreenBuffer;

// Paints plain z of map into buffer, made just large enough to show every stored hex once,
// borders and town names whole, as the map view paints it scrolled there (a name reaching
// beyond the first or last column widens the picture by as much). False when the buffer
// cannot be made.
bool RenderPlain(const AtlMap& map, int z, OffscreenBuffer& buffer);
