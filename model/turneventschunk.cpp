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

bool ReadEvents(iwstream& is, TurnEvents& events) {
    return ReadLines(is, events.errors) && ReadLines(is, events.battles) &&
           ReadLines(is, events.events);
}

void ApplyEvents(TurnExtras& extras, TurnEvents events) {
    extras.events = std::move(events);
}

bool SkimLines(ByteSkim& bytes, PartShape& shape) {
    uint32_t count = 0;
    if (!bytes.U32(count)) return false;
    if (count > 0) shape.empty = false;
    for (uint32_t i = 0; i < count; ++i)
        if (!bytes.Text(shape.normal)) return false;
    return true;
}

bool SkimEvents(ByteSkim& bytes, PartShape& shape) {
    return SkimLines(bytes, shape) && SkimLines(bytes, shape) && SkimLines(bytes, shape);
}

constexpr TurnPartKind kEventsPart = {
    2, SkimEvents,
    [](iwstream& is, TurnExtras& extras) {
        DecodePart<TurnEvents>(is, extras, ReadEvents, ApplyEvents);
    },
    [](const TurnExtras& extras) { return !extras.events.IsEmpty(); },
    [](owstream& os, const TurnExtras& extras) {
        WriteLines(os, extras.events.errors);
        WriteLines(os, extras.events.battles);
        WriteLines(os, extras.events.events);
    }};

} // namespace

void WriteTurnEventsChunk(owstream& os, const VexlorDoc& doc) {
    WritePerTurn(os, doc, kEventsPart);
}

bool ReadTurnEventsChunk(iwstream& is, VexlorDoc& doc) {
    return ReadPerTurn<TurnEvents>(is, doc, ReadEvents, ApplyEvents);
}

bool KeepTurnEventsChunk(const KeptBytes& chunk, VexlorDoc& doc, const ExtPartRead& partRead) {
    return KeepPerTurn(chunk, doc, kEventsPart, partRead);
}
