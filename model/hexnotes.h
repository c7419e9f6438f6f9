#pragma once

#include "base/str.h"
#include "model/atlcoord.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// What the player keeps on one hex: a note of a few lines and a bookmark. It belongs to the hex,
// not to a turn, so it shows whatever turn is on show.
struct HexNote {
    enum Flags : uint8_t { Bookmarked = 1 };
    Str text; // lines separated by '\n', in the document's 8-bit text; empty for a bookmark alone
    uint8_t flags = 0;

    bool IsBookmarked() const { return (flags & Bookmarked) != 0; }
};

// The player's notes and bookmarks of a document, by hex (DocExtras::notes). Stored in the
// extension area ("NOTE", model/notechunk.h), where a reader of version 1 never looks.
class HexNotes {
public:
    // The longest note kept: a few lines are the point, and the file's texts hold no more
    // than 65,534 bytes anyway.
    static constexpr size_t kMaxLength = 4000;

    bool IsEmpty() const { return notes_.empty(); }
    void Clear() { notes_.clear(); }
    // Every hex with a note or a bookmark, ordered by level, y, x.
    const std::map<AtlCoord, HexNote>& All() const { return notes_; }
    // The hex's note and bookmark; null when it has neither.
    const HexNote* Find(const AtlCoord& c) const;
    bool HasText(const AtlCoord& c) const;

    // Sets the note of hex c to text as NoteText keeps it, cut at kMaxLength bytes; an empty
    // text removes the note and keeps the bookmark. False when the note was that already.
    bool SetText(const AtlCoord& c, std::string_view text);
    bool SetBookmark(const AtlCoord& c, bool bookmarked);
    // The bookmarked hexes, ordered by level, y, x.
    std::vector<AtlCoord> Bookmarks() const;
    // Takes every note and bookmark of other in, other's winning at the same hex.
    void Merge(const HexNotes& other);

private:
    friend struct DocRecords;
    std::map<AtlCoord, HexNote> notes_;
};

// A typed text as a note keeps it: line breaks of any system as '\n', blanks and empty lines at
// the end dropped. All blanks: empty.
std::string NoteText(std::string_view text);
// The note on one line for a script: a line break as "\n", a tab as "\t", a backslash as "\\".
std::string EscapedNote(std::string_view text);
// The lines of a note.
std::vector<std::string_view> NoteLines(std::string_view text);
