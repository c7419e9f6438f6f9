// The English texts of the program. To make another language, copy this folder, set the
// language code in its CMakeLists.txt and translate the quoted texts here and the help page;
// the identifiers and the layout stay as they are. Texts are UTF-8.
#include "app/langres.h"

#include <iterator>

namespace {

const VexStringRes kStrings[] = {
    {1000, "Vexlor"},
    {1001, "English"}, // the language's own name: a library without it is not used
    {1100, "File %s has changed.\n\nDo you want to save the changes?"},
    {1101, "This report is for turn (%s) which is already loaded. Rewrite old turn information?"},
    {1102, "This report is for another faction. You can not combine reports for different "
           "factions in one document."},
    {1103, "Unable to save document"},
    {1104, "Unable to open file"},
    {1105, "%s is not an Atlantis turn report."},
    {1106, "%s is empty."},
    {1107, "%s is for faction %s, the map is for faction %s."},
    {1108, "%s breaks off at line %s."},
    {1109, "%s cannot be opened: %s."},
    {1110, "%s could not be saved: %s. The old file is unchanged."},
    {1111, "%s is not a map document."},
    {1112, "%s was written by a newer version of Vexlor and cannot be read."},
    {1113, "%s is damaged or cut short: only the part before the damage was read."},
    {1114, "%s is for %s, which is already loaded. Replace the loaded turn?"},
    {1115, "%s: %s added."},
    {1116, "%s: %s replaced."},
    {1117, "%s: %s was already loaded and is kept."},
    {1118, "%s does not reach %s."},
    {1119, "%s could not be written: %s."},
    {1120, "Reports added: %s, replaced: %s, kept: %s, refused: %s."},
    {1121, "Go on with the other reports?"},
    {1122, "Refused:"},
    {1123, "Adding reports..."},
    {1124, "%s is not a regular file (a folder, a pipe or a device) and was not read."},
    {1125, "%s is larger than 64 MB, far more than any turn report, and was not read."},
    {1126, "%s: line %s holds a NUL byte; this is no plain-text turn report."},
    {1127, "%s: line %s names coordinates beyond 32767, which a map document cannot hold; the report was read up to that region."},
    {1128, "%s: line %s: more than 65,535 %s, the most a map document can hold; the report was not added."},
    {1129, "%s is read-only, so it was not changed."},
    {1130, "%s was changed by another program since it was read, so it was not changed: what that program saved is kept."},
    {1131, "%s is being changed by another program; it is unchanged."},
    {1132, "Save the map under another name?"},
    {1133, "%s is the map document itself; choose another file for the picture."},
    {1134, "%s is not a PNG picture and stays as it is; choose another file for the picture."},
    {1135, "Opening the map..."},
};

// Menu 1, the main window's menu bar. A null text is a separator; a key after a tab is the
// entry's shortcut.
const VexMenuItemRes kMainMenu[] = {
    {0, 0, "&File"},
    {1, 101, "&New\tCtrl+N"},
    {1, 102, "&Open\tCtrl+O"},
    {1, 103, "&Save\tCtrl+S"},
    {1, 104, "&SaveAs\tCtrl+Shift+S"},
    {1, 0, nullptr},
    {1, 105, "&Add report"},
    {1, 106, "&Export map..."},
    {1, 0, nullptr},
    {1, 100, "E&xit\tCtrl+Q"},
    {0, 0, "&View"},
    {1, 200, "Plain up"},
    {1, 201, "Plain down"},
    {1, 0, nullptr},
    {1, 202, "Next turn\tAlt+Right"},
    {1, 203, "Prev turn\tAlt+Left"},
    {1, 204, "First turn\tAlt+Home"},
    {1, 205, "Last turn\tAlt+End"},
    {1, 0, nullptr},
    {1, 206, "&Find...\tCtrl+F"},
    {1, 207, "Turn &events...\tCtrl+E"},
    {1, 0, nullptr},
    {1, 220, "Zoom &in\tCtrl++"},
    {1, 221, "Zoom &out\tCtrl+-"},
    {1, 222, "&Actual size\tCtrl+0"},
    {1, 223, "&Whole level"},
    {0, 0, "\b&Help"}, // "\b": at the right end of the menu bar
    {1, 901, "&Index\tF1"},
    {1, 902, "&Using help"},
    {1, 0, nullptr},
    {1, 903, "&About..."},
};

const VexMenuRes kMenus[] = {
    {1, kMainMenu, static_cast<int>(std::size(kMainMenu))},
};

// Dialog 300, the About box (148 by 92 dialog units).
const VexControlRes kAboutControls[] = {
    {VEX_CTEXT, -1, "Vexlor", 4, 12, 140, 10},
    {VEX_CTEXT, -1, "Version 1.0", 4, 26, 140, 10},
    {VEX_CTEXT, -1, "Copyright (C) 2025 the Vexlor developers", 4, 40, 140, 10},
    {VEX_DEFPUSHBUTTON, 1, "OK", 49, 66, 50, 14},
};

const VexDialogRes kDialogs[] = {
    {300, "About", "MS Sans Serif", 8, 148, 92, kAboutControls,
     static_cast<int>(std::size(kAboutControls))},
};

} // namespace

extern const VexLangRes kLanguageTables = {
    VEX_LANG_RES_VERSION,
    kStrings,
    static_cast<int>(std::size(kStrings)),
    kMenus,
    static_cast<int>(std::size(kMenus)),
    kDialogs,
    static_cast<int>(std::size(kDialogs)),
};
