#pragma once

#include "app/globals.h"
#include "base/cp1252.h"
#include "base/messagetext.h"
#include "base/str.h"

#include <QString>

#include <initializer_list>
#include <string>
#include <string_view>

// Texts of the language library are UTF-8; these carry them to Qt and back.
inline QString ToQt(const char* text) {
    return QString::fromUtf8(text ? text : "");
}
inline QString ToQt(const Str& text) {
    return ToQt(text.Get());
}
inline Str FromQt(const QString& text) {
    return Str(text.toUtf8().constData());
}

// Texts of reports and documents are Windows-1252 (base/cp1252.h), as vexlor-cli reads them.
inline QString ReportToQt(const char* text) {
    return QString::fromStdString(Cp1252ToUtf8(text ? text : ""));
}
inline Str ReportFromQt(const QString& text) {
    return Str(Utf8ToCp1252(text.toStdString()).c_str());
}

// A text of the window by its number (base/messagetable.h), in the language in use, with its
// "%s" filled by args.
inline QString WindowText(int id, std::initializer_list<std::string_view> args = {}) {
    return ToQt(FormatMessageText(Language.Text(id).Get(), args));
}
// How many lines a search found: "Nothing found", the text for one, or the text for more.
inline QString FoundText(size_t count, int oneId, int someId) {
    return count == 0   ? WindowText(Msg::NothingFound)
           : count == 1 ? WindowText(oneId)
                        : WindowText(someId, {std::to_string(count)});
}
