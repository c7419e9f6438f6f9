// The document controller's work on allies' maps.
#include "doc/doccontroller.h"

#include "base/filelock.h"
#include "base/wstream.h"
#include "model/docfile.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace {

// The faction's name as its newest report that names it writes it; empty when none does.
Str FactionNameIn(const VexlorDoc& doc) {
    const int faction = doc.GetFaction().Number();
    for (const TurnNode* turn = doc.LastTurn(); turn; turn = turn->Prev())
        if (const StrAssocNode* named = turn->factions.Find(faction)) return named->name;
    return Str();
}

// Where the map was taken from, whatever folder a later refresh runs in.
std::string AbsolutePath(const char* path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? std::string(path) : absolute.lexically_normal().string();
}

// Why a map could not be opened as an ally's, or Done.
DocOutcomeKind OpenedKind(DocReadResult result, const VexlorDoc& map) {
    switch (result) {
    case DocCannotOpen:
        return DocOutcomeKind::CannotOpen;
    case DocNotADocument:
        return DocOutcomeKind::NotADocument;
    case DocNotAFile:
        return DocOutcomeKind::NotAFile;
    case DocWrongVersion:
        return DocOutcomeKind::UnknownVersion;
    case DocChangedWhileRead:
        return DocOutcomeKind::ChangedWhileRead;
    case DocReadFailed:
        return DocOutcomeKind::AllyMapDamaged;
    case DocRead:
        // An ally's exits and unit details lost would show less than the ally saw, unsaid.
        return map.Extras().damaged ? DocOutcomeKind::AllyMapDamaged : DocOutcomeKind::Done;
    }
    return DocOutcomeKind::AllyMapDamaged;
}

// Moves every turn of from into into: a month into holds takes from's turn in its place.
void MergeTurns(VexlorDoc& from, VexlorDoc& into) {
    for (TurnNode* turn = from.FirstTurn(); turn; turn = turn->Next())
        into.RegisterTurn(turn->date)->TakeContents(*turn);
    for (auto [level, width] : from.Extras().levelWidths.All())
        into.Extras().levelWidths.Learn(level, width);
    into.Reindex();
}

bool SameFile(const std::string& a, const char* b) {
    if (!b || !*b) return false;
    std::error_code error;
    return a == b || std::filesystem::equivalent(a, b, error);
}

} // namespace

bool DocController::Span(AtlDate& first, AtlDate& last) const {
    bool any = false;
    auto take = [&](const VexlorDoc& doc) {
        if (!doc.FirstTurn()) return;
        if (!any || doc.FirstTurn()->date < first) first = doc.FirstTurn()->date;
        if (!any || doc.LastTurn()->date > last) last = doc.LastTurn()->date;
        any = true;
    };
    take(doc_);
    for (const auto& ally : doc_.Extras().allies.All())
        take(*ally->doc);
    return any;
}

DocOutcome DocController::AddAllyMap(const char* path) {
    return TakeAllyMap(path, 0);
}

DocOutcome DocController::TakeAllyMap(const char* path, int wanted) {
    DocOutcome out;
    out.file = path ? path : "";
    out.docFaction = wanted;
    const int own = doc_.GetFaction().Number();
    if (own == 0) {
        out.kind = DocOutcomeKind::AllyNeedsOwnMap;
        return out;
    }
    VexlorDoc map;
    errno = 0;
    DocReadResult result = OpenDocFile(map, out.file.c_str());
    out.kind = OpenedKind(result, map);
    if (out.kind == DocOutcomeKind::CannotOpen) out.errorNumber = errno ? errno : ENOENT;
    if (out.kind != DocOutcomeKind::Done) return out;
    out.faction = map.GetFaction().Number();
    if (out.faction == 0)
        out.kind = DocOutcomeKind::AllyMapNoFaction;
    else if (out.faction == own)
        out.kind = DocOutcomeKind::AllyMapOwnFaction;
    else if (wanted != 0 && out.faction != wanted)
        out.kind = DocOutcomeKind::AllyMapOtherFaction;
    if (out.kind != DocOutcomeKind::Done) return out;

    // Only the ally's own turns travel: what a third faction shared with it stays behind.
    map.Extras().allies.Clear();
    map.SetFileName(nullptr);
    map.SetDiskState(nullptr, FileIdentity());
    map.SetModified(false);
    Str name = FactionNameIn(map);
    out.turns = static_cast<int>(map.Turns().LongCountNodes());

    AtlDate first, latest;
    Span(first, latest);
    AllyMaps& allies = doc_.Extras().allies;
    AllyMap* held = allies.Find(out.faction);
    if (held) {
        MergeTurns(map, *held->doc);
    } else {
        held = &allies.Take(out.faction);
        *held->doc = std::move(map);
    }
    held->file = AbsolutePath(out.file.c_str());
    if (!name.IsEmpty()) held->name = name;
    out.factionName = held->name.Get();
    out.kind = DocOutcomeKind::AllyMapAdded;
    doc_.SetModified(true);
    AtlDate after;
    if (shown_ == latest && Span(first, after)) shown_ = after;
    Changed();
    return out;
}

DocOutcome DocController::RemoveAlly(int faction) {
    DocOutcome out;
    out.faction = faction;
    AllyMaps& allies = doc_.Extras().allies;
    const AllyMap* ally = allies.Find(faction);
    if (!ally) {
        out.kind = DocOutcomeKind::NoSuchAlly;
        return out;
    }
    out.factionName = ally->name.Get();
    allies.Remove(faction);
    out.kind = DocOutcomeKind::AllyRemoved;
    doc_.SetModified(true);
    // The month on show may have been the ally's alone.
    AtlDate first, last;
    if (!Span(first, last))
        shown_ = AtlDate();
    else if (shown_ < first || shown_ > last)
        shown_ = last;
    Changed();
    return out;
}

DocOutcome DocController::RefreshAlly(int faction) {
    const AllyMap* ally = doc_.Extras().allies.Find(faction);
    DocOutcome out;
    out.faction = faction;
    if (!ally) {
        out.kind = DocOutcomeKind::NoSuchAlly;
        return out;
    }
    if (ally->file.empty()) {
        out.kind = DocOutcomeKind::AllyWithoutFile;
        out.factionName = ally->name.Get();
        return out;
    }
    const std::string file = ally->file;
    return TakeAllyMap(file.c_str(), faction);
}

DocOutcome DocController::ExportForAlly(const char* path, AtlDate from) {
    DocOutcome out;
    out.file = path ? path : "";
    if (SameFile(out.file, FileName().Get())) {
        out.kind = DocOutcomeKind::ExportIsTheDocument;
        return out;
    }
    // The player's own map as the file holds it, without the allies' maps and without chunks
    // this program cannot read (they may hold anything), read back as a copy to cut.
    DocExtras& extras = doc_.Extras();
    AllyMaps allies = std::move(extras.allies);
    std::vector<KeptChunk> kept = std::move(extras.keptChunks);
    extras.allies = AllyMaps();
    extras.keptChunks.clear();
    omwstream image;
    const bool written = WriteDocImage(image, doc_);
    extras.allies = std::move(allies);
    extras.keptChunks = std::move(kept);
    VexlorDoc copy;
    if (!written ||
        ReadDocFile(KeptBytes::Copy(image.Bytes().data(), image.Bytes().size()), copy) != DocRead) {
        const bool beyond = (image.rdstate() & wstream::BeyondFormat) != 0;
        out.kind = beyond ? DocOutcomeKind::SaveBeyondLimits : DocOutcomeKind::ExportFailed;
        out.errorNumber = EIO;
        return out;
    }
    if (from != AtlDate())
        while (copy.FirstTurn() && copy.FirstTurn()->date < from)
            delete copy.FirstTurn();

    FileLock lock;
    if (!lock.Acquire(out.file.c_str(), saveWaitMs_)) {
        out.kind = DocOutcomeKind::Busy;
        return out;
    }
    int error = 0;
    switch (SaveDocFile(copy, out.file.c_str(), &error)) {
    case DocSaved:
        break;
    case DocSaveReadOnly:
        out.kind = DocOutcomeKind::ReadOnly;
        break;
    case DocSaveBeyondLimits:
        out.kind = DocOutcomeKind::SaveBeyondLimits;
        break;
    default:
        out.kind = DocOutcomeKind::ExportFailed;
        out.errorNumber = error ? error : EIO;
        break;
    }
    return out;
}
