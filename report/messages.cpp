#include "report/messages.h"

namespace {

struct MessageEntry {
    int id;
    const char* text;
};

const MessageEntry kEnglishMessages[] = {
    {Msg::ProductName, "Vexlor"},
    {Msg::SaveChanges, "File %s has changed.\n\nDo you want to save the changes?"},
    {Msg::TurnLoaded,
     "This report is for turn (%s) which is already loaded. Rewrite old turn information?"},
    {Msg::OtherFaction, "This report is for another faction. You can not combine reports for "
                        "different factions in one document."},
    {Msg::CannotSave, "Unable to save document"},
    {Msg::CannotOpen, "Unable to open file"},
};

} // namespace

const char* EnglishMessage(int id) {
    for (const MessageEntry& m : kEnglishMessages)
        if (m.id == id) return m.text;
    return "";
}

Str FormatMessageText(const char* text, const char* arg) {
    std::string out;
    bool argUsed = false;
    for (const char* p = text ? text : ""; *p; ++p) {
        if (p[0] == '%' && p[1] == '%') {
            out += '%';
            ++p;
        } else if (p[0] == '%' && p[1] == 's' && !argUsed) {
            out += arg ? arg : "";
            argUsed = true;
            ++p;
        } else {
            out += *p;
        }
    }
    return Str(std::string_view(out));
}
