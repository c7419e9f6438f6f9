#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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

// The text of a logical line: a view into the buffer of its ReportLines, ended by a NUL there
// so that the line scanners can read it as a C string.
class LineText {
public:
    const char* Get() const { return text_; }
    bool IsEmpty() const { return length_ == 0; }
    int Length() const { return static_cast<int>(length_); }
    std::string_view View() const { return {text_, length_}; }

private:
    friend class ReportLines;
    const char* text_ = nullptr;
    uint32_t length_ = 0;
};

// A logical line of a report, walked like a list node: the lines of one ReportLines lie side
// by side, and an entry without text after the last one ends them.
class ReportLine {
public:
    ReportLine* Next() { return this[1].text.Get() ? this + 1 : nullptr; }
    const ReportLine* Next() const { return this[1].text.Get() ? this + 1 : nullptr; }

    LineText text;
    int line = 0; // the physical line it begins on, from 1
    int type = 0; // GetLineType of its text, worked out once while splitting
};

// The first line after line whose text is empty; null when there is none or line is null.
inline ReportLine* NextEmpty(ReportLine* line) {
    for (ReportLine* n = line ? line->Next() : nullptr; n; n = n->Next())
        if (n->text.IsEmpty()) return n;
    return nullptr;
}

// A whole report split into logical lines at once: the text is read into one buffer and the
// lines are joined and ended in place, so that splitting costs no allocation per line.
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

    // Null when there are no lines.
    ReportLine* First() { return lines_.size() > 1 ? lines_.data() : nullptr; }
    ReportLine* Last() { return lines_.size() > 1 ? &lines_[lines_.size() - 2] : nullptr; }
    size_t Count() const { return lines_.empty() ? 0 : lines_.size() - 1; }
    // The physical line where the text ends: its last line, or the one after a final break.
    int EndLine() const { return endLine_; }

    // Writes the lines, each ended by a newline, to debugFile (see LinesDebugPath; none when
    // null).
    void WriteDebugCopy(const char* debugFile) const;

private:
    // Splits the text between the offsets; returns the number of physical lines split.
    int Split(size_t begin, size_t end);

    // Reads the whole stream into buffer_, up to one byte more than kMaxReportBytes.
    void ReadAll(iwstream& is);

    std::unique_ptr<char[]> buffer_; // the text and at least one spare byte after it
    size_t size_ = 0;
    std::vector<ReportLine> lines_;
    int endLine_ = 1;
    bool padded_ = false; // every line carries trailing blanks (report/wholeness.h)
};
