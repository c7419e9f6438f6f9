#pragma once

#include <cstdio>
#include <string>
#include <string_view>

class TurnExtras;
class TurnNode;
class VexlorDoc;

// The document as JSON, keys in record order, lists in document order, numbers as stored:
// {"faction": N, "turns": [{"date": RAW, "dateText": "...", "text": "...", "factions": [...],
// "locations": [...]}]}. Texts are read as Windows-1252 and written as UTF-8. What a turn kept
// beyond its records (exits, gate, weather, own units' details, events) follows the keys of the
// record it belongs to, and only where it was kept. A map holding allies' maps adds
// "allies": [{"faction": N, "name": "...", "turns": [...]}], by faction, after "turns".

// Appends a JSON string (quotes included) for a Windows-1252 text.
void AppendJsonText(std::string& out, std::string_view cp1252);
// Appends one turn object, with what was kept of the turn beyond its records (none: null).
void AppendTurnJson(std::string& out, const TurnNode& turn, const TurnExtras* kept = nullptr);
// Appends the whole document as one line (no line end).
void AppendDocJson(std::string& out, const VexlorDoc& doc);
// Writes the same one turn at a time, so that a large document needs no large buffer and a turn
// that has not made its objects makes them only for its part; false when writing failed.
bool WriteDocJson(std::FILE* out, const VexlorDoc& doc);
