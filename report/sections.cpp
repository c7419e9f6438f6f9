#include "report/sections.h"

#include "report/linetype.h"
#include "report/reportlines.h"

#include <cstring>

namespace {

int ParagraphLineType(Section::Type type) {
    switch (type) {
    case Section::EngineVersion:
        return LineType::EngineVersion;
    case Section::FactionStatus:
        return LineType::FactionStatus;
    case Section::Events:
        return LineType::Events;
    case Section::SkillReports:
        return LineType::SkillReports;
    case Section::DeclaredAttitudes:
        return LineType::DeclaredAttitudes;
    case Section::UnclaimedSilver:
        return LineType::UnclaimedSilver;
    case Section::Exits:
        return LineType::Exits;
    case Section::OrdersTemplate:
        return LineType::OrdersTemplate;
    default:
        return -2;
    }
}

bool IsLocLineOfType(int lineType, Section::Type type) {
    switch (type) {
    case Section::Entertainment:
        return lineType == LineType::Entertainment;
    case Section::ForSale:
        return lineType == LineType::ForSale;
    case Section::Products:
        return lineType == LineType::Products;
    case Section::Wages:
        return lineType == LineType::Wages;
    case Section::Wanted:
        return lineType == LineType::Wanted;
    case Section::Units:
        return lineType == LineType::OwnUnit || lineType == LineType::OtherUnit;
    case Section::Buildings:
        return lineType == LineType::Building;
    default:
        return false;
    }
}

bool IsRuleOfNine(const ReportLine* n) {
    return std::strncmp(n->text.Get(), "---------", 9) == 0;
}

// The empty line at or after node.
ReportLine* ParagraphBreakFrom(ReportLine* node) {
    if (!node || node->text.IsEmpty()) return node;
    return NextEmpty(node);
}

} // namespace

ReportLine* FindSection(ReportLine* node, Section::Type type) {
    int wanted = ParagraphLineType(type);
    if (wanted == -2) return nullptr;
    for (ReportLine* n = ParagraphBreakFrom(node); n;) {
        ReportLine* first = n->Next();
        if (!first) return nullptr;
        if (first->text.IsEmpty()) {
            n = first;
            continue;
        }
        if (first->type == wanted) return first;
        n = NextEmpty(first);
    }
    return nullptr;
}

ReportLine* FindLocSection(ReportLine* node, Section::Type type) {
    if (type < Section::Entertainment || type > Section::Buildings) return nullptr;
    for (ReportLine* n = node; n; n = n->Next()) {
        int lineType = n->type;
        if (IsLocLineOfType(lineType, type)) return n;
        if (lineType == LineType::Rule || lineType == LineType::OrdersTemplate) return nullptr;
    }
    return nullptr;
}

ReportLine* FindRuleLine(ReportLine* region) {
    for (ReportLine* n = region ? region->Next() : nullptr; n && !n->text.IsEmpty(); n = n->Next())
        if (IsRuleOfNine(n)) return n;
    return nullptr;
}

ReportLine* FindLocationInfo(ReportLine* node) {
    for (ReportLine* n = ParagraphBreakFrom(node); n;) {
        ReportLine* first = n->Next();
        if (!first) return nullptr;
        if (first->text.IsEmpty()) {
            n = first;
            continue;
        }
        if (first->type == LineType::Ordinary && FindRuleLine(first)) return first;
        n = NextEmpty(first);
    }
    return nullptr;
}
