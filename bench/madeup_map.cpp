// Writes the benchmarks' made-up settled world (madeupdoc.h) to a map file, so that a long game
// can be opened and looked at in the window:  vexlor-madeup TURNS OUT.atl
#include "madeupdoc.h"

#include "base/textutil.h"
#include "model/docfile.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    const std::optional<long> turns = argc == 3 ? ParseWhole(argv[1], 1, 10000) : std::nullopt;
    if (!turns) {
        std::fprintf(stderr, "usage: vexlor-madeup TURNS OUT.atl  (TURNS from 1 to 10000)\n");
        return 2;
    }
    auto doc = BuildDoc(static_cast<int>(*turns));
    int error = 0;
    if (SaveDocFile(*doc, argv[2], &error) != DocSaved) {
        std::fprintf(stderr, "%s: %s\n", argv[2], std::strerror(error));
        return 1;
    }
    return 0;
}
