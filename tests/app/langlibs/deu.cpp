// A German language library as a translator makes one: the English texts translated.
#include "app/langres.h"

#include <iterator>

namespace {

const VexStringRes kStrings[] = {
    {1000, "Vexlor"},
    {1001, "Deutsch"},
    {1104, "Datei kann nicht geöffnet werden"},
};

const VexMenuItemRes kMainMenu[] = {
    {0, 0, "&Datei"},
    {1, 100, "&Beenden"},
    {0, 0, "\b&Hilfe"},
    {1, 903, "&Info..."},
};

const VexMenuRes kMenus[] = {{1, kMainMenu, static_cast<int>(std::size(kMainMenu))}};

const VexControlRes kAboutControls[] = {
    {VEX_CTEXT, -1, "Vexlor", 4, 12, 140, 10},
    {VEX_DEFPUSHBUTTON, 1, "OK", 49, 66, 50, 14},
};

const VexDialogRes kDialogs[] = {
    {300, "Info", "MS Sans Serif", 8, 148, 92, kAboutControls,
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
