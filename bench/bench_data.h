#pragma once

#include "report/reportlines.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

// The whole file as bytes; empty when it cannot be read.
inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

inline std::string WorldReportPath() {
    return std::string(VEXLOR_REPORTS_DIR) + "/large/head-standard-world.rep";
}

// The report with every "(x,y" coordinate moved east by dx.
inline std::string ShiftCoordinates(const std::string& text, int dx) {
    std::string out;
    out.reserve(text.size() + text.size() / 50);
    for (size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] != '(' || i + 1 >= text.size() ||
            !std::isdigit(static_cast<unsigned char>(text[i + 1])))
            continue;
        size_t j = i + 1;
        int x = 0;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])))
            x = x * 10 + (text[j++] - '0');
        if (j < text.size() && text[j] == ',') {
            out += std::to_string(x + dx);
            i = j - 1;
        }
    }
    return out;
}

// A report `factor` times the size of the world report: its region blocks repeated, each copy
// moved to fresh coordinates so that every block is a new region.
inline std::string LargerWorldReport(int factor) {
    std::string one = ReadWholeFile(WorldReportPath());
    size_t rule = one.find("\n-----------");
    if (rule == std::string::npos || factor <= 1) return one;
    size_t regions = one.rfind("\n\n", rule) + 1;
    std::string head = one.substr(0, regions), body = one.substr(regions);
    std::string text = head;
    for (int i = 0; i < factor; ++i)
        text += i == 0 ? body : ShiftCoordinates(body, 200 * i);
    return text;
}

// The world report's header and first region block with `factions` units after its exits,
// each of a faction of its own.
inline std::string ManyFactionsReport(int factions) {
    std::string one = ReadWholeFile(WorldReportPath());
    size_t region = one.find("\nplain (");
    size_t end = region == std::string::npos ? region : one.find("\n\n\n", region);
    if (end == std::string::npos) return one;
    std::string text = one.substr(0, end + 2);
    for (int i = 1; i <= factions; ++i) {
        std::string n = std::to_string(i);
        text += "- Scout (" + n + "), Faction " + n + " (" + std::to_string(i + 10) +
                "), leader [LEAD].\n";
    }
    return text + "\n";
}

// A report of `mib` MiB (just under the limit at its size) for the limits of splitting: a real
// turn report followed by empty lines (shape 0), or lines of one character (shape 1).
inline std::string FilledReport(int64_t mib, int shape) {
    auto bytes = static_cast<size_t>(std::min<int64_t>(mib << 20, kMaxReportBytes - 1));
    if (shape == 1) {
        std::string text;
        text.reserve(bytes);
        while (text.size() + 2 <= bytes)
            text += "a\n";
        return text;
    }
    std::string text =
        ReadWholeFile(std::string(VEXLOR_REPORTS_DIR) + "/head-standard/3-turn3.rep");
    if (text.size() < bytes) text.append(bytes - text.size(), '\n');
    return text;
}
