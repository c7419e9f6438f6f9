#include "report/wholeness.h"

#include "model/turn.h"
#include "report/linetype.h"
#include "report/regions.h"
#include "report/reportlines.h"
#include "report/sections.h"

#include <cstring>

namespace {

// The engine's major version as the report names it ("Atlantis Engine Version: 5.2.5"); 0
// when it names none.
int EngineMajor(ReportLines& lines) {
    const ReportLine* version = FindSection(lines.First(), Section::EngineVersion);
    if (!version) return 0;
    const char* colon = std::strchr(version->text.Get(), ':');
    if (!colon) return 0;
    int major = 0;
    for (const char* p = colon + 1 + std::strspn(colon + 1, " "); *p >= '0' && *p <= '9'; ++p)
        major = major * 10 + (*p - '0');
    return major;
}

const ReportLine* LastWithText(ReportLines& lines) {
    const ReportLine* last = nullptr;
    for (const ReportLine* n = lines.First(); n; n = n->Next())
        if (!n->text.IsEmpty()) last = n;
    return last;
}

// What one region block showed, from its rule to the next block, the orders template or the
// end of the report.
struct BlockShape {
    unsigned seen = 0;                // a bit for each line every block has
    const ReportLine* last = nullptr; // its last line with text
    int trailingEmpty = 0;            // the empty lines after that
    bool endsReport = false;          // no block and no orders template follows
};

enum : unsigned {
    kWages = 1,
    kWanted = 2,
    kForSale = 4,
    kProducts = 8,
    kExitLine = 16, // "Exits:" and at least one line under it
    kEveryBlock = 31,
};

BlockShape ShapeOf(ReportLine* region, const ReportLine* next) {
    BlockShape shape;
    const ReportLine* n = FindRuleLine(region);
    for (n = n ? n->Next() : nullptr; n && n != next; n = n->Next()) {
        if (n->type == LineType::OrdersTemplate) return shape;
        switch (n->type) {
        case LineType::Wages:
            shape.seen |= kWages;
            break;
        case LineType::Wanted:
            shape.seen |= kWanted;
            break;
        case LineType::ForSale:
            shape.seen |= kForSale;
            break;
        case LineType::Products:
            shape.seen |= kProducts;
            break;
        case LineType::Exits:
            if (n->Next() && !n->Next()->text.IsEmpty()) shape.seen |= kExitLine;
            break;
        default:
            break;
        }
        if (n->text.IsEmpty()) {
            shape.trailingEmpty += n->Times();
        } else {
            shape.trailingEmpty = 0;
            shape.last = n;
        }
    }
    shape.endsReport = next == nullptr;
    return shape;
}

// Whether a block's last line is whole: every line that may end a block ends with "." (a
// unit, an object, an exit, the gate), or is the "none" of an exit list.
bool EndsWhole(const ReportLine* line) {
    if (!line) return false;
    std::string_view text = line->text.View();
    return (!text.empty() && text.back() == '.') || IsNoExitLine(line->text.Get());
}

} // namespace

int FindCut(ReportLines& lines, ReportLine* start, int blocksRead) {
    int end = lines.EndLine();
    // Every report describes at least the region its faction stands in.
    if (blocksRead == 0 || !lines.First()) return end;
    int major = EngineMajor(lines);
    ReportLine* next = FindLocationInfo(start);
    while (ReportLine* region = next) {
        next = FindLocationInfo(region);
        BlockShape shape = ShapeOf(region, next);
        if ((shape.seen & kEveryBlock) != kEveryBlock) return next ? region->line : end;
        if (!shape.endsReport) continue;
        // The last block ends the report (the 5.x form): a cut inside it leaves a line
        // unended or, where the report names its engine, fewer than the block's two empty
        // lines.
        if (!EndsWhole(shape.last) || (major >= 5 && shape.trailingEmpty < 2)) return end;
    }
    // The 4.0 form ends with the orders template, closed by "#end".
    bool hasTemplate = FindSection(start, Section::OrdersTemplate) != nullptr;
    if (hasTemplate || (major > 0 && major < 5)) {
        const ReportLine* last = LastWithText(lines);
        if (!hasTemplate || !last || std::strncmp(last->text.Get(), "#end", 4) != 0) return end;
    }
    return 0;
}

bool IsMailPadded(const char* text, size_t size) {
    std::string_view rest(text, size);
    auto takeLine = [&rest]() {
        size_t stop = rest.find_first_of("\r\n");
        std::string_view line = rest.substr(0, stop);
        rest.remove_prefix(stop == std::string_view::npos ? rest.size() : stop);
        if (rest.substr(0, 2) == "\r\n")
            rest.remove_prefix(2);
        else if (!rest.empty())
            rest.remove_prefix(1);
        return line;
    };
    auto blanksOnly = [](std::string_view line) {
        return !line.empty() && line.find_first_not_of(" \t") == std::string_view::npos;
    };
    // A treasury block and blank lines may stand before the header.
    std::string_view header;
    do {
        if (rest.empty()) return false;
        header = takeLine();
    } while (header.empty() || header[0] == ';' || blanksOnly(header));
    static constexpr std::string_view kReportFor = "Atlantis Report For:";
    if (header.substr(0, kReportFor.size()) != kReportFor) return false;
    if (header.size() == kReportFor.size() || (header.back() != ' ' && header.back() != '\t'))
        return false;
    takeLine(); // the faction
    takeLine(); // the date
    return blanksOnly(takeLine());
}

TurnSize SizeOfTurn(const TurnNode& turn, int ownFaction) {
    TurnSize size;
    for (const LocationNode& loc : turn.Locations()) {
        if (!loc.IsPartial()) ++size.regions;
        for (const UnitNode& unit : loc.units)
            if (unit.faction.Number() == ownFaction) ++size.units;
    }
    return size;
}
