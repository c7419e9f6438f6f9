// The string table of the error-message library: English descriptions of the codes, each
// under the identifier its lookup uses.
#include "errlex/errlex.h"

#include <algorithm>
#include <iterator>

namespace {

struct Row {
    unsigned id;
    const char* text;
};

// Identifier of each kind of code.
constexpr unsigned Exec(int code) {
    return static_cast<unsigned>(code + 1);
}
constexpr unsigned Volume(int code) {
    return static_cast<unsigned>(code + 50);
}
constexpr unsigned Sys(int code) {
    return static_cast<unsigned>(code + 50);
}
constexpr unsigned Dlg(int code) {
    return static_cast<unsigned>(code + 5000);
}

constexpr Row kRows[] = {
#include "errlex/errtexts_head.inc"
#include "errlex/errtexts_sys2.inc"
#include "errlex/errtexts_sys3.inc"
#include "errlex/errtexts_tail.inc"
};

constexpr bool StrictlyAscending() {
    for (size_t i = 1; i < std::size(kRows); ++i)
        if (kRows[i - 1].id >= kRows[i].id) return false;
    return true;
}
static_assert(StrictlyAscending(), "rows must be in ascending identifier order, each once");

} // namespace

const char* ErrlexString(unsigned id) {
    auto row = std::lower_bound(std::begin(kRows), std::end(kRows), id,
                                [](const Row& r, unsigned key) { return r.id < key; });
    return row != std::end(kRows) && row->id == id ? row->text : nullptr;
}
