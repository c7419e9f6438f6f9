#include "base/wstream.h"

#include <algorithm>
#include <cstring>

iwstream::iwstream(wstreambuf* channel, size_t bufferSize)
    : channel_(channel), buffer_(std::max<size_t>(bufferSize, 1)) {
    if (!channel_ || !channel_->IsValid()) state_ |= NoChannel;
    begin_ = cur_ = end_ = buffer_.data();
}

iwstream::iwstream(const void* data, size_t n) : channel_(nullptr) {
    begin_ = cur_ = static_cast<const unsigned char*>(data);
    end_ = begin_ + (data ? n : 0);
}

bool iwstream::Fill() {
    if (!channel_ || buffer_.empty() || (state_ & (IoError | NoChannel))) return false;
    long n = channel_->read(buffer_.data(), static_cast<long>(buffer_.size()));
    if (n < 0) {
        state_ |= IoError;
        return false;
    }
    begin_ = cur_ = buffer_.data();
    end_ = begin_ + n;
    return n > 0;
}

int iwstream::GetSlow() {
    if (!Fill()) {
        state_ |= ShortTransfer;
        return -1;
    }
    return *cur_++;
}

long iwstream::ReadSlow(void* dst, long n) {
    if (n <= 0) return 0;
    auto* out = static_cast<unsigned char*>(dst);
    long total = 0;
    while (total < n) {
        if (cur_ == end_ && !Fill()) break;
        size_t chunk = std::min(static_cast<size_t>(end_ - cur_), static_cast<size_t>(n - total));
        std::memcpy(out + total, cur_, chunk);
        cur_ += chunk;
        total += static_cast<long>(chunk);
    }
    if (total < n) state_ |= ShortTransfer;
    return total;
}

bool iwstream::seekrel(long delta) {
    if (delta >= begin_ - cur_ && delta <= end_ - cur_) {
        cur_ += delta;
        return true;
    }
    if (!channel_) return false;
    long here = channel_->tell();
    if (here < 0) return false;
    long target = here - static_cast<long>(end_ - cur_) + delta;
    if (target < 0 || channel_->seek(target, wstreambuf::Begin) < 0) return false;
    begin_ = cur_ = end_ = buffer_.data();
    return true;
}

owstream::owstream(wstreambuf* channel, size_t bufferSize)
    : channel_(channel), buffer_(bufferSize) {
    if (channel_ && !channel_->IsValid()) state_ |= NoChannel;
}

owstream::~owstream() {
    flush();
}

long owstream::WriteSlow(const void* src, long n) {
    if (n <= 0) return 0;
    if (!channel_) {
        state_ |= NoChannel;
        return 0;
    }
    const auto* p = static_cast<const unsigned char*>(src);
    if (used_ + static_cast<size_t>(n) <= buffer_.size()) {
        std::memcpy(buffer_.data() + used_, p, static_cast<size_t>(n));
        used_ += static_cast<size_t>(n);
        return n;
    }
    if (!flush()) return 0;
    if (static_cast<size_t>(n) < buffer_.size()) {
        std::memcpy(buffer_.data(), p, static_cast<size_t>(n));
        used_ = static_cast<size_t>(n);
        return n;
    }
    long written = channel_->write(p, n);
    if (written < 0)
        state_ |= IoError;
    else if (written < n)
        state_ |= ShortTransfer;
    return std::max(written, 0L);
}

bool owstream::seekrel(long delta) {
    if (!flush() || !channel_) return false;
    return channel_->seek(delta, wstreambuf::Current) >= 0;
}

bool owstream::flush() {
    if (used_ == 0 || !channel_) return good();
    long written = (state_ & (IoError | NoChannel))
                       ? -1
                       : channel_->write(buffer_.data(), static_cast<long>(used_));
    if (written < 0)
        state_ |= IoError;
    else if (static_cast<size_t>(written) < used_)
        state_ |= ShortTransfer;
    used_ = 0;
    return good();
}

ifwstream::ifwstream(const char* path, size_t bufferSize)
    : ifwstream(std::make_unique<ifwstreambuf>(path), bufferSize) {}

ifwstream::ifwstream(std::unique_ptr<ifwstreambuf> file, size_t bufferSize)
    : iwstream(file.get(), bufferSize), file_(std::move(file)) {}

ofwstream::ofwstream(const char* path, bool create, bool truncate)
    : ofwstream(std::make_unique<ofwstreambuf>(path, create, truncate)) {}

ofwstream::ofwstream(std::unique_ptr<ofwstreambuf> file)
    : owstream(file.get(), 512), file_(std::move(file)) {}

ofwstream::~ofwstream() {
    flush();
}

bool ofwstream::Sync() {
    return flush() && file_->Sync();
}

bool ofwstream::Close() {
    bool ok = flush();
    if (!file_->Close()) {
        setstate(IoError);
        ok = false;
    }
    return ok;
}
