#pragma once

class ReportLine;

// The paragraphs and lines of a report that the finders look for. 1-8 begin a paragraph
// (FindSection); 9-15 are lines inside a region block (FindLocSection).
namespace Section {
enum Type : int {
    EngineVersion = 1,
    FactionStatus = 2,
    Events = 3,
    SkillReports = 4,
    DeclaredAttitudes = 5,
    UnclaimedSilver = 6,
    Exits = 7,
    OrdersTemplate = 8,
    Entertainment = 9,
    ForSale = 10,
    Products = 11,
    Wages = 12,
    Wanted = 13,
    Units = 14,     // "* " or "- "
    Buildings = 15, // "+ "
};
}

// The first line after an empty line, from node to the end of the list, of the wanted type
// (1-8); when node is not empty the search starts at the next empty line. Null when none.
ReportLine* FindSection(ReportLine* node, Section::Type type);

// The first line from node on, across empty lines, of the wanted type (9-15); null at a
// dashed rule, at the orders template or at the end of the list.
ReportLine* FindLocSection(ReportLine* node, Section::Type type);

// The next region line: the first line of a paragraph that begins with an ordinary line and
// holds a rule of at least nine dashes. When node is not empty the search starts at the next
// empty line. Null when there is none.
ReportLine* FindLocationInfo(ReportLine* node);

// The first line of region's paragraph, after the region line, that begins with nine dashes;
// null when the paragraph has none.
ReportLine* FindRuleLine(ReportLine* region);
