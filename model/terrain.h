#pragma once

#include "base/str.h"

#include <cstdint>

// The terrain of a region: a known kind, or Other with the report's word as its name.
class TerrainType {
public:
    enum Type : uint8_t {
        Other = 0,
        Mountain,
        Forest,
        Ocean,
        Swamp,
        Tundra,
        Plain,
        Jungle,
        Desert,
        Cavern,
        Underforest,
        Tunnels,
    };
    static constexpr int kKnownCount = 12;

    TerrainType() = default;
    TerrainType(Type type) : type_(type) {}
    explicit TerrainType(const char* name) : name_(name) {}

    uint8_t GetType() const { return type_; }
    const Str& GetName() const { return name_; }
    void Set(uint8_t type, const char* name) {
        type_ = type;
        name_.Set(name);
    }
    Str GetString() const;
    bool IsDefault() const { return type_ == Other && name_.IsEmpty(); }
    bool operator==(const TerrainType& o) const { return type_ == o.type_ && name_ == o.name_; }

private:
    friend struct DocRecords;

    uint8_t type_ = Other;
    Str name_;
};
