#include "report/sections.h"

#include "report/lines.h"
#include "report/linetype.h"

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

bool IsRuleOfNine(const StrNode* n) {
    return std::strncmp(n->text.Get(), "---------", 9) == 0;
}

// The empty line at or after node.
StrNode* ParagraphBreakFrom(StrNode* node) {
    if (!node || node->text.IsEmpty()) return node;
    return NextEmptyLine(node);
}

} // namespace

StrNode* FindSection(StrNode* node, Section::Type type) {
    int wanted = ParagraphLineType(type);
    if (wanted == -2) return nullptr;
    for (StrNode* n = ParagraphBreakFrom(node); n;) {
        StrNode* first = n->Next();
        if (!first) return nullptr;
        if (first->text.IsEmpty()) {
            n = first;
            continue;
        }
        if (GetLineType(first->text.Get()) == wanted) return first;
        n = NextEmptyLine(first);
    }
    return nullptr;
}

StrNode* FindLocSection(StrNode* node, Section::Type type) {
    if (type < Section::Entertainment || type > Section::Buildings) return nullptr;
    for (StrNode* n = node; n; n = n->Next()) {
        int lineType = GetLineType(n->text.Get());
        if (IsLocLineOfType(lineType, type)) return n;
        if (lineType == LineType::Rule || lineType == LineType::OrdersTemplate) return nullptr;
    }
    return nullptr;
}

StrNode* FindRuleLine(StrNode* region) {
    for (StrNode* n = region ? region->Next() : nullptr; n && !n->text.IsEmpty(); n = n->Next())
        if (IsRuleOfNine(n)) return n;
    return nullptr;
}

StrNode* FindLocationInfo(StrNode* node) {
    for (StrNode* n = ParagraphBreakFrom(node); n;) {
        StrNode* first = n->Next();
        if (!first) return nullptr;
        if (first->text.IsEmpty()) {
            n = first;
            continue;
        }
        if (GetLineType(first->text.Get()) == LineType::Ordinary && FindRuleLine(first))
            return first;
        n = NextEmptyLine(first);
    }
    return nullptr;
}
