#include "base/picturetarget.h"

#include "base/fileidentity.h"

#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A regular file that begins with the PNG signature; opened without waiting on a FIFO.
bool IsPngFile(const char* path) {
    int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st;
    unsigned char head[8] = {};
    bool png = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
               ::read(fd, head, sizeof head) == static_cast<ssize_t>(sizeof head) &&
               std::memcmp(head, "\x89PNG\r\n\x1a\n", sizeof head) == 0;
    ::close(fd);
    return png;
}

} // namespace

PictureTarget CheckPictureTarget(const char* path, const char* documentPath) {
    FileIdentity target = FileIdentity::OfPath(path);
    if (documentPath) {
        FileIdentity document = FileIdentity::OfPath(documentPath);
        bool same = target.exists && document.exists && target.device == document.device &&
                    target.inode == document.inode;
        if (same || (!target.exists && path && std::strcmp(path, documentPath) == 0))
            return PictureTarget::IsTheDocument;
    }
    struct stat st;
    // A dangling link is something there: what it names is not known to be free.
    if (!target.exists && path && ::lstat(path, &st) != 0) return PictureTarget::Free;
    return IsPngFile(path) ? PictureTarget::Free : PictureTarget::NotAPicture;
}
