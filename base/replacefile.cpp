#include "base/replacefile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file a path stands for: a link is followed so that the rename replaces the file it names.
std::string TargetOf(const char* path) {
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

SafeFileWriter::SafeFileWriter(const char* path) {
    if (!path || !*path) return;
    target_ = TargetOf(path);
    struct stat old;
    bool existed = ::stat(target_.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) return;
    int fd = CreateTemporary(target_, temp_);
    if (fd < 0) return;
    // The new file takes the old one's permissions, as an overwrite in place would keep them.
    if (existed) permissionsKept_ = ::fchmod(fd, old.st_mode & 07777) == 0;
    channel_.Attach(fd);
}

SafeFileWriter::~SafeFileWriter() {
    if (!temp_.empty()) Abandon();
}

void SafeFileWriter::Abandon() {
    channel_.Close();
    ::unlink(temp_.c_str());
    temp_.clear();
}

bool SafeFileWriter::Commit() {
    if (!IsOpen()) return false;
    bool ok = permissionsKept_ && channel_.Sync();
    ok = channel_.Close() && ok;
    if (!ok || std::rename(temp_.c_str(), target_.c_str()) != 0) {
        Abandon();
        return false;
    }
    temp_.clear();
    SyncDirectoryOf(target_);
    return true;
}

bool ReplaceFileContents(const char* path, std::string_view data) {
    SafeFileWriter file(path);
    if (!file.IsOpen()) return false;
    long n = static_cast<long>(data.size());
    if (file.Channel().write(data.data(), n) != n) return false;
    return file.Commit();
}
