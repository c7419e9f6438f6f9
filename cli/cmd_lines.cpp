#include "base/strlist.h"
#include "base/wstream.h"
#include "cli/commands.h"
#include "report/lines.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

int RunLines(int argc, char** argv) {
    if (argc != 1) return Fail("usage: vexlor-cli lines REPORT");
    const char* path = argv[0];
    ifwstream in(path, 64 * 1024);
    if (!in.good()) return Fail("%s: cannot open: %s", path, std::strerror(errno));
    StrList lines;
    LinesFault fault;
    int result = SplitLines(in, lines, nullptr, &fault);
    if (fault.kind == LinesFault::NulByte) return Fail("%s: a NUL byte in line %d", path, fault.line);
    if (fault.kind == LinesFault::TooLarge) return Fail("%s: larger than 64 MB", path);
    if (result != 0) return Fail("%s: read error", path);
    for (StrNode* n = lines.GetFirst(); n; n = n->Next()) {
        std::fwrite(n->text.Get(), 1, static_cast<size_t>(n->text.Length()), stdout);
        std::fputc('\n', stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : Fail("cannot write to standard output");
}
