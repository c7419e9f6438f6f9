#include "base/messagetext.h"
#include "base/textutil.h"
#include "cli/clidoc.h"
#include "cli/commands.h"
#include "gfx/offscreen.h"
#include "gfx/offscreengui.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "map/shade.h"
#include "mapview/maprender.h"
#include "model/coordtext.h"

#include <cstring>
#include <string_view>

int RunRender(const CommandArgs& args) {
    const char* path = args.operands[0].c_str();
    const char* plainText = args.Value("--plain");
    const char* selectText = args.Value("--select");
    const char* outPath = args.Value("-o");
    const char* shadeText = args.Value("--shade");
    if (!outPath) return args.UsageError();

    ShadeChoice shade;
    if (shadeText) {
        // Like a bad option: the command cannot run as asked.
        switch (ParseShadeChoice(shadeText, shade)) {
        case ShadeParse::UnknownKey:
            FailMessage(Msg::BadShade, {shadeText, ShadeKeyWords()});
            return 2;
        case ShadeParse::MissingItem: {
            std::string_view key =
                std::string_view(shadeText).substr(0, std::strcspn(shadeText, ":"));
            FailMessage(Msg::ShadeNeedsItem, {key, key, ShadeKeyWords()});
            return 2;
        }
        case ShadeParse::Ok:
            break;
        }
    }

    long plain = 0;
    if (plainText) {
        auto level = ParseWhole(plainText, 0, 255);
        if (!level) return FailMessage(Msg::BadPlain, {plainText});
        plain = *level;
    }
    AtlCoord select;
    if (selectText) {
        // Without a level the coordinate lies on the plain drawn; with one it must name it.
        auto typed = ParseCoordText(selectText, LevelForms::NumbersOrWords);
        if (!typed || typed->z.value_or(plain) != plain)
            return FailMessage(Msg::BadSelection, {selectText});
        select = AtlCoord(typed->x, typed->y, static_cast<int>(plain));
    }

    DocController doc;
    // An empty document still gives a picture: the unknown level.
    if (OpenAtTurn(doc, path, args.Value("--turn")) == TurnShown::Failed) return 1;
    DocOutcome output = doc.CheckPictureOutput(outPath);
    if (output.kind != DocOutcomeKind::Done) return FailWith(output);

    AtlMap map;
    FormatMap(doc.Doc(), map, doc.ShownDate());
    if (selectText) {
        // Hexes lie where x and y are both even or both odd.
        if (select.x < 0 || select.y < 0 || (select.x + select.y) % 2 != 0)
            return FailMessage(Msg::SelectionOffMap, {selectText});
        map.SelectHex(select, true);
    }

    ShadeMap shades;
    if (shade.key != ShadeKey::None)
        shades = ShadeLevel(doc.Doc(), map, static_cast<int>(plain), shade,
                            [](int id, std::initializer_list<std::string_view> words) {
                                return EnglishMessage(id, words);
                            });
    OffscreenGui gui;
    OffscreenBuffer buffer;
    if (!RenderPlain(map, static_cast<int>(plain), buffer,
                     shade.key != ShadeKey::None ? &shades : nullptr))
        return FailMessage(Msg::PictureTooLarge);
    if (!buffer.SavePng(outPath)) return FailMessage(Msg::CannotWritePicture, {outPath});
    return 0;
}
