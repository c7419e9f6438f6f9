#include "model/items.h"

Node* ItemNode::builder(iwstream&, unsigned long) {
    return new ItemNode();
}

Node* ItemPriceNode::builder(iwstream&, unsigned long) {
    return new ItemPriceNode();
}
