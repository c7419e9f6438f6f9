#include "model/location.h"

Node* LocationNode::builder(iwstream&, unsigned long) {
    return new LocationNode();
}
