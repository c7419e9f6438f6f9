#include "report/lines.h"

#include "base/wstream.h"
#include "report/linetype.h"

#include <string>
#include <vector>

namespace {

// One character with a CR-LF pair read as a newline; counts the bytes taken so that the
// reader can step back exactly.
inline int NextChar(iwstream& is, int& taken) {
    int c = is.get();
    if (c < 0) return c;
    ++taken;
    if (c == '\r') {
        int d = is.get();
        if (d == '\n') {
            ++taken;
            return '\n';
        }
        if (d >= 0) is.seekrel(-1);
    }
    return c;
}

// The line number of a place in the text, counting forward from the last place asked about;
// a CR-LF pair, LF or a lone CR ends a line.
class LineCounter {
public:
    explicit LineCounter(const std::vector<unsigned char>& text) : text_(text) {}
    int LineAt(const unsigned char* at) {
        size_t end = static_cast<size_t>(at - text_.data());
        for (; counted_ < end && counted_ < text_.size(); ++counted_) {
            unsigned char c = text_[counted_];
            bool crAlone =
                c == '\r' && (counted_ + 1 >= text_.size() || text_[counted_ + 1] != '\n');
            if (c == '\n' || crAlone) ++line_;
        }
        return line_;
    }

private:
    const std::vector<unsigned char>& text_;
    size_t counted_ = 0;
    int line_ = 1;
};

} // namespace

int read_line(iwstream& is, StrNode& node, int& indent, bool& regionFlag, bool& buildingFlag) {
    std::string buffer;
    buffer.reserve(80);
    int taken = 0;
    int c = NextChar(is, taken);
    bool firstCharacter = true;
    while (c >= 0) {
        if (c == '\n') {
            if (!firstCharacter) return -1; // blanks alone where a continuation was due
            node.text.Set(nullptr);
            indent = 0;
            buildingFlag = false;
            return 0;
        }
        while (c >= 0 && c != '\n') {
            buffer.push_back(static_cast<char>(c));
            c = NextChar(is, taken);
        }
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
        if (blanks > indent) {
            buffer.push_back(' ');
            firstCharacter = false;
            continue;
        }
        // The next physical line stands alone: step back to its beginning.
        is.seekrel(-taken);
        break;
    }
    node.text = Str(std::string_view(buffer));
    return 0;
}

int SplitLines(iwstream& is, StrList& lines, const char* debugFile, int* failedLine) {
    // read_line steps back over the blanks that begin a line, which a pipe cannot do once
    // they left its buffer: the text is read whole first and split in memory.
    constexpr long kChunk = 64 * 1024;
    std::vector<unsigned char> text;
    for (long n = kChunk; n == kChunk;) {
        size_t had = text.size();
        text.resize(had + kChunk);
        n = is.read(text.data() + had, kChunk);
        text.resize(had + static_cast<size_t>(n > 0 ? n : 0));
    }
    int errors = is.rdstate() & 0x86;
    imwstream in(text.data(), text.size());
    int indent = 0;
    bool regionFlag = false, buildingFlag = false;
    LineCounter counter(text);
    while (in.good()) {
        // Nothing left: no trailing empty line for a report that ends with one.
        if (in.get() < 0) break;
        in.seekrel(-1);
        auto* node = new StrNode();
        node->line = counter.LineAt(in.Cursor());
        if (read_line(in, *node, indent, regionFlag, buildingFlag) != 0) {
            if (failedLine) *failedLine = counter.LineAt(in.Cursor() - 1);
            delete node;
            return -1;
        }
        lines.List::Add(node);
    }
    if (debugFile) {
        ofwstream out(debugFile, true, true);
        for (StrNode* n = lines.GetFirst(); n; n = n->Next()) {
            out.write(n->text.Get(), n->text.Length());
            out.put('\n');
        }
    }
    return errors;
}

StrNode* NextEmptyLine(StrNode* node) {
    for (StrNode* n = node ? node->Next() : nullptr; n; n = n->Next())
        if (n->text.IsEmpty()) return n;
    return nullptr;
}
