#include "model/turneventschunk.h"

#include "model/turnchunk.h"

namespace {

void WriteLines(owstream& os, const std::vector<Str>& lines) {
    WriteU32(os, static_cast<uint32_t>(lines.size()));
    for (const Str& line : lines)
        line.write(os);
}

bool ReadLines(iwstream& is, std::vector<Str>& lines) {
    uint32_t count = 0;
    if (!ReadU32(is, count)) return false;
    for (uint32_t i = 0; i < count && is.good(); ++i) {
        Str line;
        line.read(is);
        lines.push_back(std::move(line));
    }
    return is.good();
}

} // namespace

void WriteTurnEventsChunk(owstream& os, const VexlorDoc& doc) {
    WritePerTurn(
        os, doc, [](const TurnExtras& extras) { return !extras.events.IsEmpty(); },
        [](owstream& to, const TurnExtras& extras) {
            WriteLines(to, extras.events.errors);
            WriteLines(to, extras.events.battles);
            WriteLines(to, extras.events.events);
        });
}

bool ReadTurnEventsChunk(iwstream& is, VexlorDoc& doc) {
    return ReadPerTurn<TurnEvents>(
        is, doc,
        [](iwstream& from, TurnEvents& events) {
            return ReadLines(from, events.errors) && ReadLines(from, events.battles) &&
                   ReadLines(from, events.events);
        },
        [](TurnExtras& extras, TurnEvents events) { extras.events = std::move(events); });
}
