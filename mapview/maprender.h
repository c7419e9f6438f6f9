#pragma once

class AtlMap;
class OffscreenBuffer;

// Paints plain z of map into buffer, made just large enough to show every stored hex once,
// as the map view paints it scrolled there. False when the buffer cannot be made.
bool RenderPlain(const AtlMap& map, int z, OffscreenBuffer& buffer);
