#include "base/messagetext.h"

#include <string>

const char* EnglishMessage(int id) {
    for (const MessageRow& row : kMessageTable)
        if (row.id == id) return row.english;
    return "";
}

Str EnglishMessage(int id, std::initializer_list<std::string_view> args) {
    return FormatMessageText(EnglishMessage(id), args);
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
