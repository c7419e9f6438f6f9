#pragma once

#include "base/fileidentity.h"
#include "base/fileimage.h"
#include "base/wstream.h"
#include "base/wstreambuf.h"

#include <memory>

// A file opened for reading that can never block or flood the reader: only a regular file is
// read (a FIFO, a device or a folder is refused before a byte is read, and opening does not
// wait for a FIFO's writer), and a file larger than the limit is refused by its size.
class InputFile {
public:
    enum Result { Opened, CannotOpen, NotRegular, TooLarge };

    // maxBytes < 0: no limit.
    InputFile(const char* path, long long maxBytes = -1, size_t bufferSize = 64 * 1024);
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    Result GetResult() const { return result_; }
    // The system's error number when the file could not be opened.
    int Error() const { return error_; }
    // The file that was opened.
    const FileIdentity& Identity() const { return identity_; }
    // The bytes, when Opened; a stream without a channel otherwise.
    iwstream& Stream() { return *stream_; }
    // The whole file in memory, when Opened (null otherwise or when that fails), for reading
    // in place instead of through Stream(), which it does not move.
    std::shared_ptr<const FileImage> Bytes() const;
    // Whether the file is still the one Identity() describes: false once another program has
    // written, cut or replaced it in place since it was opened, so that bytes read meanwhile
    // may belong to neither version.
    bool Unchanged() const;

private:
    Result result_ = CannotOpen;
    int error_ = 0;
    FileIdentity identity_;
    size_t size_ = 0;
    fwstreambuf file_;
    std::unique_ptr<iwstream> stream_;
};
