#pragma once

#include <cstdint>
#include <vector>

// The rows of a list whose rows carry a number (a unit's, a faction's): their numbers in the
// list's order, and the row of a number.
template <class Row> std::vector<int32_t> Numbers(const std::vector<Row>& rows) {
    std::vector<int32_t> numbers;
    for (const Row& row : rows)
        numbers.push_back(row.number);
    return numbers;
}

template <class Row> const Row* Find(const std::vector<Row>& rows, int32_t number) {
    for (const Row& row : rows)
        if (row.number == number) return &row;
    return nullptr;
}
