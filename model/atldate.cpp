#include "model/atldate.h"

#include <string>

namespace {
const char* const kMonthNames[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};
}

Str AtlDate::GetString() const {
    int month = value_ % 12;
    int year = value_ / 12;
    Str text;
    if (month >= 0) text += kMonthNames[month];
    text += ", Year ";
    text += std::to_string(year).c_str();
    return text;
}
