#include "cli/commands.h"
#include "cli/docjson.h"
#include "model/docfile.h"
#include "model/vexlordoc.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

int RunDump(int argc, char** argv) {
    if (argc != 1) return Fail("usage: vexlor-cli dump DOC");
    const char* path = argv[0];
    VexlorDoc doc;
    errno = 0;
    DocReadResult result = OpenDocFile(doc, path);
    switch (result) {
    case DocCannotOpen:
        return Fail("%s: cannot open: %s", path, errno ? std::strerror(errno) : "not a file");
    case DocNotAFile:
        return Fail("%s: cannot open: not a regular file", path);
    case DocNotADocument:
        return Fail("%s: not a Vexlor document (its first bytes are not the document signature)",
                    path);
    case DocWrongVersion:
        return Fail("%s: document of another format version (this program reads version 1)", path);
    case DocRead:
    case DocReadFailed:
        break;
    }
    bool written =
        WriteDocJson(stdout, doc) && std::fputc('\n', stdout) != EOF && std::fflush(stdout) == 0;
    if (!written) return Fail("cannot write to standard output");
    if (result == DocReadFailed)
        return Fail("%s: truncated or unreadable document; printed what could be read", path);
    return 0;
}
