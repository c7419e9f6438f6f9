#include "base/strlist.h"

StrList& StrList::operator=(const StrList& other) {
    if (this != &other) {
        Empty();
        *this += other;
    }
    return *this;
}

StrList& StrList::operator+=(const StrList& other) {
    // Remember the end first so that appending a list to itself stops.
    StrNode* last = other.GetLast();
    for (StrNode* n = other.GetFirst(); n; n = n == last ? nullptr : n->Next())
        Add(n->text.Get());
    return *this;
}

StrNode* StrList::Insert(const char* text) {
    auto* node = new StrNode(text);
    List::Insert(node, nullptr);
    return node;
}

StrNode* StrList::Add(const char* text) {
    auto* node = new StrNode(text);
    List::Add(node, nullptr);
    return node;
}

StrNode* StrList::Find(const char* text) const {
    for (StrNode* n = GetFirst(); n; n = n->Next())
        if (n->text == text) return n;
    return nullptr;
}
