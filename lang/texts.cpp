// The English texts of the program. To make another language, copy this folder, set the
// language code in its CMakeLists.txt and translate the texts and the help page; the
// identifiers and the layout stay as they are. Texts are UTF-8.
#include "app/langres.h"
#include "base/messagetable.h"

#include <array>
#include <cstddef>
#include <iterator>

namespace {

// The string table is the program's English table as it stands (base/messagetable.h), so the
// library and the program's own fallback cannot drift apart. A translation lists its texts here
// instead, by the same numbers: {Msg::ProductName, "..."}, and so on.
constexpr auto kStrings = [] {
    std::array<VexStringRes, std::size(kMessageTable)> strings{};
    for (size_t i = 0; i < strings.size(); ++i)
        strings[i] = {static_cast<unsigned>(kMessageTable[i].id), kMessageTable[i].english};
    return strings;
}();

// Menu 1, the main window's menu bar. A null text is a separator; a key after a tab is the
// entry's shortcut.
const VexMenuItemRes kMainMenu[] = {
    {0, 0, "&File"},
    {1, 101, "&New\tCtrl+N"},
    {1, 102, "&Open\tCtrl+O"},
    {1, 103, "&Save\tCtrl+S"},
    {1, 104, "Sa&ve as...\tCtrl+Shift+S"},
    {1, 0, nullptr},
    {1, 105, "&Add report"},
    {1, 106, "&Export map..."},
    {1, 250, "Export se&lection..."},
    {1, 0, nullptr},
    {1, 230, "Add ally's &map..."},
    {1, 231, "Export for an all&y..."},
    {1, 0, nullptr},
    {1, 100, "E&xit\tCtrl+Q"},
    {0, 0, "&View"},
    {1, 200, "Plain &up\tAlt+Up"},
    {1, 201, "Plain &down\tAlt+Down"},
    {1, 0, nullptr},
    {1, 202, "Next turn\tAlt+Right"},
    {1, 203, "Prev turn\tAlt+Left"},
    {1, 204, "First turn\tAlt+Home"},
    {1, 205, "Last turn\tAlt+End"},
    {1, 0, nullptr},
    {1, 206, "&Find...\tCtrl+F"},
    {1, 207, "Turn &events...\tCtrl+E"},
    {1, 285, "&Changes..."},
    {1, 255, "&Minimap\tCtrl+M"},
    {1, 270, "F&action..."},
    {1, 271, "&Reference..."},
    {1, 232, "A&llies..."},
    {1, 295, "Uni&ts..."},
    {1, 296, "Faction&s..."},
    {1, 280, "Histor&y..."},
    {1, 290, "Clear trac&k"},
    {1, 0, nullptr},
    {1, 220, "Zoom &in\tCtrl++"},
    {1, 221, "Zoom &out\tCtrl+-"},
    {1, 222, "Actual si&ze\tCtrl+0"},
    {1, 223, "&Whole level"},
    {1, 0, nullptr},
    {1, 224, "Your units at &newest known places"},
    {1, 0, "S&hade"},
    {2, 240, "&None"},
    {2, 241, "&Wages"},
    {2, 242, "&Peasants"},
    {2, 243, "&Taxes"},
    {2, 244, "&Entertainment"},
    {2, 245, "An &item's amount or price..."},
    {2, 246, "&Last seen"},
    {2, 247, "Weather t&his month"},
    {2, 248, "Weather ne&xt month"},
    {2, 249, "&Factions"},
    {0, 0, "&Bookmarks"}, // the bookmarks are listed above the two commands
    {1, 260, "&Note...\tF2"},
    {1, 261, "&Bookmark this hex\tCtrl+B"},
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
    kStrings.data(),
    static_cast<int>(kStrings.size()),
    kMenus,
    static_cast<int>(std::size(kMenus)),
    kDialogs,
    static_cast<int>(std::size(kDialogs)),
};
