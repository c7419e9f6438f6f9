#pragma once

#include "base/wstream.h"
#include "model/vexlordoc.h"
#include "report/intake.h"
#include "report/reportlines.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The logical lines of a report text, without the debug file.
inline void SplitText(const std::string& text, ReportLines& lines) {
    imwstream in(text.data(), text.size());
    lines.Read(in, nullptr);
}

// The node at index (0 the first) of a list, or null past its end.
template <class T> const T* NthNode(const ListT<T>& list, long index) {
    for (const T& node : list)
        if (index-- == 0) return &node;
    return nullptr;
}

inline std::string ReadPath(const std::filesystem::path& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// A report of tests/reports, named relative to that folder.
inline std::string ReadReport(const std::string& relative) {
    return ReadPath(std::filesystem::path(VEXLOR_REPORTS_DIR) / relative);
}

// Answers the replace question as told and records the turns it was asked about.
class ScriptedUser : public IntakeUser {
public:
    bool ReplaceTurn(const TurnReplacement& replacement) override {
        questions.push_back(replacement.date);
        last = replacement;
        return answer;
    }

    bool answer = false;
    std::vector<AtlDate> questions;
    TurnReplacement last; // the last question asked
};

// A document and the user answering intake.
struct Desk {
    VexlorDoc doc;
    ScriptedUser user;
    IntakeTarget Target() { return IntakeTarget{doc, user, nullptr}; }

    int Add(const std::string& text, IntakeOutcome* outcome = nullptr) {
        imwstream in(text.data(), text.size());
        return AddReport(in, Target(), outcome);
    }
};

// Everything the document stores, as bytes, to compare two documents or one before and after.
inline std::vector<unsigned char> DocBytes(const VexlorDoc& doc) {
    omwstream out;
    doc.write(out);
    out.flush();
    return out.Bytes();
}
