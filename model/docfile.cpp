// Stand-in for the document file until the real reader and writer arrive: the same framing,
// without the safe-save steps.
#include "model/docfile.h"

#include "base/wio.h"
#include "base/wstream.h"
#include "model/vexlordoc.h"

#include <cstring>

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
    unsigned char signature[sizeof kSignature];
    if (is.read(signature, sizeof signature) != sizeof signature ||
        std::memcmp(signature, kSignature, sizeof signature) != 0)
        return DocNotADocument;
    uint32_t version = 0;
    if (!ReadU32(is, version)) return DocReadFailed;
    if (version != 1) return DocWrongVersion;
    return doc.read(is, version) == 0 ? DocRead : DocReadFailed;
}

DocSaveResult SaveDocFile(VexlorDoc& doc, const char* path) {
    ofwstream out(path, true, true);
    if (!out.good()) return DocSaveCannotOpen;
    if (WriteDocFile(out, doc) != 0 || !out.Close()) return DocSaveWriteFailed;
    doc.SetFileName(path);
    return DocSaved;
}

DocReadResult OpenDocFile(VexlorDoc& doc, const char* path) {
    doc.Clear();
    ifwstream in(path, 64 * 1024);
    if (!in.good()) return DocCannotOpen;
    doc.SetFileName(path);
    return ReadDocFile(in, doc);
}
