#include "model/building.h"

#include "base/wio.h"
#include "base/wstream.h"

int BuildingNode::write(owstream& os) const {
    name.write(os);
    WriteU16(os, number);
    text.write(os);
    return os.good() ? 0 : 1;
}

int BuildingNode::read(iwstream& is, unsigned long) {
    name.read(is);
    ReadU16(is, number);
    text.read(is);
    return is.good() ? 0 : 1;
}

Node* BuildingNode::builder(iwstream&, unsigned long) {
    return new BuildingNode();
}
