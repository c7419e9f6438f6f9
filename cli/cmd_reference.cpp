#include "cli/clidoc.h"
#include "cli/commands.h"

#include <cstdio>

namespace {

// Like find: 0 something matched, 1 nothing did, 2 the document could not be read.
constexpr int kMatched = 0;
constexpr int kNoMatch = 1;
constexpr int kTrouble = 2;

} // namespace

// One block per description, blocks apart by an empty line: "KIND\tTITLE\tMONTH" (the month
// whose report gave the text), then the text as the report wrote it, wrapped lines joined.
int RunReference(const CommandArgs& args) {
    const char* path = args.operands[0].c_str();
    const std::string text = args.operands.size() > 1 ? args.operands[1] : std::string();
    DocController doc;
    if (!OpenDocument(doc, path)) return kTrouble;
    std::vector<const Reference*> found = doc.Doc().Extras().references.Matching(text);
    for (const Reference* entry : found) {
        if (entry != found.front()) std::fputc('\n', stdout);
        std::printf("%s\t%s\t%s\n%s\n", ReferenceKindName(entry->kind),
                    ReferenceTitle(*entry).Get(), entry->date.GetString().Get(), entry->text.Get());
    }
    if (std::fflush(stdout) != 0) return FailMessage(Msg::CannotWriteOutput), kTrouble;
    return found.empty() ? kNoMatch : kMatched;
}
