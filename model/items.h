#pragma once

#include "base/list.h"
#include "base/str.h"

#include <cstdint>

// One entry of an item list; a count of -1 means "unlimited".
class ItemNode : public Node {
public:
    ItemNode() = default;
    ItemNode(int count, const char* name, const char* abbr)
        : count(count), name(name), abbr(abbr) {}
    ItemNode(const ItemNode& o) : Node(), count(o.count), name(o.name), abbr(o.abbr) {}

    static Node* builder(iwstream& is, unsigned long version);

    int32_t count = -1;
    Str name;
    Str abbr;
};

// An item entry with a price in silver; -1 when none is known.
class ItemPriceNode : public ItemNode {
public:
    ItemPriceNode() = default;
    ItemPriceNode(int count, const char* name, const char* abbr, int price)
        : ItemNode(count, name, abbr), price(price) {}
    ItemPriceNode(const ItemPriceNode& o) : ItemNode(o), price(o.price) {}

    static Node* builder(iwstream& is, unsigned long version);

    int32_t price = -1;
};

// As a report writes them: "104 plainsmen", "unlimited iron" for the -1 of an endless market
// supply; a priced one with " at $60" after it.
Str ItemText(const ItemNode& item);
Str PricedItemText(const ItemPriceNode& item);
