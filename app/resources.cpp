#include "app/resources.h"

#include "app/langres.h"

#include <cstring>

namespace {

// A library's tables, or null when it has none or they are of another layout.
const VexLangRes* TablesOf(HINSTANCE module) {
    if (!module) return nullptr;
    auto fn = reinterpret_cast<VexResourcesFn>(module->Symbol(VEX_RESOURCES_NAME));
    const VexLangRes* res = fn ? fn() : nullptr;
    return res && res->version == VEX_LANG_RES_VERSION ? res : nullptr;
}

// Counts from a library are trusted no further than this.
constexpr int kMaxEntries = 100000;

bool CountOk(const void* table, int count) {
    return count == 0 || (table && count > 0 && count <= kMaxEntries);
}

} // namespace

Str LoadStringA(HINSTANCE module, unsigned id, int size) {
    const VexLangRes* res = TablesOf(module);
    if (!res || !CountOk(res->strings, res->stringCount)) return Str();
    if (size <= 0) size = 1024;
    for (int i = 0; i < res->stringCount; ++i) {
        const VexStringRes& row = res->strings[i];
        if (row.id != id || !row.text) continue;
        return Str(std::string_view(row.text, strnlen(row.text, static_cast<size_t>(size - 1))));
    }
    return Str();
}

MenuTemplate LoadMenuTemplate(HINSTANCE module, unsigned id) {
    const VexLangRes* res = TablesOf(module);
    if (!res || !CountOk(res->menus, res->menuCount)) return {};
    for (int m = 0; m < res->menuCount; ++m) {
        const VexMenuRes& menu = res->menus[m];
        if (menu.id != id) continue;
        if (!CountOk(menu.items, menu.count)) return {};
        MenuTemplate items;
        int depth = -1;
        for (int i = 0; i < menu.count; ++i) {
            const VexMenuItemRes& item = menu.items[i];
            // An entry deeper than one below the one before it has no menu to go in.
            if (item.depth < 0 || item.depth > depth + 1) return {};
            depth = item.depth;
            MenuItemDef def;
            def.depth = item.depth;
            def.id = item.id;
            def.separator = item.text == nullptr;
            def.text = item.text;
            items.push_back(std::move(def));
        }
        return items;
    }
    return {};
}

bool LoadDialogTemplate(HINSTANCE module, unsigned id, DialogTemplate& dialog) {
    const VexLangRes* res = TablesOf(module);
    if (!res || !CountOk(res->dialogs, res->dialogCount)) return false;
    for (int d = 0; d < res->dialogCount; ++d) {
        const VexDialogRes& dlg = res->dialogs[d];
        if (dlg.id != id) continue;
        if (!CountOk(dlg.controls, dlg.count) || dlg.cx <= 0 || dlg.cy <= 0) return false;
        DialogTemplate out;
        out.caption = dlg.caption;
        out.font = dlg.font;
        out.pointSize = dlg.pointSize > 0 ? dlg.pointSize : 8;
        out.cx = dlg.cx;
        out.cy = dlg.cy;
        for (int i = 0; i < dlg.count; ++i) {
            const VexControlRes& c = dlg.controls[i];
            if (c.kind < VEX_CTEXT || c.kind > VEX_DEFPUSHBUTTON) return false;
            ControlDef def;
            def.kind = static_cast<ControlDef::Kind>(c.kind);
            def.id = c.id;
            def.text = c.text;
            def.x = c.x;
            def.y = c.y;
            def.cx = c.cx;
            def.cy = c.cy;
            out.controls.push_back(std::move(def));
        }
        dialog = std::move(out);
        return true;
    }
    return false;
}
