#pragma once

#include "base/wstreambuf.h"

#include <cstddef>
#include <cstring>
#include <memory>
#include <vector>

// The state word shared by the word streams; 0 is good.
class wstream {
public:
    // BeyondFormat: a value the format being written cannot hold (a count wider than its
    // field), said by the writer rather than the channel.
    enum StateBits { ShortTransfer = 1, IoError = 2, NoChannel = 4, BeyondFormat = 8 };

    int rdstate() const { return state_; }
    bool good() const { return state_ == 0; }
    void setstate(int bits) { state_ |= bits; }
    void clear(int state = 0) { state_ = state; }

protected:
    int state_ = 0;
};

// Byte input over a channel (not owned), read through a buffer of the given size.
class iwstream : public wstream {
public:
    explicit iwstream(wstreambuf* channel, size_t bufferSize = 1);
    iwstream(const iwstream&) = delete;
    iwstream& operator=(const iwstream&) = delete;
    virtual ~iwstream() = default;

    // The next byte, or -1 at the end of input (short transfer) or on an error.
    int get() {
        if (cur_ < end_) return *cur_++;
        return GetSlow();
    }
    // Reads up to n bytes; fewer sets the short-transfer bit. Returns the count.
    long read(void* dst, long n) {
        // The small fields of the document file are nearly always in the buffer already.
        if (n > 0 && end_ - cur_ >= n) {
            std::memcpy(dst, cur_, static_cast<size_t>(n));
            cur_ += n;
            return n;
        }
        return ReadSlow(dst, n);
    }
    // Moves the read position by delta bytes from where it is; false on failure.
    bool seekrel(long delta);
    // How many bytes can be read without going to the channel: for memory input, all that is
    // left.
    size_t Buffered() const { return static_cast<size_t>(end_ - cur_); }

protected:
    // Memory input: the stream reads the bytes in place and has no channel.
    iwstream(const void* data, size_t n);
    // For memory input: how many bytes were read so far.
    size_t BufferPosition() const { return static_cast<size_t>(cur_ - begin_); }

private:
    int GetSlow();
    long ReadSlow(void* dst, long n);
    bool Fill();

    wstreambuf* channel_;
    std::vector<unsigned char> buffer_;
    const unsigned char* begin_ = nullptr;
    const unsigned char* cur_ = nullptr;
    const unsigned char* end_ = nullptr;
};

// Byte output over a channel (not owned), collected in a buffer of the given size.
class owstream : public wstream {
public:
    explicit owstream(wstreambuf* channel, size_t bufferSize = 0);
    owstream(const owstream&) = delete;
    owstream& operator=(const owstream&) = delete;
    // Writes what is left in the buffer; call flush first to learn whether that worked.
    virtual ~owstream();

    void put(unsigned char c) { write(&c, 1); }
    long write(const void* src, long n) {
        if (n > 0 && channel_ && buffer_.size() - used_ >= static_cast<size_t>(n)) {
            std::memcpy(buffer_.data() + used_, src, static_cast<size_t>(n));
            used_ += static_cast<size_t>(n);
            return n;
        }
        return WriteSlow(src, n);
    }
    // Moves the write position by delta bytes; false on failure.
    bool seekrel(long delta);
    // Hands the buffer to the channel; answers whether the stream is good afterwards.
    bool flush();

protected:
    // For forms whose channel is a member, built after this base.
    void SetChannel(wstreambuf* channel) { channel_ = channel; }

private:
    long WriteSlow(const void* src, long n);

    wstreambuf* channel_;
    std::vector<unsigned char> buffer_;
    size_t used_ = 0;
};

class ibwstream : public iwstream {
public:
    ibwstream(wstreambuf& channel, int size) : iwstream(&channel, size > 0 ? size : 1) {}
};

class obwstream : public owstream {
public:
    obwstream(wstreambuf& channel, int size) : owstream(&channel, size > 0 ? size : 0) {}
};

// Buffered file input with a 512-byte buffer.
class ifwstream : public iwstream {
public:
    explicit ifwstream(const char* path, size_t bufferSize = 512);

private:
    explicit ifwstream(std::unique_ptr<ifwstreambuf> file, size_t bufferSize);
    std::unique_ptr<ifwstreambuf> file_;
};

// Buffered file output with a 512-byte buffer.
class ofwstream : public owstream {
public:
    ofwstream(const char* path, bool create, bool truncate);
    ~ofwstream() override;
    bool Sync();
    // Flushes and closes the file; answers whether every byte reached it.
    bool Close();

private:
    explicit ofwstream(std::unique_ptr<ofwstreambuf> file);
    std::unique_ptr<ofwstreambuf> file_;
};

// Input from bytes in memory, read in place (the bytes must outlive the stream).
class imwstream : public iwstream {
public:
    imwstream(const void* data, size_t n) : iwstream(data, n) {}
    size_t Position() const { return BufferPosition(); }
};

// Output into memory.
class omwstream : public owstream {
public:
    omwstream() : owstream(nullptr, 0) { SetChannel(&memory_); }
    const std::vector<unsigned char>& Bytes() const { return memory_.Bytes(); }

private:
    mwstreambuf memory_;
};
