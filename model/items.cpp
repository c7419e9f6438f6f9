#include "model/items.h"

Node* ItemNode::builder(iwstream&, unsigned long) {
    return new ItemNode();
}

Node* ItemPriceNode::builder(iwstream&, unsigned long) {
    return new ItemPriceNode();
}

Str ItemText(const ItemNode& item) {
    Str text;
    if (item.count == -1)
        text += "unlimited";
    else
        text.AppendNumber(item.count);
    text += " ";
    text += item.name;
    return text;
}

Str PricedItemText(const ItemPriceNode& item) {
    Str text = ItemText(item);
    text += " at $";
    text.AppendNumber(item.price);
    return text;
}
