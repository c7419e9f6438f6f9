// Any bytes as a document file. Beyond not crashing, leaking or allocating without bound:
// read in place as a file opens (turns keeping their locations as the bytes) and read from a
// plain stream (every object made at once), it gives the same result and writes the same
// bytes; what was read writes back and reads back to the same bytes, also once every turn
// made its locations; a complete read writes the input's own bytes as its version-1 part, a
// refused file leaves the document empty, the location index finds what a search from the
// start finds, the JSON of the document can be made, and the extension area read as a file
// opens (each turn's part kept as bytes until asked for) gives what reading every turn at once
// gives.
#include "base/wstream.h"
#include "cli/docjson.h"
#include "model/docfile.h"
#include "model/extarea.h"
#include "model/keptbytes.h"
#include "model/vexlordoc.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

const LocationNode* SearchFromStart(const TurnNode& turn, const AtlCoord& coord) {
    for (const LocationNode* loc = turn.Locations().GetFirst(); loc; loc = loc->Next())
        if (loc->coord == coord) return loc;
    return nullptr;
}

std::vector<unsigned char> Written(VexlorDoc& doc) {
    omwstream out;
    Check(WriteDocFile(out, doc) == 0);
    return out.Bytes();
}

std::string Json(const VexlorDoc& doc) {
    std::string json;
    AppendDocJson(json, doc);
    return json;
}

// The input's area (from offset area on) read with every turn at once, against doc as the
// program read it: before any of doc's turns was asked for, and after every one was.
void CompareWithReadingAtOnce(VexlorDoc& doc, const uint8_t* data, size_t size, size_t area) {
    VexlorDoc atOnce;
    Check(ReadDocFile(KeptBytes::Copy(data, size), atOnce) == DocRead);
    atOnce.Extras() = DocExtras();
    for (TurnNode* t = atOnce.FirstTurn(); t; t = t->Next())
        t->extras = {};
    ReadExtArea(KeptBytes::Copy(data + area, size - area), atOnce, ExtReading::AtOnce);
    Check(atOnce.Extras().damaged == doc.Extras().damaged);
    const std::vector<unsigned char> bytes = Written(atOnce);
    Check(Written(doc) == bytes);
    Check(Json(doc) == Json(atOnce));
    for (const TurnNode *t = atOnce.FirstTurn(), *u = doc.FirstTurn(); t && u;
         t = t->Next(), u = u->Next())
        Check((t->extras.Find() == nullptr) == (u->extras.Find() == nullptr));
    Check(Written(doc) == bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VexlorDoc doc;
    DocReadResult result = ReadDocFile(KeptBytes::Copy(data, size), doc);
    // The same document with every turn's locations made into objects.
    VexlorDoc made;
    Check(ReadDocFile(KeptBytes::Copy(data, size), made) == result);
    for (const TurnNode& turn : made.Turns())
        turn.Locations();
    if (result == DocNotADocument || result == DocWrongVersion) {
        Check(doc.Turns().IsEmpty() && doc.GetFaction().Number() == 0);
        return 0;
    }

    // The version-1 records alone, after the signature and the version: the extension area
    // after them is written in its own normal form, which need not be the input's.
    omwstream records;
    Check(doc.write(records) == 0 && records.flush());
    const auto& v1 = records.Bytes();
    const size_t framing = kDocSignatureSize + 4;
    // A text of 65535 bytes, which needs an input at least that long, is read but written
    // capped at 65534.
    if (result == DocRead && size < 0xFFFF) {
        Check(framing + v1.size() <= size &&
              std::memcmp(v1.data(), data + framing, v1.size()) == 0);
        CompareWithReadingAtOnce(doc, data, size, framing + v1.size());
    }

    omwstream first;
    Check(WriteDocFile(first, doc) == 0);
    const auto& bytes = first.Bytes();
    omwstream madeBytes;
    Check(WriteDocFile(madeBytes, made) == 0);
    Check(madeBytes.Bytes() == bytes);

    VexlorDoc back;
    Check(ReadDocFile(KeptBytes::Copy(bytes.data(), bytes.size()), back) == DocRead);
    omwstream second;
    Check(WriteDocFile(second, back) == 0);
    Check(second.Bytes() == bytes);

    for (const TurnNode& turn : doc.Turns())
        for (const LocationNode& loc : turn.Locations())
            Check(turn.FindLoc(loc.coord) == SearchFromStart(turn, loc.coord));

    omwstream unpacked;
    Check(WriteDocFile(unpacked, doc) == 0);
    Check(unpacked.Bytes() == bytes);

    std::string json;
    AppendDocJson(json, doc);
    for (char c : json)
        Check(static_cast<unsigned char>(c) >= 0x20);
    return 0;
}
