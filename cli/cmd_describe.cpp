#include "cli/commands.h"
#include "descr/descrtree.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "model/docfile.h"
#include "model/vexlordoc.h"
#include "report/linetype.h"
#include "report/scan.h"
#include "ui/treeviewnode.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char kUsage[] = "usage: vexlor-cli describe DOC [--turn DATE] X,Y[,Z]";

// A whole signed decimal number within [low, high].
bool ParseInt(const std::string& text, long low, long high, long& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 10);
    return errno == 0 && *end == 0 && value >= low && value <= high;
}

std::string Trim(const std::string& text) {
    size_t from = text.find_first_not_of(' ');
    if (from == std::string::npos) return std::string();
    return text.substr(from, text.find_last_not_of(' ') - from + 1);
}

// The raw turn count, or a date as the program writes it: "March, Year 5".
bool ParseDate(const std::string& text, AtlDate& date) {
    long value;
    if (ParseInt(text, INT_MIN / 2, INT_MAX / 2, value)) {
        date = AtlDate(static_cast<int>(value));
        return true;
    }
    size_t comma = text.find(',');
    if (comma == std::string::npos) return false;
    int month = GetMonthNum(Trim(text.substr(0, comma)).c_str());
    std::string rest = Trim(text.substr(comma + 1));
    long year;
    if (month < 0 || rest.compare(0, 5, "Year ") != 0 ||
        !ParseInt(Trim(rest.substr(5)), 0, INT_MAX / 24, year))
        return false;
    date = AtlDate(month, static_cast<int>(year));
    return true;
}

// "X,Y" or "X,Y,Z", with or without the parentheses of a report; Z is a level number or a
// level word ("underworld").
bool ParseCoord(std::string text, AtlCoord& coord) {
    if (text.size() >= 2 && text.front() == '(' && text.back() == ')')
        text = text.substr(1, text.size() - 2);
    size_t first = text.find(',');
    if (first == std::string::npos) return false;
    size_t second = text.find(',', first + 1);
    long x, y, z = 0;
    if (!ParseInt(Trim(text.substr(0, first)), INT16_MIN, INT16_MAX, x) ||
        !ParseInt(Trim(text.substr(first + 1, second - first - 1)), INT16_MIN, INT16_MAX, y))
        return false;
    if (second != std::string::npos) {
        std::string level = Trim(text.substr(second + 1));
        if (level.empty()) return false;
        if (!ParseInt(level, 0, UINT8_MAX, z)) {
            if (level.find_first_of("0123456789-") != std::string::npos) return false;
            z = LevelFromWord(level.c_str());
        }
    }
    coord = AtlCoord(static_cast<int>(x), static_cast<int>(y), static_cast<int>(z));
    return true;
}

const char* OpenFailure(DocReadResult result) {
    switch (result) {
    case DocCannotOpen:
        return "cannot open";
    case DocNotADocument:
        return "not a Vexlor document";
    case DocWrongVersion:
        return "written by an unknown version of the document format";
    default:
        return "damaged or cut short";
    }
}

} // namespace

int RunDescribe(int argc, char** argv) {
    const char* path = nullptr;
    const char* dateText = nullptr;
    const char* coordText = nullptr;
    for (int i = 0; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--turn")) {
            if (++i == argc || dateText) return Fail(kUsage);
            dateText = argv[i];
        } else if (!path) {
            path = argv[i];
        } else if (!coordText) {
            coordText = argv[i];
        } else {
            return Fail(kUsage);
        }
    }
    if (!path || !coordText) return Fail(kUsage);

    AtlCoord coord;
    if (!ParseCoord(coordText, coord))
        return Fail("bad coordinate '%s': expected X,Y or X,Y,Z", coordText);
    if ((coord.x + coord.y) % 2 != 0)
        return Fail("bad coordinate '%s': no hex has an odd x + y", coordText);
    AtlDate date;
    if (dateText && !ParseDate(dateText, date))
        return Fail("bad date '%s': expected a turn count or a date like \"March, Year 5\"",
                    dateText);

    VexlorDoc doc;
    DocReadResult opened = OpenDocFile(doc, path);
    if (opened != DocRead) return Fail("%s: %s", path, OpenFailure(opened));
    if (!doc.LastTurn()) return 0; // an empty document describes nothing
    if (!dateText) date = doc.LastTurn()->date;

    AtlMap map;
    FormatMap(doc, map, date);
    // Every line is printed whatever its open state, so the options do not matter here.
    std::unique_ptr<DescrTVRoot> root = BuildDescrTree(doc, map, coord, DescrOptions());
    if (root) {
        std::string text = TreeText(*root);
        std::fwrite(text.data(), 1, text.size(), stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : Fail("cannot write to standard output");
}
