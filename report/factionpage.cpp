// The report's top paragraphs about the player's own faction: its page (status, attitudes,
// silver) and what it was taught (skill, item and object reports).
#include "report/extrasreader.h"

#include "report/linetype.h"
#include "report/reportlines.h"
#include "report/scan.h"
#include "report/sections.h"

#include <cstring>

namespace {

// Calls each(first, end) for every paragraph from start up to the first region block: its
// lines run from first up to end (an empty line, or the region block).
template <class Each> void EachParagraph(ReportLine* start, Each each) {
    ReportLine* end = FindLocationInfo(start);
    ReportLine* n = start;
    while (n && n != end) {
        if (n->text.IsEmpty()) {
            n = n->Next();
            continue;
        }
        ReportLine* last = n;
        while (last->Next() && last->Next() != end && !last->Next()->text.IsEmpty())
            last = last->Next();
        ReportLine* after = last->Next();
        each(n, after);
        n = after;
    }
}

void TakeLines(ReportLine* from, ReportLine* end, std::vector<Str>& into) {
    into.clear();
    for (ReportLine* n = from; n && n != end; n = n->Next())
        into.push_back(Str(n->text.View()));
}

// "Declared Attitudes (default Neutral):": "Neutral".
Str DefaultAttitude(const char* heading) {
    const char* from = std::strstr(heading, "(default ");
    if (!from) return Str();
    from += std::strlen("(default ");
    const char* to = std::strchr(from, ')');
    return to ? Str(std::string_view(from, static_cast<size_t>(to - from))) : Str();
}

// The name and "[ABBR]" that begin an item or skill entry: the cursor stays after "]".
bool ReadNamed(const char*& cursor, Reference& entry) {
    const char* open = std::strchr(cursor, '[');
    const char* close = open ? std::strchr(open, ']') : nullptr;
    if (!open || !close || open == cursor || close == open + 1) return false;
    const char* nameEnd = open;
    skipspacesback(cursor, nameEnd);
    entry.name = Str(std::string_view(cursor, static_cast<size_t>(nameEnd - cursor)));
    entry.abbr = Str(std::string_view(open + 1, static_cast<size_t>(close - open - 1)));
    cursor = close + 1;
    return !entry.name.IsEmpty();
}

// One entry of kind, its text the paragraph's lines joined.
bool ReadEntry(ReportLine* from, ReportLine* end, ReferenceKind kind, Reference& entry) {
    entry.kind = kind;
    entry.text = Str(from->text.View());
    for (ReportLine* n = from->Next(); n && n != end; n = n->Next())
        entry.text += " " + Str(n->text.View());
    const char* p = entry.text.Get();
    switch (kind) {
    case ReferenceKind::Skill: {
        // "gate lore [GATE] 3: A mage with ..."
        int level = 0;
        if (!ReadNamed(p, entry)) return false;
        skipspaces(p);
        if (ReadNumber(p, level) != 0 || *p != ':') return false;
        entry.level = level;
        return true;
    }
    case ReferenceKind::Item:
        // "leader [LEAD], weight 10, ...", "Longship [LONG]. This is a ship ..."
        return ReadNamed(p, entry);
    case ReferenceKind::Object: {
        // "Longboat: This is a ship. ..."
        const char* colon = std::strchr(p, ':');
        if (!colon || colon == p) return false;
        entry.name = Str(std::string_view(p, static_cast<size_t>(colon - p)));
        return true;
    }
    }
    return false;
}

} // namespace

void ReadFactionPage(ReportLine* start, FactionPage& page) {
    EachParagraph(start, [&](ReportLine* first, ReportLine* end) {
        switch (first->type) {
        case LineType::FactionStatus:
            TakeLines(first->Next(), end, page.status);
            break;
        case LineType::DeclaredAttitudes:
            page.defaultAttitude = DefaultAttitude(first->text.Get());
            TakeLines(first->Next(), end, page.attitudes);
            break;
        case LineType::UnclaimedSilver:
            TakeLines(first, end, page.silver);
            break;
        default:
            break;
        }
    });
}

void ReadReferences(ReportLine* start, AtlDate date, std::vector<Reference>& entries) {
    bool within = false; // under one of the three headings
    ReferenceKind kind = ReferenceKind::Skill;
    EachParagraph(start, [&](ReportLine* first, ReportLine* end) {
        const char* p = first->text.Get();
        if (IsTopPartHeading(first)) {
            within = true;
            if (first->type == LineType::SkillReports)
                kind = ReferenceKind::Skill;
            else if (skiptempl(p, "Item reports:") == 0)
                kind = ReferenceKind::Item;
            else if (skiptempl(p, "Object reports:") == 0)
                kind = ReferenceKind::Object;
            else
                within = false;
            return;
        }
        Reference entry;
        entry.date = date;
        if (!within || !ReadEntry(first, end, kind, entry)) return;
        // Two kinds of object may share a name (the lairs of different monsters): each is
        // kept, told apart by its place among the report's objects of that name.
        if (kind == ReferenceKind::Object)
            for (const Reference& before : entries)
                entry.level += before.kind == kind && before.name == entry.name;
        entries.push_back(std::move(entry));
    });
}
