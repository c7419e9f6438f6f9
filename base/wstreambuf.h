#pragma once

#include <cstddef>
#include <vector>

// A byte channel under the word streams. read and write return the bytes moved, or -1.
class wstreambuf {
public:
    enum Origin { Begin, Current, End };

    virtual ~wstreambuf() = default;
    virtual bool IsValid() const = 0;
    // Total length of the channel, or -1 when it has none.
    virtual long maxlen() = 0;
    virtual long read(void* dst, long n) = 0;
    virtual long write(const void* src, long n) = 0;
    // New position, or -1.
    virtual long seek(long offset, Origin origin) = 0;
    virtual long tell() = 0;
    // The system's error number (errno) of the last transfer that failed; 0 while none has.
    int Error() const { return error_; }

protected:
    int error_ = 0;
};

// A channel on an operating-system file descriptor, which it closes.
class fwstreambuf : public wstreambuf {
public:
    explicit fwstreambuf(int fd = -1) : fd_(fd) {}
    fwstreambuf(const fwstreambuf&) = delete;
    fwstreambuf& operator=(const fwstreambuf&) = delete;
    ~fwstreambuf() override;

    bool IsValid() const override { return fd_ >= 0; }
    long maxlen() override;
    long read(void* dst, long n) override;
    long write(const void* src, long n) override;
    long seek(long offset, Origin origin) override;
    long tell() override;
    // Forces written data to the disk; false on failure.
    bool Sync();
    // Closes the descriptor; false when the system reports a failure (a late write error).
    bool Close();
    int Descriptor() const { return fd_; }
    // Closes what it had and takes fd.
    void Attach(int fd) {
        Close();
        fd_ = fd;
    }

protected:
    int fd_;
};

class ifwstreambuf : public fwstreambuf {
public:
    explicit ifwstreambuf(const char* path);
};

class ofwstreambuf : public fwstreambuf {
public:
    // create and truncate: create or truncate; create only: fail when the file exists;
    // truncate only: truncate an existing file; neither: write into an existing file.
    ofwstreambuf(const char* path, bool create, bool truncate);
};

// A channel over bytes in memory that it owns; writes grow it.
class mwstreambuf : public wstreambuf {
public:
    mwstreambuf() = default;
    mwstreambuf(const void* data, size_t n);

    bool IsValid() const override { return true; }
    long maxlen() override { return static_cast<long>(bytes_.size()); }
    long read(void* dst, long n) override;
    long write(const void* src, long n) override;
    long seek(long offset, Origin origin) override;
    long tell() override { return static_cast<long>(pos_); }

    const std::vector<unsigned char>& Bytes() const { return bytes_; }

private:
    std::vector<unsigned char> bytes_;
    size_t pos_ = 0;
};
