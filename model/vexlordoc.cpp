#include "model/vexlordoc.h"

#include "base/wstream.h"
#include "model/records.h"

#include <algorithm>

void VexlorDoc::SetFaction(AtlFaction faction) {
    if (turns_.IsEmpty() && faction_.Number() == 0) faction_ = faction;
}

TurnNode* VexlorDoc::FindTurn(AtlDate date) const {
    for (TurnNode* t = turns_.GetFirst(); t; t = t->Next())
        if (t->date == date) return t;
    return nullptr;
}

TurnNode* VexlorDoc::RegisterTurn(AtlDate date, bool* isNew) {
    if (TurnNode* same = FindTurn(date)) {
        if (isNew) *isNew = false;
        return same;
    }
    TurnNode* later = turns_.GetFirst();
    while (later && !(later->date > date))
        later = later->Next();
    auto* turn = new TurnNode(date);
    if (later)
        turns_.Insert(turn, later);
    else
        turns_.Add(turn);
    if (isNew) *isNew = true;
    return turn;
}

std::vector<SightingIndex::Source> VexlorDoc::SightingSources() const {
    std::vector<SightingIndex::Source> sources{{faction_.Number(), &turns_}};
    for (const auto& ally : extras_.allies.All())
        sources.push_back({ally->doc->GetFaction().Number(), &ally->doc->Turns()});
    return sources;
}

const SightingIndex& VexlorDoc::Sightings() const {
    if (!sightings_.IsCurrent(SightingSources())) Reindex();
    return sightings_;
}

std::vector<AtlDate> VexlorDoc::KnownMonths() const {
    std::vector<AtlDate> months;
    for (const TurnNode& turn : turns_)
        months.push_back(turn.date);
    if (extras_.allies.IsEmpty()) return months;
    for (const auto& ally : extras_.allies.All())
        for (const TurnNode& turn : ally->doc->Turns())
            months.push_back(turn.date);
    std::sort(months.begin(), months.end());
    months.erase(std::unique(months.begin(), months.end()), months.end());
    return months;
}

void VexlorDoc::Clear() {
    faction_ = AtlFaction();
    turns_.Empty();
    sightings_.Clear();
    extras_ = DocExtras();
    fileName_.Set(nullptr);
    modified_ = false;
    diskState_ = DiskState();
}

int VexlorDoc::write(owstream& os) const {
    ByteWriter out(os);
    DocRecords::Document(out, *this);
    return os.good() ? 0 : 1;
}

bool VexlorDoc::Read(ByteReader& in) {
    bool read = DocRecords::Document(in, *this);
    Reindex();
    return read;
}

AtlDate VexlorDoc::FirstMonth() const {
    const std::vector<AtlDate> months = KnownMonths();
    return months.empty() ? AtlDate() : months.front();
}

AtlDate VexlorDoc::LastMonth() const {
    const std::vector<AtlDate> months = KnownMonths();
    return months.empty() ? AtlDate() : months.back();
}

LevelWidths VexlorDoc::KnownWidths() const {
    LevelWidths widths = extras_.levelWidths;
    for (const auto& ally : extras_.allies.All())
        for (const auto& [z, width] : ally->doc->Extras().levelWidths.All())
            widths.Learn(z, width);
    return widths;
}
