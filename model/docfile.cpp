// Minimal document file functions so that vexlor-cli links on this branch; the full ones
// come with the document file work.
#include "model/docfile.h"

#include "base/wio.h"
#include "base/wstream.h"
#include "model/vexlordoc.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {
const unsigned char kSignature[17] = {'A', 't', 'l', 'a', 'n', 't', 'i',  's', ' ',
                                      'V', 'e', 'x', 'l', 'o', 'r', 0x1A, 0x00};
}

int WriteDocFile(owstream& os, VexlorDoc& doc) {
    os.write(kSignature, sizeof kSignature);
    WriteU32(os, 1);
    doc.write(os);
    if (!os.flush()) return 1;
    doc.SetModified(false);
    return 0;
}

DocReadResult ReadDocFile(iwstream& is, VexlorDoc& doc) {
    unsigned char signature[sizeof kSignature] = {};
    is.read(signature, sizeof signature);
    if (std::memcmp(signature, kSignature, sizeof signature) != 0) return DocNotADocument;
    uint32_t version = 0;
    if (!ReadU32(is, version)) return DocReadFailed;
    if (version != 1) return DocWrongVersion;
    return doc.read(is, version) == 0 ? DocRead : DocReadFailed;
}

DocSaveResult SaveDocFile(VexlorDoc& doc, const char* path) {
    std::string temp = std::string(path) + ".tmp";
    {
        ofwstream out(temp.c_str(), true, true);
        if (!out.good()) return DocSaveCannotOpen;
        if (WriteDocFile(out, doc) != 0 || !out.Close()) {
            std::remove(temp.c_str());
            return DocSaveWriteFailed;
        }
    }
    if (std::rename(temp.c_str(), path) != 0) {
        std::remove(temp.c_str());
        return DocSaveWriteFailed;
    }
    doc.SetFileName(path);
    return DocSaved;
}

DocReadResult OpenDocFile(VexlorDoc& doc, const char* path) {
    doc.Clear();
    ifwstream in(path);
    if (!in.good()) return DocCannotOpen;
    DocReadResult result = ReadDocFile(in, doc);
    if (result == DocRead || result == DocReadFailed) doc.SetFileName(path);
    return result;
}
