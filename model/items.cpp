#include "model/items.h"

#include "base/wio.h"
#include "base/wstream.h"

int ItemNode::write(owstream& os) const {
    WriteI32(os, count);
    name.write(os);
    abbr.write(os);
    return os.good() ? 0 : 1;
}

int ItemNode::read(iwstream& is, unsigned long) {
    ReadI32(is, count);
    name.read(is);
    abbr.read(is);
    return is.good() ? 0 : 1;
}

Node* ItemNode::builder(iwstream&, unsigned long) {
    return new ItemNode();
}

int ItemPriceNode::write(owstream& os) const {
    ItemNode::write(os);
    WriteI32(os, price);
    return os.good() ? 0 : 1;
}

int ItemPriceNode::read(iwstream& is, unsigned long version) {
    ItemNode::read(is, version);
    ReadI32(is, price);
    return is.good() ? 0 : 1;
}

Node* ItemPriceNode::builder(iwstream&, unsigned long) {
    return new ItemPriceNode();
}
