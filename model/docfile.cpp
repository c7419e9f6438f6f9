#include "model/docfile.h"

#include "base/inputfile.h"
#include "base/replacefile.h"
#include "base/wio.h"
#include "base/wstream.h"
#include "model/extarea.h"
#include "model/records.h"
#include "model/vexlordoc.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr unsigned char kSignature[kDocSignatureSize] = {
    'A', 't', 'l', 'a', 'n', 't', 'i', 's', ' ', 'V', 'e', 'x', 'l', 'o', 'r', 0x1A, 0x00};
constexpr uint32_t kVersion = 1;

} // namespace

bool WriteDocImage(owstream& os, const VexlorDoc& doc) {
    os.write(kSignature, sizeof kSignature);
    WriteU32(os, kVersion);
    doc.write(os);
    WriteExtArea(os, doc);
    // The last partly filled block must reach the channel before the state means anything.
    return os.flush();
}

int WriteDocFile(owstream& os, VexlorDoc& doc) {
    if (!WriteDocImage(os, doc)) return 1;
    doc.SetModified(false);
    return 0;
}

DocReadResult ReadDocFile(const KeptBytes& file, VexlorDoc& doc, const DocReadProgress& progress) {
    const size_t got = std::min(file.size, sizeof kSignature);
    // Byte for byte equals a comparison as zero-terminated texts: the signature's only zero
    // is its last byte.
    if (got > 0 && std::memcmp(file.data, kSignature, got) != 0) return DocNotADocument;
    // A file that ends before its version holds no document at all: nothing to recover.
    if (got < sizeof kSignature) return DocNotADocument;
    ByteReader in(file);
    uint32_t version = 0;
    if (!in.Skip(got) || !in.U32(version)) return DocNotADocument;
    if (version != kVersion) return DocWrongVersion;
    // The turns count once as they are read and once more as the area's parts of them are
    // walked, for on a long game the area is as large as the records before it.
    int turns = 0, parts = 0;
    auto steps = [&] { return 2 * turns + 2; };
    ExtPartRead partRead;
    if (progress) {
        in.turnRead = [&](unsigned done, unsigned count) {
            turns = static_cast<int>(count);
            progress(static_cast<int>(done), steps());
        };
        partRead = [&] { progress(turns + 1 + std::min(++parts, turns), steps()); };
    }
    if (!doc.Read(in)) return DocReadFailed;
    if (progress) progress(turns + 1, steps()); // indexed
    // Whatever the area holds, the version-1 part read completely stands.
    ReadExtArea(in.Rest(), doc, ExtReading::WhenAsked, partRead);
    if (progress) progress(steps(), steps());
    return DocRead;
}

namespace {

DocSaveResult SaveFailure(const SafeFileWriter& file, int* error) {
    if (error) *error = file.Error();
    switch (file.GetResult()) {
    case SafeFileWriter::ReadOnly:
        return DocSaveReadOnly;
    case SafeFileWriter::ChangedMeanwhile:
        return DocSaveChanged;
    case SafeFileWriter::NotAFile:
    case SafeFileWriter::CannotCreate:
        return DocSaveCannotOpen;
    default:
        return DocSaveWriteFailed;
    }
}

} // namespace

DocSaveResult SaveDocFile(VexlorDoc& doc, const char* path, int* error) {
    if (error) *error = 0;
    const VexlorDoc::DiskState& disk = doc.GetDiskState();
    bool known = path && !disk.path.empty() && disk.path == path;
    SafeFileWriter file(path, known ? &disk.identity : nullptr);
    if (!file.IsOpen()) return SaveFailure(file, error);
    bool written;
    bool beyondLimits;
    {
        obwstream os(file.Channel(), 64 * 1024);
        written = WriteDocImage(os, doc);
        beyondLimits = (os.rdstate() & wstream::BeyondFormat) != 0;
    }
    if (beyondLimits) return DocSaveBeyondLimits;
    if (!written) {
        // The channel's own reason: a full disk, a file-size limit, a read-only file system.
        if (error) *error = file.Channel().Error();
        return DocSaveWriteFailed;
    }
    if (!file.Commit()) return SaveFailure(file, error);
    doc.SetFileName(path);
    doc.SetDiskState(path, file.Written());
    doc.SetModified(false);
    return DocSaved;
}

bool StartsAsDocFile(const char* path) {
    InputFile file(path);
    if (file.GetResult() != InputFile::Opened) return false;
    unsigned char head[kDocSignatureSize];
    return file.Stream().read(head, sizeof head) == static_cast<long>(sizeof head) &&
           std::memcmp(head, kSignature, sizeof head) == 0;
}

DocReadResult OpenDocFile(VexlorDoc& doc, const char* path, const DocReadProgress& progress) {
    doc.Clear();
    InputFile file(path);
    if (file.GetResult() == InputFile::NotRegular) return DocNotAFile;
    if (file.GetResult() != InputFile::Opened) {
        errno = file.Error();
        return DocCannotOpen;
    }
    // Read in place, so that turns can keep their records as the file's bytes.
    errno = 0;
    std::shared_ptr<const FileImage> image = file.Bytes();
    if (!image) {
        if (errno == 0) errno = ENOMEM;
        return DocCannotOpen;
    }
    if (!file.Unchanged()) return DocChangedWhileRead;
    DocReadResult result = ReadDocFile(KeptBytes::Of(std::move(image)), doc, progress);
    // A file of another kind or version keeps no name, so that a save cannot overwrite it.
    if (result == DocRead || result == DocReadFailed) {
        doc.SetFileName(path);
        doc.SetDiskState(path, file.Identity());
    }
    return result;
}
