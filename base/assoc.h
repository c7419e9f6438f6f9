#pragma once

#include "base/list.h"
#include "base/str.h"

#include <cstdint>
#include <unordered_map>

class AssocNode : public Node {
public:
    explicit AssocNode(int32_t key = 0) : key(key) {}
    AssocNode* Next() const { return static_cast<AssocNode*>(GetNext()); }
    int write(owstream& os) const override;
    int read(iwstream& is, unsigned long version) override;

    int32_t key;
};

// A list of nodes keyed by a 32-bit number, found by linear search.
class AssocList : public List {
public:
    AssocNode* GetFirst() const { return static_cast<AssocNode*>(List::GetFirst()); }
    AssocNode* GetLast() const { return static_cast<AssocNode*>(List::GetLast()); }
    AssocNode* Find(int32_t key) const;
    AssocNode* Register(int32_t key, bool* isNew = nullptr);
    virtual AssocNode* Build(int32_t key);
};

class StrAssocNode : public AssocNode {
public:
    explicit StrAssocNode(int32_t key = 0, const char* name = nullptr)
        : AssocNode(key), name(name) {}
    StrAssocNode* Next() const { return static_cast<StrAssocNode*>(GetNext()); }
    int write(owstream& os) const override;
    int read(iwstream& is, unsigned long version) override;
    static Node* builder(iwstream& is, unsigned long version);

    Str name;
};

// Number to name; a number keeps the first name registered for it.
class StrAssocList : public AssocList {
public:
    StrAssocList() = default;
    StrAssocList(const StrAssocList& other) : AssocList() { CopyFrom(other); }
    StrAssocList& operator=(const StrAssocList& other) {
        if (this != &other) CopyFrom(other);
        return *this;
    }
    StrAssocList(StrAssocList&&) noexcept = default;
    StrAssocList& operator=(StrAssocList&&) noexcept = default;
    StrAssocNode* GetFirst() const { return static_cast<StrAssocNode*>(List::GetFirst()); }
    StrAssocNode* Find(int32_t key) const {
        return static_cast<StrAssocNode*>(AssocList::Find(key));
    }
    StrAssocNode* Register(int32_t key, const char* name, bool* isNew = nullptr);
    AssocNode* Build(int32_t key) override;
    int read(iwstream& is, unsigned long version) override;

private:
    void CopyFrom(const StrAssocList& other);
};

// A hash index over a StrAssocList, for finding many numbers in a long list at once (a unit
// list of tens of thousands of factions): Find answers as the list's Find does, with the first
// node of a number. The list must not lose a node while the index lives.
class StrAssocIndex {
public:
    StrAssocIndex() = default;
    explicit StrAssocIndex(const StrAssocList& list);
    StrAssocNode* Find(int32_t key) const;
    // Indexes a node just added at the end of the list (kept out when its number is known).
    void Add(StrAssocNode* node) { index_.try_emplace(node->key, node); }

private:
    std::unordered_map<int32_t, StrAssocNode*> index_;
};
