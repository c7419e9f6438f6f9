#pragma once

#include "base/strlist.h"
#include "report/lines.h"
#include "report/linetype.h"
#include "report/reportlines.h"

// The report readers walk either a list of StrNode (the lines SplitLines gives) or the lines
// of a ReportLines (what intake reads, without a node per line); these answer the same
// questions of both.

inline int LineTypeOf(const StrNode* n) {
    return GetLineType(n->text.Get());
}
inline int LineTypeOf(const ReportLine* n) {
    return n->type;
}

// The physical line on which a logical line begins; 0 when not known.
inline int LineNumberOf(const StrNode* n) {
    return ReportLineNumber(n);
}
inline int LineNumberOf(const ReportLine* n) {
    return n ? n->line : 0;
}

// The first line after node whose text is empty, or null.
template <class Line> Line* NextEmpty(Line* node) {
    for (Line* n = node ? node->Next() : nullptr; n; n = n->Next())
        if (n->text.IsEmpty()) return n;
    return nullptr;
}
