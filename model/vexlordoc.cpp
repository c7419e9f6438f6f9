#include "model/vexlordoc.h"

#include "base/wstream.h"
#include "model/records.h"

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

const SightingIndex& VexlorDoc::Sightings() const {
    if (!sightings_.IsCurrent(turns_)) Reindex();
    return sightings_;
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
