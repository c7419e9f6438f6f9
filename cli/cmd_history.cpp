// A hex's sightings over the months, one line each, for scripts.
#include "base/cp1252.h"
#include "cli/clidoc.h"
#include "cli/commands.h"
#include "map/hexhistory.h"
#include "model/coordtext.h"

#include <cstdio>
#include <string>

namespace {

// Like find: 0 the hex was seen, 1 it never was, 2 the history could not be made.
constexpr int kSeen = 0;
constexpr int kNeverSeen = 1;
constexpr int kTrouble = 2;

std::string Field(int32_t number) {
    return number == -1 ? std::string() : std::to_string(number);
}

} // namespace

int RunHistory(const CommandArgs& args) {
    const char* path = args.operands[0].c_str();
    const char* coordText = args.operands[1].c_str();
    auto typed = ParseCoordText(coordText, LevelForms::NumbersOrWords);
    if (!typed) return FailMessage(Msg::BadCoordinate, {coordText}), kTrouble;
    AtlCoord coord(typed->x, typed->y, typed->z.value_or(0));
    if ((coord.x + coord.y) % 2 != 0) return FailMessage(Msg::OddCoordinate, {coordText}), kTrouble;
    DocController doc;
    if (!OpenDocument(doc, path)) return kTrouble;

    std::vector<HexSightingRecord> rows = HexHistory(doc.Doc(), coord);
    for (const HexSightingRecord& row : rows)
        std::printf("%s\t%d\t%s\t%s\t%s\t%s\t%s\t%d\t%d\n", row.date.GetString().Get(), row.source,
                    row.terrain.Get(), Cp1252ToUtf8(row.town.View()).c_str(),
                    Field(row.peasants).c_str(), Field(row.taxes).c_str(), row.wages.Get(),
                    row.units, row.buildings);
    if (std::fflush(stdout) != 0) return FailMessage(Msg::CannotWriteOutput), kTrouble;
    return rows.empty() ? kNeverSeen : kSeen;
}
