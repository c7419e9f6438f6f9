#include "model/unit.h"

#include "base/wio.h"
#include "base/wstream.h"

UnitNode::UnitNode(const UnitNode& o)
    : Node(), faction(o.faction), name(o.name), number(o.number), building(o.building),
      flags(o.flags) {
    items.CopyFrom(o.items);
}

// The file keeps the flag word before the building number.
int UnitNode::write(owstream& os) const {
    items.WriteNodes(os);
    faction.write(os);
    name.write(os);
    WriteI32(os, number);
    WriteU32(os, flags);
    WriteU16(os, building);
    return os.good() ? 0 : 1;
}

int UnitNode::read(iwstream& is, unsigned long version) {
    items.read(is, version);
    faction.read(is);
    name.read(is);
    ReadI32(is, number);
    ReadU32(is, flags);
    ReadU16(is, building);
    return is.good() ? 0 : 1;
}

Node* UnitNode::builder(iwstream&, unsigned long) {
    return new UnitNode();
}
