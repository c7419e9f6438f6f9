#include "app/startup.h"

#include "app/globals.h"
#include "app/langfiles.h"

namespace {

constexpr const char* kBase = "vex";
constexpr const char* kLibraryExtension = ".so";
constexpr const char* kHelpExtension = ".html";

} // namespace

const char* GetApplicationName() {
    return "Vexlor";
}

void SetupLanguage(Str& code, HINSTANCE instance) {
    Str library = FindLangFile(instance, kBase, code, kLibraryExtension, true);
    Language.SetModule(library.IsEmpty() ? nullptr : DynLib::Load(library.Get()));

    Str helpCode = code;
    HelpFilePath = FindLangFile(instance, kBase, helpCode, kHelpExtension, false);
}
