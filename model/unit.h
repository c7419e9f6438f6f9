#pragma once

#include "base/list.h"
#include "base/str.h"
#include "model/atldate.h"
#include "model/items.h"

#include <array>
#include <cstdint>

// One unit line of a region, in report order.
class UnitNode : public Node {
public:
    enum Flags : uint32_t {
        OnGuard = 1,
        Behind = 2,
        Holding = 4,
        Avoiding = 8,
        RevealingFaction = 16
    };

    UnitNode() = default;
    UnitNode(const UnitNode& o);

    static Node* builder(iwstream& is, unsigned long version);

    ListT<ItemNode> items;
    AtlFaction faction;
    Str name;
    int32_t number = 0;
    uint16_t building = 0; // 0 outside any building
    uint32_t flags = 0;
};

// The flags with the words a unit line writes for them, in the order it writes them.
struct UnitFlagWord {
    uint32_t flag;
    const char* word;
};
inline constexpr std::array<UnitFlagWord, 5> kUnitFlagWords = {{
    {UnitNode::OnGuard, "on guard"},
    {UnitNode::Avoiding, "avoiding"},
    {UnitNode::Behind, "behind"},
    {UnitNode::RevealingFaction, "revealing faction"},
    {UnitNode::Holding, "holding"},
}};
