#include "base/filelock.h"

#include "base/fileidentity.h"

#include <cerrno>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// The descriptor to lock for path: the file, or its folder while there is no file.
int OpenLockTarget(const char* path, bool& isFolder) {
    // No wait for a FIFO's writer; the read that follows refuses anything but a file.
    int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    isFolder = fd < 0 && errno == ENOENT;
    if (isFolder) fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd;
}

// Still what path names: a save by the last holder replaced the file it had locked.
bool StillCurrent(int fd, const char* path, bool isFolder) {
    FileIdentity now = FileIdentity::OfPath(path);
    if (isFolder) return !now.exists;
    FileIdentity locked = FileIdentity::OfDescriptor(fd);
    return now.exists && now.device == locked.device && now.inode == locked.inode;
}

} // namespace

bool FileLock::Acquire(const char* path, int waitMs) {
    Release();
    if (!path || !*path) return true;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        bool isFolder = false;
        int fd = OpenLockTarget(path, isFolder);
        if (fd < 0) return true;
        int locked = ::flock(fd, LOCK_EX | LOCK_NB);
        // A file system without locks leaves the check at save as the only guard.
        if (locked != 0 && errno != EWOULDBLOCK && errno != EINTR) locked = 0;
        if (locked == 0 && StillCurrent(fd, path, isFolder)) {
            fd_ = fd;
            return true;
        }
        ::close(fd);
        if (std::chrono::steady_clock::now() >= deadline) return false;
        // Locked but replaced meanwhile: the new file is taken at once; else wait a little.
        if (locked != 0) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void FileLock::Release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}
