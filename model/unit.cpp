#include "model/unit.h"

UnitNode::UnitNode(const UnitNode& o)
    : Node(), faction(o.faction), name(o.name), number(o.number), building(o.building),
      flags(o.flags) {
    items.CopyFrom(o.items);
}

Node* UnitNode::builder(iwstream&, unsigned long) {
    return new UnitNode();
}
