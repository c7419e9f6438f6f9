#include "doc/messagetexts.h"

#include <string>

namespace {

struct MessageEntry {
    int id;
    const char* text;
};

// The same texts as the English language library (lang/texts.cpp).
const MessageEntry kEnglishMessages[] = {
    {Msg::ProductName, "Vexlor"},
    {Msg::SaveChanges, "File %s has changed.\n\nDo you want to save the changes?"},
    {Msg::TurnLoaded,
     "This report is for turn (%s) which is already loaded. Rewrite old turn information?"},
    {Msg::OtherFaction, "This report is for another faction. You can not combine reports for "
                        "different factions in one document."},
    {Msg::CannotSave, "Unable to save document"},
    {Msg::CannotOpen, "Unable to open file"},
    {Msg::NotAReport, "%s is not an Atlantis turn report."},
    {Msg::ReportEmpty, "%s is empty."},
    {Msg::OtherFactionOf, "%s is for faction %s, the map is for faction %s."},
    {Msg::BreaksOff, "%s breaks off at line %s."},
    {Msg::CannotOpenFile, "%s cannot be opened: %s."},
    {Msg::SaveFailed, "%s could not be saved: %s. The old file is unchanged."},
    {Msg::NotAMapDocument, "%s is not a map document."},
    {Msg::UnknownVersion, "%s was written by a newer version of Vexlor and cannot be read."},
    {Msg::DocumentDamaged, "%s is damaged or cut short: only the part before the damage was read."},
    {Msg::ReplaceTurn, "%s is for %s, which is already loaded. Replace the loaded turn?"},
    {Msg::ReportAdded, "%s: %s added."},
    {Msg::ReportReplaced, "%s: %s replaced."},
    {Msg::ReportKept, "%s: %s was already loaded and is kept."},
    {Msg::NoSuchTurn, "%s does not reach %s."},
    {Msg::ExportFailed, "%s could not be written: %s."},
    {Msg::ReportsSummary, "Reports added: %s, replaced: %s, kept: %s, refused: %s."},
    {Msg::GoOn, "Go on with the other reports?"},
    {Msg::Refused, "Refused:"},
    {Msg::ProgressReports, "Adding reports..."},
    {Msg::NotAFile, "%s is not a regular file (a folder, a pipe or a device) and was not read."},
    {Msg::ReportTooLarge,
     "%s is larger than 64 MB, far more than any turn report, and was not read."},
    {Msg::NulByte, "%s: line %s holds a NUL byte; this is no plain-text turn report."},
    {Msg::CoordinateTooLarge, "%s: line %s names coordinates beyond 32767, which a map document "
                              "cannot hold; the report was read up to that region."},
    {Msg::ListTooLong, "%s: line %s: more than 65,535 %s, the most a map document can hold; the "
                       "report was not added."},
    {Msg::ReadOnly, "%s is read-only, so it was not changed."},
    {Msg::ChangedOnDisk, "%s was changed by another program since it was read, so it was not "
                         "changed: what that program saved is kept."},
    {Msg::Busy, "%s is being changed by another program; it is unchanged."},
    {Msg::SaveElsewhere, "Save the map under another name?"},
    {Msg::PictureIsTheDocument, "%s is the map document itself; choose another file for the picture."},
    {Msg::NotAPicture, "%s is not a PNG picture and stays as it is; choose another file for the picture."},
    {Msg::ProgressOpening, "Opening the map..."},
};

} // namespace

const char* EnglishMessage(int id) {
    for (const MessageEntry& m : kEnglishMessages)
        if (m.id == id) return m.text;
    return "";
}

Str FormatMessageText(const char* text, std::initializer_list<std::string_view> args) {
    std::string out;
    auto arg = args.begin();
    for (const char* p = text ? text : ""; *p; ++p) {
        if (p[0] == '%' && p[1] == '%') {
            out += '%';
            ++p;
        } else if (p[0] == '%' && p[1] == 's' && arg != args.end()) {
            out += *arg++;
            ++p;
        } else {
            out += *p;
        }
    }
    return Str(std::string_view(out));
}
