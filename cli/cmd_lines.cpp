#include "base/inputfile.h"
#include "cli/commands.h"
#include "report/reportlines.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

int RunLines(int argc, char** argv) {
    if (argc != 1) return Fail("usage: vexlor-cli lines REPORT");
    const char* path = argv[0];
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
    ReportLines lines;
    LinesFault fault;
    int result = lines.Read(file.Stream(), &fault);
    if (fault.kind == LinesFault::NulByte)
        return Fail("%s: a NUL byte in line %d", path, fault.line);
    if (fault.kind == LinesFault::TooLarge) return Fail("%s: larger than 64 MB", path);
    if (result != 0) return Fail("%s: read error", path);
    for (const ReportLine* n = lines.First(); n; n = n->Next()) {
        std::fwrite(n->text.Get(), 1, static_cast<size_t>(n->text.Length()), stdout);
        std::fputc('\n', stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : Fail("cannot write to standard output");
}
