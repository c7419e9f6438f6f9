#include "report/lines.h"

#include "base/wstream.h"
#include "report/linetype.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

// One character with CR LF and a lone CR read as a newline; counts the bytes taken so that
// the reader can step back exactly.
inline int NextChar(iwstream& is, int& taken) {
    int c = is.get();
    if (c < 0) return c;
    ++taken;
    if (c == '\r') {
        int d = is.get();
        if (d == '\n') {
            ++taken;
        } else if (d >= 0) {
            is.seekrel(-1);
        }
        return '\n';
    }
    return c;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Drops the blanks after the text of the physical line that begins at from; a line of blanks
// alone keeps them.
void DropTrailingBlanks(std::string& buffer, size_t from) {
    size_t end = buffer.size();
    while (end > from && IsBlank(buffer[end - 1]))
        --end;
    if (end > from) buffer.resize(end);
}

} // namespace

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

void read_line(iwstream& is, StrNode& node, int& indent, bool& regionFlag, bool& buildingFlag) {
    std::string buffer;
    buffer.reserve(80);
    int taken = 0;
    int c = NextChar(is, taken);
    if (c == '\n') {
        node.text.Set(nullptr);
        indent = 0;
        buildingFlag = false;
        return;
    }
    while (c >= 0) {
        size_t physicalStart = buffer.size();
        while (c >= 0 && c != '\n') {
            buffer.push_back(static_cast<char>(c));
            c = NextChar(is, taken);
        }
        DropTrailingBlanks(buffer, physicalStart);
        int type = GetLineType(buffer.c_str());
        if (type == LineType::Rule || type == LineType::Exits) {
            regionFlag = true;
            indent = 2;
        } else if (regionFlag && type == LineType::Building) {
            buildingFlag = true;
        }
        if (c < 0) break;

        taken = 0;
        int blanks = 0;
        c = NextChar(is, taken);
        while (c == ' ') {
            ++blanks;
            c = NextChar(is, taken);
        }
        if (buildingFlag && (c == '-' || c == '*')) indent = 2;
        if (blanks > indent && c >= 0 && c != '\n') {
            buffer.push_back(' ');
            continue;
        }
        // The next physical line stands alone: step back to its beginning.
        is.seekrel(-taken);
        break;
    }
    node.text = Str(std::string_view(buffer));
}

namespace {

// Reads the whole stream, up to one byte more than kMaxReportBytes.
std::vector<unsigned char> ReadAll(iwstream& is) {
    constexpr long kChunk = 64 * 1024;
    std::vector<unsigned char> text;
    for (long n = kChunk; n == kChunk && static_cast<long>(text.size()) <= kMaxReportBytes;) {
        size_t had = text.size();
        text.resize(had + kChunk);
        n = is.read(text.data() + had, kChunk);
        text.resize(had + static_cast<size_t>(n > 0 ? n : 0));
    }
    return text;
}

// The offsets at which physical lines begin, as NextChar ends them.
std::vector<size_t> LineStarts(const std::vector<unsigned char>& text, size_t from) {
    std::vector<size_t> starts{from};
    for (size_t i = from; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        if (text[i] == '\n' || text[i] == '\r') starts.push_back(i + 1);
    }
    return starts;
}

int LineAt(const std::vector<size_t>& starts, size_t offset) {
    return static_cast<int>(std::upper_bound(starts.begin(), starts.end(), offset) -
                            starts.begin());
}

int Fail(LinesFault* fault, LinesFault::Kind kind, int line = 0) {
    if (fault) *fault = LinesFault{kind, line};
    return -1;
}

void WriteDebugCopy(const StrList& lines, const char* debugFile) {
    std::string path = LinesDebugPath(debugFile);
    if (path.empty()) return;
    ofwstream out(path.c_str(), true, true);
    for (StrNode* n = lines.GetFirst(); n; n = n->Next()) {
        out.write(n->text.Get(), n->text.Length());
        out.put('\n');
    }
}

} // namespace

int SplitLines(iwstream& is, StrList& lines, const char* debugFile, LinesFault* fault) {
    if (fault) *fault = LinesFault{};
    // read_line steps back over the blanks that begin a line, which a pipe cannot do once
    // they left its buffer: the text is read whole first and split in memory.
    std::vector<unsigned char> text = ReadAll(is);
    if (static_cast<long>(text.size()) > kMaxReportBytes) return Fail(fault, LinesFault::TooLarge);
    int errors = is.rdstate() & 0x86;
    // Some editors put a UTF-8 byte-order mark in front of the text.
    static const unsigned char kBom[] = {0xEF, 0xBB, 0xBF};
    size_t begin = text.size() >= 3 && std::equal(kBom, kBom + 3, text.begin()) ? 3 : 0;
    std::vector<size_t> starts = LineStarts(text, begin);
    // The lines before a NUL byte are split; its own line and the rest are not.
    size_t end = text.size();
    int nulLine = 0;
    if (auto nul = std::find(text.begin() + static_cast<long>(begin), text.end(), 0);
        nul != text.end()) {
        nulLine = LineAt(starts, static_cast<size_t>(nul - text.begin()));
        end = starts[static_cast<size_t>(nulLine - 1)];
    }

    imwstream in(text.data() + begin, end - begin);
    int indent = 0;
    bool regionFlag = false, buildingFlag = false;
    while (in.good()) {
        // Nothing left: no trailing empty line for a report that ends with one.
        if (in.get() < 0) break;
        in.seekrel(-1);
        auto* node = new ReportLineNode(LineAt(starts, begin + in.Position()));
        read_line(in, *node, indent, regionFlag, buildingFlag);
        lines.List::Add(node);
    }
    WriteDebugCopy(lines, debugFile);
    if (nulLine) return Fail(fault, LinesFault::NulByte, nulLine);
    if (errors) {
        Fail(fault, LinesFault::ReadError);
        return errors;
    }
    return 0;
}

StrNode* NextEmptyLine(StrNode* node) {
    for (StrNode* n = node ? node->Next() : nullptr; n; n = n->Next())
        if (n->text.IsEmpty()) return n;
    return nullptr;
}
