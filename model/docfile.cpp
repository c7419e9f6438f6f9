#include "model/docfile.h"

#include "base/wio.h"
#include "base/wstream.h"
#include "base/wstreambuf.h"
#include "model/vexlordoc.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr unsigned char kSignature[kDocSignatureSize] = {
    'A', 't', 'l', 'a', 'n', 't', 'i', 's', ' ', 'V', 'e', 'x', 'l', 'o', 'r', 0x1A, 0x00};
constexpr uint32_t kVersion = 1;

// The framing and the document, without touching the modified flag.
bool WriteFramed(owstream& os, const VexlorDoc& doc) {
    os.write(kSignature, sizeof kSignature);
    WriteU32(os, kVersion);
    doc.write(os);
    // The last partly filled block must reach the channel before the state means anything.
    return os.flush();
}

// Where the bytes of path really live: a link is followed so that the save replaces the
// file it names, not the link.
std::string ResolveTarget(const char* path) {
    struct stat st;
    if (::lstat(path, &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path, nullptr)) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
    }
    return path;
}

// A fresh file beside target, made exclusively so that nothing existing is opened.
int CreateTemporary(const std::string& target, std::string& tempPath) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        tempPath = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Makes a finished rename survive a crash; a failure here loses nothing already written.
void SyncDirectoryOf(const std::string& target) {
    size_t slash = target.rfind('/');
    std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
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
    if (got < static_cast<long>(sizeof signature)) return DocReadFailed;
    uint32_t version = 0;
    if (!ReadU32(is, version)) return DocReadFailed;
    if (version != kVersion) return DocWrongVersion;
    return doc.read(is, version) == 0 ? DocRead : DocReadFailed;
}

DocSaveResult SaveDocFile(VexlorDoc& doc, const char* path) {
    if (!path || !*path) return DocSaveCannotOpen;
    std::string target = ResolveTarget(path);
    struct stat old;
    bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) return DocSaveCannotOpen;

    std::string tempPath;
    int fd = CreateTemporary(target, tempPath);
    if (fd < 0) return DocSaveCannotOpen;
    // The new file takes the old one's permissions, as an overwrite in place would keep them.
    bool ok = !existed || ::fchmod(fd, old.st_mode & 07777) == 0;
    {
        fwstreambuf channel(fd);
        {
            obwstream os(channel, 64 * 1024);
            ok = WriteFramed(os, doc) && ok;
        }
        ok = channel.Sync() && ok;
        ok = channel.Close() && ok;
    }
    if (!ok || ::rename(tempPath.c_str(), target.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return DocSaveWriteFailed;
    }
    SyncDirectoryOf(target);
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
