#include "model/docfile.h"

#include "base/replacefile.h"
#include "base/wio.h"
#include "base/wstream.h"
#include "base/wstreambuf.h"
#include "model/extarea.h"
#include "model/vexlordoc.h"

#include <cstring>

namespace {

constexpr unsigned char kSignature[kDocSignatureSize] = {
    'A', 't', 'l', 'a', 'n', 't', 'i', 's', ' ', 'V', 'e', 'x', 'l', 'o', 'r', 0x1A, 0x00};
constexpr uint32_t kVersion = 1;

// The framing and the document, without touching the modified flag.
bool WriteFramed(owstream& os, const VexlorDoc& doc) {
    os.write(kSignature, sizeof kSignature);
    WriteU32(os, kVersion);
    doc.write(os);
    WriteExtArea(os, doc);
    // The last partly filled block must reach the channel before the state means anything.
    return os.flush();
}

} // namespace

int WriteDocFile(owstream& os, VexlorDoc& doc) {
    if (!WriteFramed(os, doc)) return 1;
    doc.SetModified(false);
    return 0;
}

DocReadResult ReadDocFile(iwstream& is, VexlorDoc& doc) {
    unsigned char signature[kDocSignatureSize];
    long got = is.read(signature, sizeof signature);
    // Byte for byte equals a comparison as zero-terminated texts: the signature's only zero
    // is its last byte.
    if (std::memcmp(signature, kSignature, static_cast<size_t>(got)) != 0) return DocNotADocument;
    // A file that ends before its version holds no document at all: nothing to recover.
    if (got < static_cast<long>(sizeof signature)) return DocNotADocument;
    uint32_t version = 0;
    if (!ReadU32(is, version)) return DocNotADocument;
    if (version != kVersion) return DocWrongVersion;
    if (doc.read(is, version) != 0) return DocReadFailed;
    // Whatever the area holds, the version-1 part read completely stands.
    ReadExtArea(is, doc);
    return DocRead;
}

DocSaveResult SaveDocFile(VexlorDoc& doc, const char* path) {
    SafeFileWriter file(path);
    if (!file.IsOpen()) return DocSaveCannotOpen;
    bool written;
    {
        obwstream os(file.Channel(), 64 * 1024);
        written = WriteFramed(os, doc);
    }
    if (!written || !file.Commit()) return DocSaveWriteFailed;
    doc.SetFileName(path);
    doc.SetModified(false);
    return DocSaved;
}

DocReadResult OpenDocFile(VexlorDoc& doc, const char* path) {
    doc.Clear();
    ifwstream in(path, 64 * 1024);
    if (!in.good()) return DocCannotOpen;
    DocReadResult result = ReadDocFile(in, doc);
    // A file of another kind or version keeps no name, so that a save cannot overwrite it.
    if (result == DocRead || result == DocReadFailed) doc.SetFileName(path);
    return result;
}
