// What a language library exports besides the error-text functions. Nothing here changes
// from one language to another.
#include "app/langres.h"
#include "errlex/errlex.h"

extern const VexLangRes kLanguageTables;

extern "C" VEX_LANG_EXPORT const VexLangRes* vex_resources() {
    return &kLanguageTables;
}

// A language library carries no error texts of its own: its string table holds the window's
// texts, whose identifiers would otherwise be taken for error codes 950 to 1054. Codes take
// the fallback patterns of the error functions instead.
const char* ErrlexString(unsigned) {
    return nullptr;
}
