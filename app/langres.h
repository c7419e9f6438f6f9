#pragma once

// How a language library hands its texts to the program. The library exports one function,
// vex_resources, that returns its tables; every text is UTF-8. A translator copies the English
// library's folder and translates its texts; this layout stays as it is.
//
// Plain C types only: the program and the library may be built by different compilers.

extern "C" {

enum { VEX_LANG_RES_VERSION = 1 };

struct VexStringRes {
    unsigned id;
    const char* text;
};

// One entry of a menu, in display order. Depth 0 is a title on the menu bar, depth 1 an entry
// of the menu under the last title (depth 2 a submenu entry, and so on). A null text is a
// separator. A title that begins with "\b" stands at the right end of the menu bar; a tab in
// an entry's text separates the shortcut key shown beside it ("&Index\tF1").
struct VexMenuItemRes {
    int depth;
    unsigned id;
    const char* text;
};

struct VexMenuRes {
    unsigned id;
    const VexMenuItemRes* items;
    int count;
};

enum VexControlKind {
    VEX_CTEXT = 1,         // centred static text
    VEX_LTEXT = 2,         // left-aligned static text
    VEX_PUSHBUTTON = 3,    // push button
    VEX_DEFPUSHBUTTON = 4, // push button taken by Enter
};

// Positions and sizes are in dialog units: a quarter of the average character width across,
// an eighth of the character height down.
struct VexControlRes {
    int kind;
    int id;
    const char* text;
    int x, y, cx, cy;
};

struct VexDialogRes {
    unsigned id;
    const char* caption;
    const char* font;
    int pointSize;
    int cx, cy;
    const VexControlRes* controls;
    int count;
};

struct VexLangRes {
    int version; // VEX_LANG_RES_VERSION
    const VexStringRes* strings;
    int stringCount;
    const VexMenuRes* menus;
    int menuCount;
    const VexDialogRes* dialogs;
    int dialogCount;
};

typedef const VexLangRes* (*VexResourcesFn)(void);

} // extern "C"

#define VEX_RESOURCES_NAME "vex_resources"

// Marks vex_resources for export from a library built with hidden symbols.
#define VEX_LANG_EXPORT __attribute__((visibility("default")))
