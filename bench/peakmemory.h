#pragma once

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

// How far the process's resident memory rose above where it stood while a piece of work ran:
// Linux's peak (VmHWM) is reset to the present before the work and read after it. Freed heap
// is handed back first, so that memory kept from earlier iterations does not hide the rise.
// Zero where the counters cannot be had.
class PeakMemory {
public:
    void Start() {
        malloc_trim(0);
        std::FILE* reset = std::fopen("/proc/self/clear_refs", "w");
        if (!reset) return;
        std::fputs("5", reset);
        std::fclose(reset);
        before_ = StatusKb("VmRSS:");
    }
    void Stop() { rise_ = std::max(rise_, StatusKb("VmHWM:") - before_); }

    // The largest rise seen, in bytes.
    double Bytes() const { return before_ > 0 ? static_cast<double>(rise_) * 1024 : 0; }

    // peak_MB, and peak_per_byte: the rise against the size of what was read or written.
    void Report(benchmark::State& state, double size) const {
        state.counters["peak_MB"] = Bytes() / 1e6;
        if (size > 0) state.counters["peak_per_byte"] = Bytes() / size;
    }

private:
    static long StatusKb(const char* field) {
        std::ifstream status("/proc/self/status");
        std::string name;
        long kb = 0;
        while (status >> name) {
            if (name == field && status >> kb) return kb;
            status.ignore(1 << 16, '\n');
        }
        return 0;
    }

    long before_ = 0;
    long rise_ = 0;
};
