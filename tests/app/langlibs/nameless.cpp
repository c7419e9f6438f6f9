// A library that looks like a language library but has no language name (string 1001).
#include "app/langres.h"

#include <iterator>

namespace {

const VexStringRes kStrings[] = {
    {1000, "Vexlor"},
    {1001, ""},
};

} // namespace

extern const VexLangRes kLanguageTables = {
    VEX_LANG_RES_VERSION, kStrings, static_cast<int>(std::size(kStrings)), nullptr, 0, nullptr, 0,
};
