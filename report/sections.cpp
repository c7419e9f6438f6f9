#include "report/sections.h"

#include "report/linetype.h"
#include "report/reportlines.h"

#include <cstring>

namespace {

// Whether a line of lineType is a line of the section (1-15).
bool IsSectionLine(int lineType, Section::Type type) {
    static constexpr int kLineTypeOf[] = {
        LineType::Missing,         LineType::EngineVersion, LineType::FactionStatus,
        LineType::Events,          LineType::SkillReports,  LineType::DeclaredAttitudes,
        LineType::UnclaimedSilver, LineType::Exits,         LineType::OrdersTemplate,
        LineType::Entertainment,   LineType::ForSale,       LineType::Products,
        LineType::Wages,           LineType::Wanted,        LineType::OwnUnit,
        LineType::Building};
    if (type == Section::Units && lineType == LineType::OtherUnit) return true;
    return lineType == kLineTypeOf[type];
}

bool IsRuleOfNine(const ReportLine* n) {
    return std::strncmp(n->text.Get(), "---------", 9) == 0;
}

// The empty line at or after node.
ReportLine* ParagraphBreakFrom(ReportLine* node) {
    if (!node || node->text.IsEmpty()) return node;
    return NextEmpty(node);
}

// The first line of the first paragraph from node on that matches.
template <class Match> ReportLine* FindParagraph(ReportLine* node, Match matches) {
    for (ReportLine* n = ParagraphBreakFrom(node); n;) {
        ReportLine* first = n->Next();
        if (!first) return nullptr;
        if (first->text.IsEmpty()) {
            n = first;
            continue;
        }
        if (matches(first)) return first;
        n = NextEmpty(first);
    }
    return nullptr;
}

} // namespace

ReportLine* FindSection(ReportLine* node, Section::Type type) {
    if (type < Section::EngineVersion || type > Section::OrdersTemplate) return nullptr;
    return FindParagraph(node,
                         [&](const ReportLine* first) { return IsSectionLine(first->type, type); });
}

ReportLine* FindLocSection(ReportLine* node, Section::Type type) {
    if (type < Section::Entertainment || type > Section::Buildings) return nullptr;
    for (ReportLine* n = node; n; n = n->Next()) {
        if (IsSectionLine(n->type, type)) return n;
        if (n->type == LineType::Rule || n->type == LineType::OrdersTemplate) return nullptr;
    }
    return nullptr;
}

ReportLine* FindRuleLine(ReportLine* region) {
    for (ReportLine* n = region ? region->Next() : nullptr; n && !n->text.IsEmpty(); n = n->Next())
        if (IsRuleOfNine(n)) return n;
    return nullptr;
}

ReportLine* FindLocationInfo(ReportLine* node) {
    return FindParagraph(node, [](ReportLine* first) {
        return first->type == LineType::Ordinary && FindRuleLine(first);
    });
}
