#include "doc/shownames.h"

#include "model/levelname.h"
#include "model/vexlordoc.h"

#include <filesystem>

TurnChoices ListTurnChoices(const VexlorDoc& doc, AtlDate shown, std::string_view fromEarlier) {
    TurnChoices list;
    const std::vector<AtlDate> months = doc.KnownMonths();
    if (months.empty()) return list;
    auto add = [&](AtlDate date, Str text) {
        list.dates.push_back(date);
        list.texts.push_back(std::move(text));
    };
    bool placed = false;
    for (AtlDate month : months) {
        if (!placed && shown <= month) {
            placed = true;
            list.shown = static_cast<int>(list.dates.size());
            if (shown != month) add(shown, shown.GetString() + std::string(fromEarlier).c_str());
        }
        add(month, month.GetString());
    }
    // After the last report (the controller keeps the month within the turns; a month
    // beyond them is named all the same).
    if (!placed) {
        list.shown = static_cast<int>(list.dates.size());
        add(shown, shown.GetString() + std::string(fromEarlier).c_str());
    }
    return list;
}

std::string ExportFileName(std::string_view docPath, std::string_view mapName, int z,
                           AtlDate date) {
    std::string name =
        docPath.empty() ? std::string(mapName) : std::filesystem::path(docPath).stem().string();
    name += ' ';
    name += LevelName(z);
    name += ' ';
    name += date.GetString().Get();
    std::string out;
    for (char c : name) {
        if (c == ',') continue;
        // Blanks and characters a file name had better not hold become one '-'.
        bool sep = c == ' ' || c == '/' || c == '\\' || c == '<' || c == '>' || c == ':';
        if (sep) {
            if (!out.empty() && out.back() != '-') out += '-';
        } else {
            out += c;
        }
    }
    return out + ".png";
}
