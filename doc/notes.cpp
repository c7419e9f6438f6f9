// The document controller's work on the player's notes and bookmarks.
#include "doc/doccontroller.h"

bool DocController::SetNote(const AtlCoord& c, std::string_view text) {
    if (!doc_.Extras().notes.SetText(c, text)) return false;
    doc_.SetModified(true);
    Changed();
    return true;
}

bool DocController::SetBookmark(const AtlCoord& c, bool bookmarked) {
    if (!doc_.Extras().notes.SetBookmark(c, bookmarked)) return false;
    doc_.SetModified(true);
    Changed();
    return true;
}
