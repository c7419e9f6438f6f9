#include "report/linetype.h"

#include "base/collate.h"
#include "base/debugtrap.h"

#include <algorithm>
#include <cstring>

namespace {

// Sorted by byte value of the keywords.
const S kLineKeywords[] = {
    {"  Entertainment available:", LineType::Entertainment},
    {"  For Sale:", LineType::ForSale},
    {"  Products:", LineType::Products},
    {"  Wages:", LineType::Wages},
    {"  Wanted:", LineType::Wanted},
    {"* ", LineType::OwnUnit},
    {"+ ", LineType::Building},
    {"- ", LineType::OtherUnit},
    {"--------------", LineType::Rule},
    {"Ally :", LineType::Ally},
    {"Atlantis Engine Version:", LineType::EngineVersion},
    {"Atlantis Report For:", LineType::ReportFor},
    {"Declared Attitudes ", LineType::DeclaredAttitudes},
    {"Events during turn:", LineType::Events},
    {"Exits:", LineType::Exits},
    {"Faction Status:", LineType::FactionStatus},
    {"Friendly :", LineType::Friendly},
    {"Hostile :", LineType::Hostile},
    {"Mages:", LineType::Mages},
    {"Neutral :", LineType::Neutral},
    {"Orders Template", LineType::OrdersTemplate},
    {"Skill reports:", LineType::SkillReports},
    {"Tax Regions:", LineType::TaxRegions},
    {"There is a Gate here", LineType::Gate},
    {"Trade Regions:", LineType::TradeRegions},
    {"Unclaimed silver:", LineType::UnclaimedSilver},
    {"Unfriendly :", LineType::Unfriendly},
};

// Sorted in dictionary order (CollateCompare).
const MonthTok kMonths[] = {
    {"April", 3},   {"August", 7},    {"December", 11}, {"February", 1},
    {"January", 0}, {"July", 6},      {"June", 5},      {"March", 2},
    {"May", 4},     {"November", 10}, {"October", 9},   {"September", 8},
};

enum CommonWord {
    kMountain = 0,
    kForest,
    kOcean,
    kSwamp,
    kTundra,
    kPlain,
    kJungle,
    kDesert,
    kNorth,
    kNortheast,
    kNorthwest,
    kSouth,
    kSoutheast,
    kSouthwest,
    kCavern,
    kTunnels,
    kUnderforest,
};

const CommTok_ kCommonWords[] = {
    {"cavern", kCavern},
    {"desert", kDesert},
    {"forest", kForest},
    {"jungle", kJungle},
    {"mountain", kMountain},
    {"North", kNorth},
    {"Northeast", kNortheast},
    {"Northwest", kNorthwest},
    {"ocean", kOcean},
    {"plain", kPlain},
    {"South", kSouth},
    {"Southeast", kSoutheast},
    {"Southwest", kSouthwest},
    {"swamp", kSwamp},
    {"tundra", kTundra},
    {"tunnels", kTunnels},
    {"underforest", kUnderforest},
};

template <class Row, class Compare>
const Row* Halve(const Row* table, int count, const char* text, Compare compare) {
    if (!table || count <= 0 || !text) return nullptr;
    int low = 0, high = count - 1;
    while (low <= high) {
        int mid = low + (high - low) / 2;
        int c = compare(text, table[mid]);
        if (c == 0) return &table[mid];
        if (c > 0)
            low = mid + 1;
        else
            high = mid - 1;
    }
    return nullptr;
}

} // namespace

int begcmp(const char* text, const char* key) {
    for (;; ++text, ++key) {
        if (*key == 0) return 0;
        if (*text == 0) return 1;
        auto t = static_cast<signed char>(*text), k = static_cast<signed char>(*key);
        if (t != k) return t > k ? 1 : -1;
    }
}

const S* BinarySearchSpec(const S* table, int count, const char* text) {
    return Halve(table, count, text,
                 [](const char* t, const S& row) { return begcmp(t, row.keyword); });
}

const MonthTok* BinarySearch(const MonthTok* table, int count, const char* text) {
    return Halve(table, count, text,
                 [](const char* t, const MonthTok& row) { return CollateCompare(t, row.name); });
}

const CommTok_* BinarySearch(const CommTok_* table, int count, const char* text) {
    return Halve(table, count, text,
                 [](const char* t, const CommTok_& row) { return CollateCompare(t, row.word); });
}

namespace {

// For each first byte, the rows of kLineKeywords that begin with it. No keyword is the
// beginning of another, so at most one row matches and any search finds the same one.
struct FirstByteRows {
    uint8_t from[256] = {};
    uint8_t to[256] = {};
    FirstByteRows() {
        for (size_t i = std::size(kLineKeywords); i-- > 0;) {
            auto c = static_cast<unsigned char>(kLineKeywords[i].keyword[0]);
            if (to[c] == 0) to[c] = static_cast<uint8_t>(i + 1);
            from[c] = static_cast<uint8_t>(i);
        }
    }
};

} // namespace

int GetLineType(const char* text) {
    if (!text) return LineType::Missing;
    if (*text == 0) return LineType::Empty;
    // Called several times for every line of a report: most lines are passed over by their
    // first byte alone.
    static const FirstByteRows rows;
    auto c = static_cast<unsigned char>(*text);
    for (int i = rows.from[c]; i < rows.to[c]; ++i) {
        const char* key = kLineKeywords[i].keyword;
        // Most lines part from the keywords of their first byte within two more bytes.
        if (text[1] != key[1] || (key[2] && text[2] != key[2])) continue;
        if (begcmp(text, key) == 0) return kLineKeywords[i].type;
    }
    return LineType::Ordinary;
}

size_t LongestLineKeyword() {
    static const size_t longest = [] {
        size_t n = 0;
        for (const S& row : kLineKeywords)
            n = std::max(n, std::strlen(row.keyword));
        return n;
    }();
    return longest;
}

int GetMonthNum(const char* text) {
    if (!text || !*text) return -1;
    const MonthTok* row = BinarySearch(kMonths, std::size(kMonths), text);
    return row ? row->number : -1;
}

int GetCommonToken(const char* text) {
    return text ? GetCommonToken(std::string_view(text)) : -1;
}

int GetCommonToken(std::string_view text) {
    if (text.empty()) return -1;
    // The dictionary order ties only identical texts, so a word matches exactly or not at all;
    // a byte scan finds it without the cost of collating every probe (two words per exit).
    for (const CommTok_& row : kCommonWords)
        if (row.word[0] == text[0] && std::strncmp(row.word, text.data(), text.size()) == 0 &&
            row.word[text.size()] == 0)
            return row.number;
    return -1;
}

int GetTerrainType(const char* text, TerrainType& terrain) {
    return text ? GetTerrainType(std::string_view(text), terrain) : -1;
}

int GetTerrainType(std::string_view text, TerrainType& terrain) {
    static const uint8_t kTerrainOf[] = {
        TerrainType::Mountain, TerrainType::Forest, TerrainType::Ocean,  TerrainType::Swamp,
        TerrainType::Tundra,   TerrainType::Plain,  TerrainType::Jungle, TerrainType::Desert};
    if (text.empty()) return -1;
    int word = GetCommonToken(text);
    if (word >= kMountain && word <= kDesert) {
        terrain.Set(kTerrainOf[word], nullptr);
        return 0;
    }
    if (word == kCavern || word == kUnderforest || word == kTunnels) {
        terrain.Set(word == kCavern        ? TerrainType::Cavern
                    : word == kUnderforest ? TerrainType::Underforest
                                           : TerrainType::Tunnels,
                    nullptr);
        return 0;
    }
    terrain.Set(TerrainType::Other, Str(text).Get());
    if (word >= kNorth && word <= kSouthwest) {
        DebugTrap("GetTerrainType: a direction word where a terrain was expected");
        return -1;
    }
    return 0;
}

int GetDirectionType(const char* text, AtlDirection::Type& direction) {
    return text ? GetDirectionType(std::string_view(text), direction) : -1;
}

int GetDirectionType(std::string_view text, AtlDirection::Type& direction) {
    int word = GetCommonToken(text);
    if (word < kNorth || word > kSouthwest) return -1;
    static const AtlDirection::Type kDirectionOf[] = {
        AtlDirection::North, AtlDirection::Northeast, AtlDirection::Northwest,
        AtlDirection::South, AtlDirection::Southeast, AtlDirection::Southwest};
    direction = kDirectionOf[word - kNorth];
    return 0;
}
