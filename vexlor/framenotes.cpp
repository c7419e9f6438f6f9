// The main window's notes and bookmarks: the note editor for the selected hex, its bookmark,
// and the Bookmarks menu's jumps.
#include "app/globals.h"
#include "base/cp1252.h"
#include "base/messagetext.h"
#include "map/atlmap.h"
#include "model/hexnotes.h"
#include "model/location.h"
#include "ui/notedialog.h"
#include "vexlor/framewindow.h"

namespace {

constexpr size_t kBookmarkEntries = CM_BOOKMARKLAST - CM_BOOKMARKFIRST + 1;

// "(0,32) Erisort: Buy horses here", the region where it is known and the note's first line.
std::string BookmarkText(const AtlCoord& c, const AtlMap& map, const HexNote& note) {
    std::string text = c.GetString().Get();
    const AtlHexData* hex = map.GetHex(c);
    if (hex && !hex->Location().regionName.IsEmpty()) {
        text += " ";
        text += hex->Location().regionName.Get();
    }
    std::vector<std::string_view> lines = NoteLines(note.text.View());
    if (!lines.empty()) {
        text += ": ";
        text += lines.front();
    }
    return Cp1252ToUtf8(text);
}

} // namespace

void FrameWindow::RegisterNoteCommands() {
    auto selected = [this] { return SelectedHex().has_value(); };
    OnCommand(
        CM_NOTEEDIT, [this] { CmNoteEdit(); }, selected);
    OnCommand(
        CM_NOTEBOOKMARK, [this] { CmNoteBookmark(); }, selected);
    for (size_t i = 0; i < kBookmarkEntries; ++i)
        OnCommand(
            CM_BOOKMARKFIRST + static_cast<unsigned>(i), [this, i] { CmGoToBookmark(i); },
            [this, i] { return i < bookmarks_.size(); });
}

std::optional<AtlCoord> FrameWindow::SelectedHex() const {
    for (const AtlCoord& c : map_->GetMap().SelectedHexes())
        if (c.z == map_->GetCurPlain()) return c;
    return std::nullopt;
}

void FrameWindow::CmNoteEdit() {
    std::optional<AtlCoord> c = SelectedHex();
    if (!c) return;
    const HexNote* note = Document().Extras().notes.Find(*c);
    Str text = note ? note->text : Str();
    Str caption =
        FormatMessageText(Language.Text(Msg::NoteEditorTitle).Get(), c->GetString().Get());
    if (!DNoteDialog(this, caption.Get(), Language.Text(Msg::NoteEditorPrompt).Get(), text,
                     HexNotes::kMaxLength))
        return;
    if (!doc_.SetNote(*c, text.View())) return;
    bool kept = Document().Extras().notes.HasText(*c);
    ShowNote(FormatMessageText(Language.Text(kept ? Msg::NoteSet : Msg::NoteRemoved).Get(),
                               c->GetString().Get()));
}

void FrameWindow::CmNoteBookmark() {
    std::optional<AtlCoord> c = SelectedHex();
    if (!c) return;
    const HexNote* note = Document().Extras().notes.Find(*c);
    doc_.SetBookmark(*c, !(note && note->IsBookmarked()));
}

void FrameWindow::CmGoToBookmark(size_t index) {
    if (index < bookmarks_.size()) GoTo(bookmarks_[index]);
    UpdateCommands();
}

void FrameWindow::UpdateBookmarksMenu() {
    const HexNotes& notes = Document().Extras().notes;
    std::vector<AtlCoord> all = notes.Bookmarks();
    bookmarks_.assign(all.begin(),
                      all.begin() + static_cast<long>(std::min(all.size(), kBookmarkEntries)));
    // Past the menu's room the last entry says how many more there are, and jumps nowhere.
    if (all.size() > kBookmarkEntries) bookmarks_.pop_back();
    std::vector<Str> texts;
    for (size_t i = 0; i < bookmarks_.size(); ++i)
        texts.emplace_back("&" + std::to_string(i + 1) + " " +
                           BookmarkText(bookmarks_[i], map_->GetMap(), *notes.Find(bookmarks_[i])));
    if (all.size() > kBookmarkEntries)
        texts.push_back(FormatMessageText(Language.Text(Msg::NoMoreBookmarks).Get(),
                                          std::to_string(all.size() - bookmarks_.size()).c_str()));
    SetMenuEntries(CM_NOTEEDIT, CM_BOOKMARKFIRST, texts);
    UpdateCommands();
}
