#pragma once

#include "base/wstreambuf.h"

// A channel that takes `limit` bytes and then fails, as a full disk would.
class FailingChannel : public wstreambuf {
public:
    explicit FailingChannel(long limit) : limit_(limit) {}
    bool IsValid() const override { return true; }
    long maxlen() override { return -1; }
    long read(void*, long) override { return -1; }
    long write(const void*, long n) override {
        if (taken_ + n > limit_) return -1;
        taken_ += n;
        return n;
    }
    long seek(long, Origin) override { return -1; }
    long tell() override { return taken_; }
    long Taken() const { return taken_; }

private:
    long taken_ = 0;
    long limit_;
};
