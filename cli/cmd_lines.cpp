#include "base/inputfile.h"
#include "base/strlist.h"
#include "cli/commands.h"
#include "report/lines.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

int RunLines(const CommandArgs& args) {
    const char* path = args.operands[0].c_str();
    InputFile file(path, kMaxReportBytes);
    switch (file.GetResult()) {
    case InputFile::CannotOpen:
        return Fail("%s: cannot open: %s", path, std::strerror(file.Error()));
    case InputFile::NotRegular:
        return Fail("%s: cannot open: not a regular file", path);
    case InputFile::TooLarge:
        return Fail("%s: larger than 64 MB", path);
    case InputFile::Opened:
        break;
    }
    StrList lines;
    LinesFault fault;
    int result = SplitLines(file.Stream(), lines, nullptr, &fault);
    if (fault.kind == LinesFault::NulByte)
        return Fail("%s: a NUL byte in line %d", path, fault.line);
    if (fault.kind == LinesFault::TooLarge) return Fail("%s: larger than 64 MB", path);
    if (result != 0) return Fail("%s: read error", path);
    for (StrNode* n = lines.GetFirst(); n; n = n->Next()) {
        std::fwrite(n->text.Get(), 1, static_cast<size_t>(n->text.Length()), stdout);
        std::fputc('\n', stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : Fail("cannot write to standard output");
}
