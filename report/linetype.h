#pragma once

#include "model/atlcoord.h"
#include "model/terrain.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Line types given by the keyword a logical line begins with.
namespace LineType {
enum : int {
    Missing = -1,
    Ordinary = 0,
    Empty = 1,
    Ally = 2,
    EngineVersion = 3,
    ReportFor = 4,
    DeclaredAttitudes = 5,
    Events = 6,
    FactionStatus = 7,
    Friendly = 8,
    Hostile = 9,
    Mages = 10,
    Neutral = 11,
    TaxRegions = 12,
    TradeRegions = 13,
    Unfriendly = 14,
    SkillReports = 15,
    UnclaimedSilver = 16,
    Exits = 17,
    OrdersTemplate = 18,
    Rule = 19,
    Building = 20,
    Entertainment = 21,
    ForSale = 22,
    Products = 23,
    Wages = 24,
    Wanted = 25,
    Gate = 26,
    OtherUnit = 27,
    OwnUnit = 28,
};
}

struct S {
    const char* keyword;
    int32_t type;
};
struct MonthTok {
    const char* name;
    int number;
};
struct CommTok_ {
    const char* word;
    int number;
};

// Prefix comparison of signed bytes: 0 when key is a prefix of text.
int begcmp(const char* text, const char* key);
const S* BinarySearchSpec(const S* table, int count, const char* text);
const MonthTok* BinarySearch(const MonthTok* table, int count, const char* text);
const CommTok_* BinarySearch(const CommTok_* table, int count, const char* text);

int GetLineType(const char* text);
// The length of the longest keyword GetLineType looks for: text added after that many bytes
// leaves a line's type as it was.
size_t LongestLineKeyword();
// 0-11, or -1.
int GetMonthNum(const char* text);
// The common-word number, or -1.
int GetCommonToken(const char* text);
int GetCommonToken(std::string_view text);
// 0 and the terrain (an unknown word as Other with that name); -1 for no text or a direction.
int GetTerrainType(const char* text, TerrainType& terrain);
int GetTerrainType(std::string_view text, TerrainType& terrain);
// 0 and the direction for one of the six direction words, else -1 and nothing changes.
int GetDirectionType(const char* text, AtlDirection::Type& direction);
int GetDirectionType(std::string_view text, AtlDirection::Type& direction);
