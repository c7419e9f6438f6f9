#include "app/lang.h"

#include "base/messagetext.h"

#include <cstring>
#include <string>

Lang::~Lang() {
    SetModule(nullptr, false);
}

void Lang::SetModule(HINSTANCE module, bool owns) {
    if (owns_ && module_ != module) delete module_;
    module_ = module;
    owns_ = owns && module;
}

void Lang::SetModule(std::unique_ptr<DynLib> module) {
    SetModule(module.get(), true);
    module.release();
}

Str Lang::LoadStringA(unsigned id, int size) const {
    return ::LoadStringA(module_, id, size);
}

MenuTemplate Lang::LoadMenuA(unsigned id) const {
    return LoadMenuTemplate(module_, id);
}

bool Lang::LoadDialogA(unsigned id, DialogTemplate& dialog) const {
    return LoadDialogTemplate(module_, id, dialog);
}

Str Lang::Text(int id) const {
    Str text = LoadStringA(static_cast<unsigned>(id));
    return text.IsEmpty() ? Str(EnglishMessage(id)) : text;
}

Str LangWithError::Call(const char* name, const char* decorated, const char* underscored,
                        int code) const {
    using ErrorTextFn = const char* (*)(int);
    HINSTANCE module = GetHModule();
    auto fn =
        module ? reinterpret_cast<ErrorTextFn>(module->SymbolAnyOf({name, decorated, underscored}))
               : nullptr;
    const char* text = fn ? fn(code) : nullptr;
    // The library's buffer holds 256 characters; more is not trusted.
    if (text) return Str(std::string_view(text, strnlen(text, 256)));
    return Str("Error #" + std::to_string(code));
}

Str LangWithError::strerror(int code) const {
    return Call("wk_strerror", "wk_strerror@4", "_wk_strerror@4", code);
}

Str LangWithError::strerror_GetVolumeLabel(int code) const {
    return Call("wk_strerror_GetVolumeLabel", "wk_strerror_GetVolumeLabel@4",
                "_wk_strerror_GetVolumeLabel@4", code);
}

Str LangWithError::strerror_Execute(int code) const {
    return Call("wk_strerror_Execute", "wk_strerror_Execute@4", "_wk_strerror_Execute@4", code);
}

Str LangWithError::strerror_CommDlg(long code) const {
    return Call("wk_strerror_CommDlg", "wk_strerror_CommDlg@4", "_wk_strerror_CommDlg@4",
                static_cast<int>(code));
}
