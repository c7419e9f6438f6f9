#pragma once

#include "base/messagetable.h"
#include "base/str.h"

#include <initializer_list>
#include <string_view>

// The English text of a message number (base/messagetable.h); empty for a number without one.
const char* EnglishMessage(int id);
// The English text of id with its "%s" filled by args, as FormatMessageText does.
Str EnglishMessage(int id, std::initializer_list<std::string_view> args);

// text with its "%s" replaced by the arguments in turn ("%%" gives "%"); no other directive is
// interpreted, so a translated text cannot make the formatting read past its arguments.
Str FormatMessageText(const char* text, std::initializer_list<std::string_view> args);
inline Str FormatMessageText(const char* text, const char* arg) {
    return FormatMessageText(text, {std::string_view(arg ? arg : "")});
}
