// The player's notes on hexes from the command line: listed, and written one at a time.
#include "base/cp1252.h"
#include "cli/clidoc.h"
#include "cli/commands.h"
#include "model/coordtext.h"
#include "model/hexnotes.h"

#include <cstdio>
#include <string>

namespace {

// How long note waits for another program that is changing the same document.
constexpr int kLockWaitMs = 30000;

} // namespace

int RunNotes(const CommandArgs& args) {
    DocController doc;
    if (!OpenDocument(doc, args.operands[0].c_str())) return 1;
    for (const auto& [c, note] : doc.Doc().Extras().notes.All()) {
        if (note.text.IsEmpty()) continue; // a bookmark alone
        std::printf("%d,%d,%d\t%s\n", c.x, c.y, c.z,
                    Cp1252ToUtf8(EscapedNote(note.text.View())).c_str());
    }
    return std::fflush(stdout) == 0 ? 0 : FailMessage(Msg::CannotWriteOutput);
}

int RunNote(const CommandArgs& args) {
    const char* docPath = args.operands[0].c_str();
    const char* coordText = args.operands[1].c_str();
    auto typed = ParseCoordText(coordText, LevelForms::NumbersOrNames);
    if (!typed) return FailMessage(Msg::BadCoordinate, {coordText});
    AtlCoord coord(typed->x, typed->y, typed->z.value_or(0));
    if ((coord.x + coord.y) % 2 != 0) return FailMessage(Msg::OddCoordinate, {coordText});
    // Typed in the terminal's UTF-8, kept as the document's texts are.
    std::string text = NoteText(Utf8ToCp1252(args.operands[2]));
    if (text.size() > HexNotes::kMaxLength)
        return FailMessage(Msg::NoteTooLong,
                           {std::to_string(text.size()), std::to_string(HexNotes::kMaxLength)});

    // One writer at a time, as add: another program's change is read before this one is made.
    DocController doc;
    DocOutcome reserved = doc.Reserve(docPath, kLockWaitMs);
    if (reserved.kind != DocOutcomeKind::Done) return FailWith(reserved);
    if (!OpenDocument(doc, docPath)) return 1;
    if (!doc.SetNote(coord, text)) return 0; // the note was that already
    if (DocOutcome links = doc.CheckLinks(docPath); links.kind == DocOutcomeKind::LinksSplit)
        FailWith(links);
    DocOutcome saved = doc.Save();
    return saved.kind == DocOutcomeKind::Done ? 0 : FailWith(saved);
}
