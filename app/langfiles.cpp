#include "app/langfiles.h"

#include "app/hostpath.h"
#include "app/options.h"
#include "app/resources.h"

#include <algorithm>
#include <filesystem>
#include <string>

#include <fnmatch.h>

namespace {

constexpr unsigned kLanguageNameId = 1001;
constexpr const char* kDefaultCode = "enu";

// The file passes: it exists and, with check on, is a language library.
bool Passes(const Str& path, bool check) {
    if (path.IsEmpty()) return false;
    if (check) return IsLanguageLibrary(path.Get(), kLanguageNameId);
    std::error_code ec;
    return std::filesystem::is_regular_file(path.Get(), ec);
}

} // namespace

DirFileIterator::DirFileIterator(const char* directory, const char* pattern) {
    std::error_code ec;
    std::filesystem::directory_iterator it(directory && *directory ? directory : ".", ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (fnmatch(pattern, name.c_str(), 0) == 0) names_.emplace_back(name);
    }
    std::sort(names_.begin(), names_.end(),
              [](const Str& a, const Str& b) { return a.View() < b.View(); });
}

bool IsLanguageLibrary(const char* path, unsigned id, Str* name) {
    std::unique_ptr<DynLib> lib = DynLib::Load(path);
    if (!lib) return false;
    Str text = LoadStringA(lib.get(), id);
    if (name) *name = text;
    return !text.IsEmpty();
}

EnumLangFiles::EnumLangFiles(const char* directory, const char* pattern, int id) {
    std::string dir = directory && *directory ? directory : ".";
    DirFileIterator files(dir.c_str(), pattern);
    for (const Str& name : files.Names()) {
        std::string path = dir + "/" + name.Get();
        if (id != 0) {
            Str langName;
            if (!IsLanguageLibrary(path.c_str(), static_cast<unsigned>(id), &langName)) continue;
            langName_ = langName;
        }
        fileName_ = name;
        return;
    }
}

Str FindLangFile(HINSTANCE instance, const char* base, Str& code, const char* extension,
                 bool check) {
    Str candidate;
    if (Options::IsLanguageCode(code.Get())) {
        candidate = makehostpath_((Str(base) + code + extension).Get(), instance);
        if (Passes(candidate, check)) return candidate;
    }
    candidate = makehostpath_((Str(base) + kDefaultCode + extension).Get(), instance);
    if (Passes(candidate, check)) {
        code = kDefaultCode;
        return candidate;
    }

    Str directory = makehostpath_(".", instance);
    if (directory.IsEmpty()) return Str();
    // "???" narrowed to letters and digits: any file found gives a usable code.
    Str pattern = Str(base) + "[A-Za-z0-9][A-Za-z0-9][A-Za-z0-9]" + extension;
    EnumLangFiles found(directory.Get(), pattern.Get(), check ? kLanguageNameId : 0);
    if (!found.Found()) return Str();
    int baseLength = static_cast<int>(std::char_traits<char>::length(base));
    code = Str(found.FileName().Get(), baseLength, baseLength + 3);
    return directory + "/" + found.FileName();
}
