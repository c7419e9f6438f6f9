#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

class iwstream;

// The name of the debug copy of the last report's logical lines.
inline constexpr const char* kLinesDebugFile = "lines01.deb";

// The largest report read: far above any real one (the game master's whole world is some
// megabytes), low enough that a file picked by mistake cannot exhaust memory.
inline constexpr long kMaxReportBytes = 64L * 1024 * 1024;

// Where debugFile goes: a bare name into the user's cache folder ($XDG_CACHE_HOME/vexlor/,
// else ~/.cache/vexlor/, made when missing), a path as it stands. Empty when no cache folder
// is known or it cannot be made: then no copy is written.
std::string LinesDebugPath(const char* debugFile);

// Why splitting stopped before the end of the text.
struct LinesFault {
    enum Kind { None, NulByte, TooLarge, ReadError };
    Kind kind = None;
    int line = 0; // the physical line, for NulByte
};

// The text of a logical line: it stands in the buffer of its ReportLines right after the
// line's number and type, ended by a NUL there so that the line scanners can read it as a C
// string.
class [[gnu::packed]] LineText {
public:
    const char* Get() const { return text_; }
    bool IsEmpty() const { return text_[0] == 0; }
    int Length() const { return static_cast<int>(std::strlen(text_)); }
    std::string_view View() const { return {text_}; }

private:
    char text_[1]; // the first byte; the rest of the text follows it
};

// A logical line of a report, walked like a list node. The lines of one ReportLines lie one
// after another in its buffer, each a 4-byte head and its text, so that a report of
// one-character lines costs no more than a few times its size; a run of empty lines is one
// entry (the reading sees one paragraph break however many there are).
class [[gnu::packed]] ReportLine {
public:
    ReportLine* Next() { return After()->type == kEndType ? nullptr : After(); }
    const ReportLine* Next() const { return const_cast<ReportLine*>(this)->Next(); }
    // How many lines of the report this entry stands for: the length of a run of empty lines,
    // else 1.
    int Times() const;

    uint32_t line : 27; // the physical line it begins on, from 1
    uint32_t type : 5;  // GetLineType of its text, worked out once while splitting
    LineText text;

private:
    friend class ReportLines;
    // The type of the entry that ends the lines (no line type has it).
    static constexpr uint32_t kEndType = 31;
    ReportLine* After() {
        return reinterpret_cast<ReportLine*>(const_cast<char*>(text.Get()) + text.Length() + 1);
    }
};

static_assert(sizeof(ReportLine) == 5, "an entry is a 4-byte head and the first byte of its text");

// The first line after line whose text is empty; null when there is none or line is null.
inline ReportLine* NextEmpty(ReportLine* line) {
    for (ReportLine* n = line ? line->Next() : nullptr; n; n = n->Next())
        if (n->text.IsEmpty()) return n;
    return nullptr;
}

// A whole report split into logical lines at once: the text is read into one buffer and the
// lines are joined into entries in that same buffer, so that splitting costs no allocation per
// line and a report near the size limit, whatever its lines, at most a few times its size.
class ReportLines {
public:
    ReportLines() = default;
    ReportLines(const ReportLines&) = delete;
    ReportLines& operator=(const ReportLines&) = delete;

    // Reads the whole stream and splits it into logical lines (a physical line and its indented
    // continuations, joined by one blank), replacing what was held. A byte-order mark at the
    // start is skipped. Returns 0 when the whole report was split; -1 for a NUL byte (the lines
    // before its line are kept) or more than kMaxReportBytes (no lines); else the stream's error
    // bits. fault, when given, says which and where. Blanks after the text of a physical line
    // are dropped, as mail programs add them; a line of blanks alone stands as it is (in a region
    // block it keeps the paragraph together) and never continues another, unless the mail
    // program padded every line (IsMailPadded): then it is an empty line. CR LF and a lone CR
    // end a line as LF does.
    int Read(iwstream& is, LinesFault* fault);

    // Null when there are no lines. Last is the run of empty lines the text may end with.
    ReportLine* First() { return count_ > 0 ? At(0) : nullptr; }
    ReportLine* Last() { return count_ > 0 ? At(last_) : nullptr; }
    // The logical lines, each empty line counted.
    size_t Count() const { return count_; }
    // The physical line the last logical line begins on (0 when there are none).
    int LastLine() const { return lastLine_; }
    // The physical line where the text ends: its last line, or the one after a final break.
    int EndLine() const { return endLine_; }

    // Writes the lines, each ended by a newline, to debugFile (see LinesDebugPath; none when
    // null).
    void WriteDebugCopy(const char* debugFile) const;

private:
    struct FreeDeleter {
        void operator()(char* p) const { std::free(p); }
    };
    ReportLine* At(size_t offset) const {
        return reinterpret_cast<ReportLine*>(buffer_.get() + offset);
    }

    // Splits the text between the offsets into entries from the start of the buffer; returns
    // the number of physical lines split.
    int Split(size_t begin, size_t end);

    // Reads the whole stream into buffer_, up to one byte more than kMaxReportBytes.
    void ReadAll(iwstream& is);
    // Makes buffer_ hold size bytes, keeping what it holds up to that size (in place where the
    // allocator can).
    void Resize(size_t size);

    std::unique_ptr<char, FreeDeleter> buffer_; // the text, then the entries in its place
    size_t size_ = 0;
    size_t count_ = 0;
    size_t last_ = 0; // the offset of the last entry
    int lastLine_ = 0;
    int endLine_ = 1;
    bool padded_ = false; // every line carries trailing blanks (report/wholeness.h)
};
