#include "model/atldate.h"

#include "base/wio.h"
#include "base/wstream.h"

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

int AtlDate::read(iwstream& is) {
    ReadI32(is, value_);
    return is.good() ? 0 : 1;
}

int AtlDate::write(owstream& os) const {
    WriteI32(os, value_);
    return os.good() ? 0 : 1;
}

int AtlFaction::read(iwstream& is) {
    ReadI32(is, number_);
    return is.good() ? 0 : 1;
}

int AtlFaction::write(owstream& os) const {
    WriteI32(os, number_);
    return os.good() ? 0 : 1;
}
