#include "report/lines.h"

#include "report/linewalk.h"
#include "report/reportlines.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

std::string LinesDebugPath(const char* debugFile) {
    if (!debugFile || !*debugFile) return {};
    if (std::strchr(debugFile, '/')) return debugFile;
    std::filesystem::path folder;
    // A relative value is to be ignored, as the desktop's folder rules say.
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && cache[0] == '/')
        folder = cache;
    else if (const char* home = std::getenv("HOME"); home && home[0] == '/')
        folder = std::filesystem::path(home) / ".cache";
    else
        return {};
    folder /= "vexlor";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return {};
    return (folder / debugFile).string();
}

int ReportLineNumber(const StrNode* node) {
    auto* line = dynamic_cast<const ReportLineNode*>(node);
    return line ? line->line : 0;
}

int SplitLines(iwstream& is, StrList& lines, const char* debugFile, LinesFault* fault) {
    ReportLines split;
    LinesFault local;
    LinesFault& why = fault ? *fault : local;
    int result = split.Read(is, &why);
    if (why.kind == LinesFault::TooLarge) return result;
    for (const ReportLine* n = split.First(); n; n = n->Next()) {
        auto* node = new ReportLineNode(n->line);
        node->text = Str(n->text.View());
        lines.List::Add(node);
    }
    split.WriteDebugCopy(debugFile);
    return result;
}

StrNode* NextEmptyLine(StrNode* node) {
    return NextEmpty(node);
}
