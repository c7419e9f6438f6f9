#include "base/inputfile.h"
#include "base/messagetext.h"
#include "cli/commands.h"
#include "report/reportlines.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

int RunLines(const CommandArgs& args) {
    const char* path = args.operands[0].c_str();
    InputFile file(path, kMaxReportBytes);
    switch (file.GetResult()) {
    case InputFile::CannotOpen:
        return Fail(
            "%s", EnglishMessage(Msg::LinesCannotOpen, {path, std::strerror(file.Error())}).Get());
    case InputFile::NotRegular:
        return Fail("%s", EnglishMessage(Msg::LinesNotAFile, {path}).Get());
    case InputFile::TooLarge:
        return Fail("%s", EnglishMessage(Msg::LinesTooLarge, {path}).Get());
    case InputFile::Opened:
        break;
    }
    ReportLines lines;
    LinesFault fault;
    int result = lines.Read(file.Stream(), &fault);
    if (fault.kind == LinesFault::NulByte)
        return Fail("%s",
                    EnglishMessage(Msg::LinesNulByte, {path, std::to_string(fault.line)}).Get());
    if (fault.kind == LinesFault::TooLarge)
        return Fail("%s", EnglishMessage(Msg::LinesTooLarge, {path}).Get());
    if (result != 0) return Fail("%s", EnglishMessage(Msg::LinesReadError, {path}).Get());
    for (const ReportLine* n = lines.First(); n; n = n->Next())
        for (int i = n->Times(); i > 0; --i) {
            std::fwrite(n->text.Get(), 1, static_cast<size_t>(n->text.Length()), stdout);
            std::fputc('\n', stdout);
        }
    return std::fflush(stdout) == 0 ? 0 : Fail("%s", EnglishMessage(Msg::CannotWriteOutput));
}
