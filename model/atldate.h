#pragma once

#include "base/str.h"

#include <cstdint>

// A game date as a turn count: year * 12 + month, month 0 = January.
class AtlDate {
public:
    AtlDate() = default;
    AtlDate(int month, int year) : value_(year * 12 + month) {}
    explicit AtlDate(int value) : value_(value) {}

    int Value() const { return value_; }
    // "March, Year 5"
    Str GetString() const;
    auto operator<=>(const AtlDate&) const = default;
    AtlDate& operator+=(int months) {
        value_ += months;
        return *this;
    }

private:
    friend struct DocRecords;
    int32_t value_ = 0;
};

// A faction number as printed in the report; 0 when none is known.
class AtlFaction {
public:
    AtlFaction() = default;
    AtlFaction(int number) : number_(number) {}
    int Number() const { return number_; }
    auto operator<=>(const AtlFaction&) const = default;

private:
    friend struct DocRecords;
    int32_t number_ = 0;
};
