#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class iwstream;
struct LinesFault;

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

// A whole report split into logical lines at once: the text is read into one buffer and the
// lines are joined and ended in place, so that splitting costs no allocation per line.
class ReportLines {
public:
    ReportLines() = default;
    ReportLines(const ReportLines&) = delete;
    ReportLines& operator=(const ReportLines&) = delete;

    // Reads the whole stream (as SplitLines does; see there for the result and fault) and
    // splits it, replacing what was held.
    int Read(iwstream& is, LinesFault* fault);

    // Null when there are no lines.
    ReportLine* First() { return lines_.size() > 1 ? lines_.data() : nullptr; }
    ReportLine* Last() { return lines_.size() > 1 ? &lines_[lines_.size() - 2] : nullptr; }
    size_t Count() const { return lines_.empty() ? 0 : lines_.size() - 1; }

    // Writes the lines, each ended by a newline, to debugFile (see LinesDebugPath).
    void WriteDebugCopy(const char* debugFile) const;

private:
    // Splits the text between the offsets; returns the number of physical lines split.
    int Split(size_t begin, size_t end);

    // Reads the whole stream into buffer_, up to one byte more than kMaxReportBytes.
    void ReadAll(iwstream& is);

    std::unique_ptr<char[]> buffer_; // the text and at least one spare byte after it
    size_t size_ = 0;
    std::vector<ReportLine> lines_;
};
