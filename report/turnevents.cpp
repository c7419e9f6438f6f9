#include "report/extrasreader.h"

#include "report/linetype.h"
#include "report/reportlines.h"
#include "report/scan.h"
#include "report/sections.h"

namespace {

enum class Part { None, Errors, Battles, Events };

Part PartOfHeading(const ReportLine* line) {
    const char* p = line->text.Get();
    if (skiptempl(p, "Errors during turn:") == 0) return Part::Errors;
    if (skiptempl(p, "Battles during turn:") == 0) return Part::Battles;
    if (line->type == LineType::Events) return Part::Events;
    return Part::None;
}

std::vector<Str>* ListOf(TurnEvents& events, Part part) {
    switch (part) {
    case Part::Errors:
        return &events.errors;
    case Part::Battles:
        return &events.battles;
    case Part::Events:
        return &events.events;
    default:
        return nullptr;
    }
}

} // namespace

bool IsTopPartHeading(const ReportLine* line) {
    if (PartOfHeading(line) != Part::None) return true;
    switch (line->type) {
    case LineType::SkillReports:
    case LineType::DeclaredAttitudes:
    case LineType::UnclaimedSilver:
    case LineType::FactionStatus:
    case LineType::OrdersTemplate:
        return true;
    default:
        break;
    }
    const char* p = line->text.Get();
    return skiptempl(p, "Item reports:") == 0 || skiptempl(p, "Object reports:") == 0;
}

void ReadTurnEvents(ReportLine* start, TurnEvents& events) {
    ReportLine* end = FindLocationInfo(start);
    std::vector<Str>* into = nullptr;
    bool battles = false; // the battles run on over paragraph breaks
    auto close = [&] {
        if (into && !into->empty() && into->back().IsEmpty()) into->pop_back();
        into = nullptr;
        battles = false;
    };
    bool paragraphStart = true;
    for (ReportLine* n = start; n && n != end; n = n->Next()) {
        if (n->text.IsEmpty()) {
            paragraphStart = true;
            if (!battles)
                into = nullptr;
            else if (!into->empty() && !into->back().IsEmpty())
                into->push_back(Str());
            continue;
        }
        // A paragraph's first line decides where it and the lines after it go.
        if (paragraphStart) {
            paragraphStart = false;
            if (Part part = PartOfHeading(n); part != Part::None) {
                close();
                into = ListOf(events, part);
                battles = part == Part::Battles;
                continue;
            }
            if (battles && IsTopPartHeading(n)) close();
        }
        if (into) into->push_back(Str(n->text.View()));
    }
    close();
}
