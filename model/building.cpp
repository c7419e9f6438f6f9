#include "model/building.h"

Node* BuildingNode::builder(iwstream&, unsigned long) {
    return new BuildingNode();
}
