#pragma once

#include "base/fileidentity.h"
#include "base/list.h"
#include "base/str.h"
#include "model/atldate.h"
#include "model/docextras.h"
#include "model/sightingindex.h"
#include "model/turn.h"

#include <string>
#include <vector>

class ByteReader;
class owstream;

// Everything known about one faction's game: per turn, the regions its report described.
class VexlorDoc {
public:
    VexlorDoc() = default;
    VexlorDoc(const VexlorDoc&) = delete;
    VexlorDoc& operator=(const VexlorDoc&) = delete;
    // Hands the whole document over: a window reads a file into a fresh document and takes it
    // only once it proved readable.
    VexlorDoc(VexlorDoc&&) = default;
    VexlorDoc& operator=(VexlorDoc&&) = default;

    AtlFaction GetFaction() const { return faction_; }
    // Takes the faction only while the document is empty and has none.
    void SetFaction(AtlFaction faction);
    // Turns in ascending date order: the first is the earliest, the last the latest.
    const ListT<TurnNode>& Turns() const { return turns_; }
    TurnNode* FirstTurn() const { return turns_.GetFirst(); }
    TurnNode* LastTurn() const { return turns_.GetLast(); }
    TurnNode* FindTurn(AtlDate date) const;
    TurnNode* RegisterTurn(AtlDate date, bool* isNew = nullptr);
    // Clears everything, the extras too.
    void Clear();

    // Which sighting of each hex is the newest at a date, over the player's own turns and
    // the allies' (Extras().allies), the own leading within a month. Built when the document
    // is read and when a report was added; rebuilt here when turns or allies came, went or
    // changed since.
    const SightingIndex& Sightings() const;
    // The sources of sightings: the player's own turns, then each ally's, by faction number.
    std::vector<SightingIndex::Source> SightingSources() const;
    // Builds the index now, so that the first map after an open or an add costs no more than
    // any other. Also needed after changing a registered location's partial or guard marks.
    void Reindex() const { sightings_.Build(SightingSources()); }
    // The months the map knows: those of the player's own turns and of the allies' turns,
    // ascending, each once. The months a map may show run from the first to the last.
    std::vector<AtlDate> KnownMonths() const;
    // Its first and last; none for an empty map.
    AtlDate FirstMonth() const;
    AtlDate LastMonth() const;
    // The level widths the map knows: the player's own reports' (Extras().levelWidths), and
    // where those show none, the allies' (a world keeps its size, so the first known stands).
    LevelWidths KnownWidths() const;
    // What the document holds beyond the version-1 records (model/extarea.h).
    DocExtras& Extras() { return extras_; }
    const DocExtras& Extras() const { return extras_; }

    const Str& GetFileName() const { return fileName_; }
    void SetFileName(const char* name) { fileName_.Set(name); }
    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // The file the document was last read from or saved to, as it was then (!exists: no file
    // was there); a save to that path refuses a file that another program changed meanwhile.
    struct DiskState {
        std::string path;
        FileIdentity identity;
    };
    const DiskState& GetDiskState() const { return diskState_; }
    void SetDiskState(const char* path, const FileIdentity& identity) {
        diskState_ = DiskState{path ? path : "", identity};
    }

    // The document record (model/records.h): the faction, then the turns. 0 when the stream
    // is good afterwards.
    int write(owstream& os) const;
    // Reads the record from the file's bytes into the cleared document; false when the bytes
    // end first (what was read completely stays).
    bool Read(ByteReader& in);

private:
    friend struct DocRecords;

    AtlFaction faction_;
    ListT<TurnNode> turns_;
    mutable SightingIndex sightings_;
    DocExtras extras_;
    Str fileName_;
    bool modified_ = false;
    DiskState diskState_;
};
