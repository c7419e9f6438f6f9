#pragma once

class VexlorDoc;

// A document with every field of every record filled, modelled on real reports (faction 3,
// Red Wolves): two turns, a city with market and units, a ship, an exit-only neighbour, an
// unknown terrain on another level with Windows-1252 letters, quotes, a backslash and a control
// character in its texts, and a turn with nothing in it.
void FillSampleDoc(VexlorDoc& doc);
