#include "base/inputfile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

InputFile::InputFile(const char* path, long long maxBytes, size_t bufferSize) {
    int fd = path ? ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC) : -1;
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        error_ = path ? errno : ENOENT;
        result_ = CannotOpen;
    } else if (!S_ISREG(st.st_mode)) {
        result_ = NotRegular;
    } else if (maxBytes >= 0 && st.st_size > maxBytes) {
        result_ = TooLarge;
    } else {
        // Reads of a regular file never wait; the flag only kept the open from waiting.
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        identity_ = FileIdentity::OfDescriptor(fd);
        size_ = static_cast<size_t>(st.st_size);
        result_ = Opened;
        file_.Attach(fd);
        fd = -1;
    }
    if (fd >= 0) ::close(fd);
    stream_ = std::make_unique<ibwstream>(file_, static_cast<int>(bufferSize));
}

std::shared_ptr<const FileImage> InputFile::Bytes() const {
    if (result_ != Opened) return nullptr;
    return FileImage::OfFile(file_.Descriptor(), size_);
}

bool InputFile::Unchanged() const {
    return result_ == Opened && FileIdentity::OfDescriptor(file_.Descriptor()) == identity_;
}
