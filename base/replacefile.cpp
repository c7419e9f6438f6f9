#include "base/replacefile.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kTempMark = ".vexlor-save-";
// How the temporaries of earlier versions were named.
constexpr const char* kOldTempMark = ".tmp";

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// A fresh file beside target, made exclusively so that nothing existing is opened.
int CreateTemporary(const std::string& target, std::string& tempPath) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        tempPath = target + kTempMark + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Makes a finished rename survive a crash; a failure here loses nothing already written.
void SyncFolderOf(const std::string& target) {
    int fd = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The process id in a temporary's name after its mark ("<pid>-<n>"), or 0 when the rest of
// the name is not of that form.
long TemporaryOwner(std::string_view rest) {
    size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash + 1 == rest.size()) return 0;
    for (size_t i = 0; i < rest.size(); ++i)
        if (i != dash && (rest[i] < '0' || rest[i] > '9')) return 0;
    return std::strtol(std::string(rest.substr(0, dash)).c_str(), nullptr, 10);
}

// Removes the temporaries of target whose saving process has ended.
void RemoveLeftovers(const std::string& target) {
    std::string name = target.substr(target.rfind('/') + 1);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(FolderOf(target), error)) {
        std::string file = entry.path().filename().string();
        for (std::string prefix : {name + kTempMark, name + kOldTempMark}) {
            if (file.compare(0, prefix.size(), prefix) != 0) continue;
            long owner = TemporaryOwner(std::string_view(file).substr(prefix.size()));
            if (owner > 0 && ::kill(static_cast<pid_t>(owner), 0) != 0 && errno == ESRCH)
                ::unlink(entry.path().c_str());
        }
    }
}

} // namespace

std::string FollowLinks(const char* path) {
    std::string current = path ? path : "";
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::string link(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096), '\0');
        ssize_t n = ::readlink(current.c_str(), link.data(), link.size());
        if (n <= 0) return current;
        link.resize(static_cast<size_t>(n));
        current = link[0] == '/' ? link : FolderOf(current) + "/" + link;
    }
    return current;
}

SafeFileWriter::SafeFileWriter(const char* path, const FileIdentity* expected) {
    if (!path || !*path) {
        Fail(CannotCreate, ENOENT);
        return;
    }
    // Past a file-size limit the write must fail (EFBIG) and say so, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    target_ = FollowLinks(path);
    if (expected) {
        expected_ = *expected;
        checkExpected_ = true;
    }
    struct stat old;
    bool existed = ::stat(target_.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode))
        Fail(NotAFile, 0);
    else if (existed && IsReadOnlyFile(target_.c_str()))
        Fail(ReadOnly, 0);
    else if (checkExpected_ && !(FileIdentity::OfPath(target_.c_str()) == expected_))
        Fail(ChangedMeanwhile, 0);
    if (result_ != Ok) return;
    int fd = CreateTemporary(target_, temp_);
    if (fd < 0) {
        Fail(CannotCreate, errno);
        temp_.clear();
        return;
    }
    channel_.Attach(fd);
    if (existed) {
        // The owner where the program may set it (it may not, unless it is the superuser),
        // then the permissions, which a change of owner would have cleared of set-id bits.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) errno = 0;
        if (::fchmod(fd, old.st_mode & 07777) != 0) Fail(WriteFailed, errno);
    }
}

SafeFileWriter::~SafeFileWriter() {
    if (!temp_.empty()) Abandon();
}

void SafeFileWriter::Fail(Result result, int error) {
    if (result_ == Ok) {
        result_ = result;
        error_ = error;
    }
}

void SafeFileWriter::Abandon() {
    channel_.Close();
    ::unlink(temp_.c_str());
    temp_.clear();
}

bool SafeFileWriter::Commit() {
    if (!IsOpen() || result_ != Ok) {
        if (!temp_.empty()) Abandon();
        return false;
    }
    bool ok = channel_.Sync();
    FileIdentity written = FileIdentity::OfDescriptor(channel_.Descriptor());
    ok = channel_.Close() && ok;
    if (!ok) {
        Fail(WriteFailed, channel_.Error());
    } else if (checkExpected_ && !(FileIdentity::OfPath(target_.c_str()) == expected_)) {
        // Another program wrote the file while this one was writing its copy.
        Fail(ChangedMeanwhile, 0);
    } else if (std::rename(temp_.c_str(), target_.c_str()) != 0) {
        Fail(WriteFailed, errno);
    }
    if (result_ != Ok) {
        Abandon();
        return false;
    }
    temp_.clear();
    written_ = written;
    SyncFolderOf(target_);
    RemoveLeftovers(target_);
    return true;
}

bool IsReadOnlyFile(const char* path) {
    struct stat st;
    if (!path || ::stat(path, &st) != 0) return false;
    // Mode bits first: the superuser may write anything, but a file marked read-only stays.
    return (st.st_mode & 0222) == 0 || ::access(path, W_OK) != 0;
}

int LinkCount(const char* path) {
    struct stat st;
    if (!path || ::stat(path, &st) != 0 || !S_ISREG(st.st_mode)) return 0;
    return static_cast<int>(st.st_nlink);
}

bool ReplaceFileContents(const char* path, std::string_view data) {
    SafeFileWriter file(path);
    if (!file.IsOpen()) return false;
    long n = static_cast<long>(data.size());
    if (file.Channel().write(data.data(), n) != n) return false;
    return file.Commit();
}
