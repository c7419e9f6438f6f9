#include "report/reportlines.h"

#include "base/wstream.h"
#include "report/linetype.h"
#include "report/wholeness.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <new>
#include <system_error>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// Finds where physical lines end: CR LF and a lone CR end a line as LF does. Reports without
// a CR are searched for LF alone, which memchr does many bytes at a time.
class LineEnds {
public:
    LineEnds(const char* begin, const char* end)
        : end_(end), withCr_(std::memchr(begin, '\r', static_cast<size_t>(end - begin))) {}

    // The end of the physical line that starts at p: its line break, or the end of the text.
    const char* From(const char* p) const {
        if (!withCr_) {
            const void* lf = std::memchr(p, '\n', static_cast<size_t>(end_ - p));
            return lf ? static_cast<const char*>(lf) : end_;
        }
        while (p < end_ && !IsLineEnd(*p))
            ++p;
        return p;
    }

    // The length of the line break at p (p before the end of the text).
    size_t BreakLength(const char* p) const {
        return p[0] == '\r' && p + 1 < end_ && p[1] == '\n' ? 2 : 1;
    }

private:
    const char* end_;
    bool withCr_;
};

// lineEnd when only blanks stand from p to it, else null.
const char* BlanksOnlyTo(const char* p, const char* lineEnd) {
    while (p < lineEnd && IsBlank(*p))
        ++p;
    return p == lineEnd ? lineEnd : nullptr;
}

// Whether the line at p begins with a blank and holds more than blanks.
bool IndentedTextAt(const char* p, const char* stop) {
    if (p >= stop || *p != ' ') return false;
    while (p < stop && IsBlank(*p))
        ++p;
    return p < stop && !IsLineEnd(*p);
}

// The start of the physical line that holds p.
size_t LineStartOf(const char* text, size_t begin, size_t p) {
    while (p > begin && !IsLineEnd(text[p - 1]))
        --p;
    return p;
}

int Fail(LinesFault* fault, LinesFault::Kind kind, int line = 0) {
    if (fault) *fault = LinesFault{kind, line};
    return -1;
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

int ReportLine::Times() const {
    if (type != LineType::Empty) return 1;
    return static_cast<int>(const_cast<ReportLine*>(this)->After()->line - line);
}

void ReportLines::ReadAll(iwstream& is) {
    // Memory input tells its size, so that it is copied once; a file is read in growing steps,
    // which the allocator grows in place where it can.
    size_t capacity = std::max<size_t>(is.Buffered(), 64 * 1024) + 1;
    constexpr auto kLimit = static_cast<size_t>(kMaxReportBytes) + 1;
    buffer_.reset(static_cast<char*>(std::malloc(capacity)));
    if (!buffer_) throw std::bad_alloc();
    size_ = 0;
    while (size_ < kLimit) {
        if (size_ + 1 == capacity) {
            // Full: one more byte says whether the text goes on.
            int c = is.get();
            if (c < 0) break;
            capacity = std::min(2 * capacity, kLimit + 1);
            Resize(capacity);
            buffer_.get()[size_++] = static_cast<char>(c);
            continue;
        }
        long want = static_cast<long>(std::min(capacity - 1, kLimit) - size_);
        long n = is.read(buffer_.get() + size_, want);
        size_ += static_cast<size_t>(n > 0 ? n : 0);
        if (n != want) break;
    }
}

void ReportLines::Resize(size_t size) {
    char* grown = static_cast<char*>(std::realloc(buffer_.get(), size));
    if (!grown) throw std::bad_alloc();
    (void)buffer_.release();
    buffer_.reset(grown);
}

int ReportLines::Read(iwstream& is, LinesFault* fault) {
    if (fault) *fault = LinesFault{};
    count_ = last_ = 0;
    lastLine_ = 0;
    // Reading whole first also serves pipes: a line's indent is known only after its break.
    ReadAll(is);
    if (size_ > static_cast<size_t>(kMaxReportBytes)) {
        buffer_.reset();
        size_ = 0;
        return Fail(fault, LinesFault::TooLarge);
    }
    // The end of the input is no error here; a failed read or a missing channel is.
    int errors = is.rdstate() & (wstream::IoError | wstream::NoChannel);
    const char* text = buffer_.get();
    // Some editors put a UTF-8 byte-order mark in front of the text.
    static const char kBom[] = "\xEF\xBB\xBF";
    size_t begin = size_ >= 3 && std::equal(kBom, kBom + 3, text) ? 3 : 0;
    // The lines before a NUL byte are split; its own line and the rest are not.
    size_t end = size_;
    bool nul = false;
    if (const void* at = std::memchr(text + begin, 0, end - begin)) {
        nul = true;
        end = LineStartOf(text, begin, static_cast<size_t>(static_cast<const char*>(at) - text));
    }
    padded_ = IsMailPadded(text + begin, end - begin);
    int linesSplit = Split(begin, end);
    endLine_ = linesSplit + 1;
    if (nul) return Fail(fault, LinesFault::NulByte, linesSplit + 1);
    if (errors) {
        Fail(fault, LinesFault::ReadError);
        return errors;
    }
    return 0;
}

namespace {

// At most how many entries the text between begin and stop makes: one a physical line that is
// not empty, one a run of empty lines.
size_t EntriesAtMost(const char* p, const char* stop) {
    LineEnds ends(p, stop);
    size_t entries = 0;
    bool inRun = false;
    while (p < stop) {
        const char* lineEnd = ends.From(p);
        bool empty = lineEnd == p;
        if (!empty || !inRun) ++entries;
        inRun = empty;
        p = lineEnd < stop ? lineEnd + ends.BreakLength(lineEnd) : stop;
    }
    return entries;
}

// The head of an entry for a line that begins on the physical line `line`.
ReportLine* BeginEntry(char* at, int line) {
    auto* entry = new (at) ReportLine;
    entry->line = static_cast<uint32_t>(line);
    entry->type = LineType::Empty;
    return entry;
}

} // namespace

int ReportLines::Split(size_t begin, size_t end) {
    // The entries are written from the start of the buffer while the text, moved to its end,
    // is read: an entry is its text (joined lines only lose bytes, and its NUL takes the place
    // of the break) and a 4-byte head, so the writing stays behind the reading when the text
    // is moved on by the heads of all the entries.
    constexpr size_t kHead = offsetof(ReportLine, text);
    const size_t length = end - begin;
    const size_t shift = kHead * (EntriesAtMost(buffer_.get() + begin, buffer_.get() + end) + 2);
    Resize(shift + length + 1);
    char* const buffer = buffer_.get();
    std::memmove(buffer + shift, buffer + begin, length);
    const char* p = buffer + shift;
    const char* const stop = p + length;
    char* out = buffer;
    LineEnds ends(p, stop);
    // The reading state from line to line: how deep a continuation must be indented, whether
    // a region block was seen, whether units are listed under a building.
    int indent = 0;
    bool regionFlag = false, buildingFlag = false;
    int physical = 1;
    bool inRun = false; // the last entry is a run of empty lines
    const size_t keywordLength = LongestLineKeyword();
    const ReportLine* previous = nullptr; // the entry before the line read
    while (p < stop) {
        ++count_;
        const char* emptyEnd = IsLineEnd(*p) ? p
                               : padded_     ? BlanksOnlyTo(p, ends.From(p))
                                             : nullptr;
        // Padded or not, blanks inside a region's details (around the nexus's description)
        // stand: after an indented line or the rule, before an indented line.
        if (emptyEnd && emptyEnd != p && previous &&
            (previous->text.Get()[0] == ' ' || previous->type == LineType::Rule) &&
            emptyEnd < stop && IndentedTextAt(emptyEnd + ends.BreakLength(emptyEnd), stop))
            emptyEnd = nullptr;
        if (emptyEnd) {
            const char* next = emptyEnd < stop ? emptyEnd + ends.BreakLength(emptyEnd) : stop;
            if (!inRun) {
                last_ = static_cast<size_t>(out - buffer);
                previous = reinterpret_cast<const ReportLine*>(out);
                BeginEntry(out, physical);
                out += kHead;
                *out++ = 0;
                inRun = true;
            }
            lastLine_ = physical;
            indent = 0;
            buildingFlag = false;
            ++physical;
            p = next;
            continue;
        }
        inRun = false;
        last_ = static_cast<size_t>(out - buffer);
        lastLine_ = physical;
        ReportLine* entry = BeginEntry(out, physical);
        previous = entry;
        out += kHead;
        // The logical line is joined from its parts: each loses the blanks after its text, and
        // a continuation takes the place of the break and indent before it as one blank.
        char* const start = out;
        int type = LineType::Ordinary;
        for (;;) {
            const char* partEnd = ends.From(p);
            // Blanks after the text of a part go, as mail programs add them; a part of blanks
            // alone stays as it is.
            const char* textEnd = partEnd;
            while (textEnd > p && IsBlank(textEnd[-1]))
                --textEnd;
            if (textEnd == p) textEnd = partEnd;
            size_t partLength = static_cast<size_t>(textEnd - p);
            std::memmove(out, p, partLength);
            // Past the longest keyword, what a part adds cannot change the line's type.
            bool typed = static_cast<size_t>(out - start) >= keywordLength;
            out += partLength;
            const char* next = partEnd < stop ? partEnd + ends.BreakLength(partEnd) : nullptr;
            *out = 0;
            if (!typed) type = GetLineType(start);
            if (type == LineType::Rule || type == LineType::Exits) {
                regionFlag = true;
                indent = 2;
            } else if (regionFlag && type == LineType::Building) {
                buildingFlag = true;
            }
            if (!next) {
                p = stop;
                break;
            }
            ++physical;
            const char* after = next;
            while (after < stop && *after == ' ')
                ++after;
            // Looking ahead past the end of the text ends the split, as it always has: a last
            // line of blanks without a break, or one ended by a CR that is the text's last
            // byte, is not a line of its own.
            if ((after == stop && after > next) || (after + 1 == stop && *after == '\r')) {
                p = stop;
                break;
            }
            char c = after < stop ? *after : 0;
            if (buildingFlag && (c == '-' || c == '*')) indent = 2;
            if (after - next > indent && after < stop && !IsLineEnd(c)) {
                *out++ = ' ';
                p = after;
                continue;
            }
            p = next;
            break;
        }
        entry->type = static_cast<uint32_t>(type);
        ++out; // past the NUL
    }
    // The entry that ends the lines says where the last run of empty lines ends.
    ReportLine* tail = BeginEntry(out, physical);
    tail->type = ReportLine::kEndType;
    out += kHead;
    *out++ = 0;
    // The text is all in the entries now: what lies after them goes back.
    size_ = static_cast<size_t>(out - buffer);
    Resize(size_);
    return physical - 1;
}

void ReportLines::WriteDebugCopy(const char* debugFile) const {
    std::string path = LinesDebugPath(debugFile);
    if (path.empty()) return;
    ofwstream out(path.c_str(), true, true);
    for (const ReportLine* n = count_ > 0 ? At(0) : nullptr; n; n = n->Next())
        for (int i = n->Times(); i > 0; --i) {
            out.write(n->text.Get(), n->text.Length());
            out.put('\n');
        }
}
