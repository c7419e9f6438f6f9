#include "base/assoc.h"

#include "base/debugtrap.h"
#include "base/wio.h"
#include "base/wstream.h"

int AssocNode::write(owstream& os) const {
    WriteI32(os, key);
    return os.good() ? 0 : 1;
}

int AssocNode::read(iwstream& is, unsigned long) {
    ReadI32(is, key);
    return is.good() ? 0 : 1;
}

AssocNode* AssocList::Find(int32_t key) const {
    for (AssocNode* n = GetFirst(); n; n = n->Next())
        if (n->key == key) return n;
    return nullptr;
}

AssocNode* AssocList::Register(int32_t key, bool* isNew) {
    AssocNode* node = Find(key);
    if (isNew) *isNew = node == nullptr;
    if (!node) {
        node = Build(key);
        Add(node);
    }
    return node;
}

AssocNode* AssocList::Build(int32_t key) {
    return new AssocNode(key);
}

int StrAssocNode::write(owstream& os) const {
    AssocNode::write(os);
    name.write(os);
    return os.good() ? 0 : 1;
}

int StrAssocNode::read(iwstream& is, unsigned long version) {
    AssocNode::read(is, version);
    name.read(is);
    return is.good() ? 0 : 1;
}

Node* StrAssocNode::builder(iwstream&, unsigned long) {
    return new StrAssocNode();
}

StrAssocNode* StrAssocList::Register(int32_t key, const char* name, bool* isNew) {
    bool made = false;
    auto* node = static_cast<StrAssocNode*>(AssocList::Register(key, &made));
    if (made)
        node->name.Set(name);
    else if (node->name != name)
        DebugTrap("StrAssocList::Register: number registered with another name");
    if (isNew) *isNew = made;
    return node;
}

AssocNode* StrAssocList::Build(int32_t key) {
    return new StrAssocNode(key);
}

int StrAssocList::read(iwstream& is, unsigned long version) {
    return ReadNodes(is, version, &StrAssocNode::builder);
}

void StrAssocList::CopyFrom(const StrAssocList& other) {
    Empty();
    for (StrAssocNode* n = other.GetFirst(); n; n = n->Next())
        Add(new StrAssocNode(n->key, n->name.Get()));
}

StrAssocIndex::StrAssocIndex(const StrAssocList& list) {
    for (StrAssocNode* n = list.GetFirst(); n; n = n->Next())
        Add(n);
}

StrAssocNode* StrAssocIndex::Find(int32_t key) const {
    auto at = index_.find(key);
    return at == index_.end() ? nullptr : at->second;
}
