#include "model/hexnotes.h"

const HexNote* HexNotes::Find(const AtlCoord& c) const {
    auto it = notes_.find(c);
    return it == notes_.end() ? nullptr : &it->second;
}

bool HexNotes::HasText(const AtlCoord& c) const {
    const HexNote* note = Find(c);
    return note && !note->text.IsEmpty();
}

bool HexNotes::SetText(const AtlCoord& c, std::string_view text) {
    std::string kept = NoteText(text);
    if (kept.size() > kMaxLength) kept = NoteText(std::string_view(kept).substr(0, kMaxLength));
    auto it = notes_.find(c);
    if (it == notes_.end()) {
        if (kept.empty()) return false;
        notes_[c].text = Str(std::move(kept));
        return true;
    }
    if (it->second.text.View() == kept) return false;
    it->second.text = Str(std::move(kept));
    // A hex with neither a note nor a bookmark is not kept.
    if (it->second.text.IsEmpty() && !it->second.IsBookmarked()) notes_.erase(it);
    return true;
}

bool HexNotes::SetBookmark(const AtlCoord& c, bool bookmarked) {
    auto it = notes_.find(c);
    bool was = it != notes_.end() && it->second.IsBookmarked();
    if (was == bookmarked) return false;
    if (bookmarked) {
        notes_[c].flags |= HexNote::Bookmarked;
    } else {
        it->second.flags &= static_cast<uint8_t>(~HexNote::Bookmarked);
        if (it->second.text.IsEmpty()) notes_.erase(it);
    }
    return true;
}

std::vector<AtlCoord> HexNotes::Bookmarks() const {
    std::vector<AtlCoord> marked;
    for (const auto& [c, note] : notes_)
        if (note.IsBookmarked()) marked.push_back(c);
    return marked;
}

void HexNotes::Merge(const HexNotes& other) {
    for (const auto& [c, note] : other.notes_)
        if (!note.text.IsEmpty() || note.IsBookmarked()) notes_[c] = note;
}

std::string NoteText(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char ch = text[i];
        if (ch == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') continue;
            ch = '\n';
        }
        kept += ch;
    }
    size_t end = kept.find_last_not_of(" \t\n");
    kept.resize(end == std::string::npos ? 0 : end + 1);
    return kept;
}

std::string EscapedNote(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char ch : text) {
        switch (ch) {
        case '\n':
            escaped += "\\n";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\\':
            escaped += "\\\\";
            break;
        default:
            escaped += ch;
        }
    }
    return escaped;
}

std::vector<std::string_view> NoteLines(std::string_view text) {
    std::vector<std::string_view> lines;
    if (text.empty()) return lines;
    for (size_t from = 0;;) {
        size_t end = text.find('\n', from);
        lines.push_back(text.substr(from, end == std::string_view::npos ? end : end - from));
        if (end == std::string_view::npos) break;
        from = end + 1;
    }
    return lines;
}
