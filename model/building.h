#pragma once

#include "base/list.h"
#include "base/str.h"

#include <cstdint>

// A building or ship line: "+ name [number] : text".
class BuildingNode : public Node {
public:
    BuildingNode() = default;
    BuildingNode(const BuildingNode& o) : Node(), name(o.name), number(o.number), text(o.text) {}

    static Node* builder(iwstream& is, unsigned long version);

    Str name;
    uint16_t number = 0;
    Str text; // everything after the " : "
};
