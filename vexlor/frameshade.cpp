// View, Shade: the value the map is shaded by, kept in the profile.
#include "vexlor/framewindow.h"

#include "app/globals.h"
#include "base/messagetext.h"
#include "map/shade.h"
#include "ui/choicedialog.h"
#include "ui/messagebox.h"
#include "vexlor/appmessage.h"

#include <string>
#include <vector>

namespace {

// The commands of the keys that need no item, by their key.
constexpr struct {
    unsigned command;
    ShadeKey key;
} kShadeCommands[] = {
    {CM_VIEWSHADENONE, ShadeKey::None},
    {CM_VIEWSHADEWAGES, ShadeKey::Wages},
    {CM_VIEWSHADEPEASANTS, ShadeKey::Peasants},
    {CM_VIEWSHADETAXES, ShadeKey::Taxes},
    {CM_VIEWSHADEENTERTAINMENT, ShadeKey::Entertainment},
    {CM_VIEWSHADEAGE, ShadeKey::Age},
    {CM_VIEWSHADEWEATHER, ShadeKey::Weather},
    {CM_VIEWSHADEWEATHERNEXT, ShadeKey::WeatherNext},
    {CM_VIEWSHADEFACTIONS, ShadeKey::Factions},
};

// The item keys in the order the choice lists them, with their words.
constexpr struct {
    ShadeKey key;
    int words;
} kItemKeys[] = {
    {ShadeKey::Product, Msg::ShadeProduct},
    {ShadeKey::Sale, Msg::ShadeSale},
    {ShadeKey::Wanted, Msg::ShadeWanted},
};

} // namespace

void FrameWindow::RegisterShadeCommands() {
    for (const auto& entry : kShadeCommands)
        OnCommand(entry.command, [this, key = entry.key] { ShowShade({key, ""}); });
    OnCommand(CM_VIEWSHADEITEM, [this] { CmViewShadeItem(); });
    ShadeChoice kept;
    // A value that makes no sense is no shading.
    if (ParseShadeChoice(Profile.GetString("Options", "Shade", "none", 256).Get(), kept) !=
        ShadeParse::Ok)
        kept = {};
    ShowShade(kept);
}

void FrameWindow::ShowShade(const ShadeChoice& choice) {
    map_->SetShade(choice);
    std::string text = ShadeChoiceText(choice);
    if (Profile.GetString("Options", "Shade", "none", 256) != text.c_str())
        Profile.WriteString("Options", "Shade", text.c_str());
    for (const auto& entry : kShadeCommands)
        SetCommandChecked(entry.command, entry.key == choice.key);
    SetCommandChecked(CM_VIEWSHADEITEM, ShadeNeedsItem(choice.key));
}

void FrameWindow::CmViewShadeItem() {
    std::vector<ShadeChoice> offered;
    std::vector<Str> words;
    int current = 0;
    for (const auto& kind : kItemKeys)
        for (const ShadeItem& item : ShadeItems(map_->GetMap(), kind.key)) {
            Str name = item.abbr.IsEmpty() ? item.name : item.name + " [" + item.abbr + "]";
            ShadeChoice choice{
                kind.key, std::string(item.abbr.IsEmpty() ? item.name.View() : item.abbr.View())};
            if (choice == map_->GetShade()) current = static_cast<int>(offered.size());
            offered.push_back(choice);
            words.push_back(FormatMessageText(Language.Text(kind.words).Get(), {name.View()}));
        }
    if (offered.empty()) {
        DMessageBox(this, Language.Text(Msg::ShadeNoItems).Get(), ProductName().Get(),
                    MB_OK | MB_ICONINFORMATION);
        ShowShade(map_->GetShade()); // the menu's mark as it was
        return;
    }
    int chosen = DChoiceDialog(this, Language.Text(Msg::ShadeItemTitle).Get(),
                               Language.Text(Msg::ShadeItemItem).Get(), words, current);
    ShowShade(chosen >= 0 ? offered[static_cast<size_t>(chosen)] : map_->GetShade());
}
