#pragma once

#include "app/dynlib.h"
#include "base/str.h"

#include <vector>

// A menu read from a language library, copied so that it outlives the library.
struct MenuItemDef {
    int depth = 0;   // 0: title on the menu bar; 1: its entry; 2: a submenu entry ...
    unsigned id = 0; // command identifier of an entry; 0 for titles and separators
    Str text;        // UTF-8; "&" marks the mnemonic, "\t" precedes the shortcut key shown
    bool separator = false;
};
using MenuTemplate = std::vector<MenuItemDef>;

// A dialog read from a language library, copied so that it outlives the library.
struct ControlDef {
    enum Kind { CText = 1, LText = 2, PushButton = 3, DefPushButton = 4 };
    Kind kind = CText;
    int id = 0;
    Str text;
    int x = 0, y = 0, cx = 0, cy = 0; // dialog units
};
struct DialogTemplate {
    Str caption;
    Str font;
    int pointSize = 8;
    int cx = 0, cy = 0; // dialog units
    std::vector<ControlDef> controls;
};

// String id of the module, at most size - 1 characters (1023 when size is 0 or less); empty
// when the module, its tables or the string are missing.
Str LoadStringA(HINSTANCE module, unsigned id, int size = 0);
// Menu id of the module; empty when missing or malformed.
MenuTemplate LoadMenuTemplate(HINSTANCE module, unsigned id);
// Dialog id of the module; false when missing or malformed.
bool LoadDialogTemplate(HINSTANCE module, unsigned id, DialogTemplate& dialog);
