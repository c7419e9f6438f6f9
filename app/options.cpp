#include "app/options.h"

#include "app/profile.h"

#include <cstring>

namespace {

constexpr const char* kOptions = "Options";
constexpr const char* kRightPane = "RightPane";
constexpr const char* kDefaultLanguage = "enu";
constexpr int kMaxValue = 1024;

// A language code longer than this names no file anyone would make.
constexpr size_t kMaxCodeLength = 32;

struct Flag {
    const char* key;
    bool DescrOptions::*field;
};

constexpr Flag kFlags[] = {
    {"bWantedOpen", &DescrOptions::bWantedOpen},
    {"bForSaleOpen", &DescrOptions::bForSaleOpen},
    {"bProductsOpen", &DescrOptions::bProductsOpen},
    {"bMyUnitsOpen", &DescrOptions::bMyUnitsOpen},
    {"bOtherUnitsOpen", &DescrOptions::bOtherUnitsOpen},
    {"bBuildingsOpen", &DescrOptions::bBuildingsOpen},
    {"bExitsOpen", &DescrOptions::bExitsOpen},
    {"bAlliedUnitsOpen", &DescrOptions::bAlliedUnitsOpen},
};

} // namespace

Options::Options() : language(kDefaultLanguage) {}

bool Options::IsLanguageCode(const char* code) {
    size_t n = code ? std::strlen(code) : 0;
    if (n == 0 || n > kMaxCodeLength) return false;
    for (size_t i = 0; i < n; ++i) {
        char c = code[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

void Options::Read(const ApplicationProfile& profile) {
    language = profile.GetString(kOptions, "Language", language.Get(), kMaxValue);
    if (!IsLanguageCode(language.Get())) language = kDefaultLanguage;
    lastDir = profile.GetString(kOptions, "LastDir", lastDir.Get(), kMaxValue);
    for (const Flag& flag : kFlags)
        headings.*flag.field = profile.GetInt(kRightPane, flag.key, headings.*flag.field) != 0;
}

void Options::Write(ApplicationProfile& profile) const {
    profile.WriteString(kOptions, "Language", language.Get());
    profile.WriteString(kOptions, "LastDir", lastDir.Get());
    for (const Flag& flag : kFlags)
        profile.WriteInt(kRightPane, flag.key, headings.*flag.field ? 1 : 0);
}
