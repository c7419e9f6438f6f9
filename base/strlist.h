#pragma once

#include "base/list.h"
#include "base/str.h"

#include <cstdint>

class StrNode : public Node {
public:
    StrNode() = default;
    explicit StrNode(const char* text) : text(text) {}
    StrNode* Next() const { return static_cast<StrNode*>(GetNext()); }
    StrNode* Prev() const { return static_cast<StrNode*>(GetPrev()); }

    Str text;
};

class StrList : public List {
public:
    StrList() = default;
    StrList(const StrList& other) : List() { *this += other; }
    StrList& operator=(const StrList& other);
    StrList& operator+=(const StrList& other);

    StrNode* GetFirst() const { return static_cast<StrNode*>(List::GetFirst()); }
    StrNode* GetLast() const { return static_cast<StrNode*>(List::GetLast()); }

    StrNode* Insert(const char* text);
    StrNode* Add(const char* text);
    using List::Add;
    using List::Insert;
    StrNode* Find(const char* text) const;
    StrNode* iFind(const char* text) const;
    // Destroys the first node Find gives; answers whether there was one.
    bool Delete(const char* text);
};

// A text (not owned) with its rotate-and-xor hash, for quick inequality tests.
class StrKey {
public:
    StrKey(const char* text, bool caseSensitive);
    void Update(const char* text);
    bool iseq(const StrKey& other) const;
    uint32_t Hash() const { return hash_; }
    const char* Text() const { return text_; }

private:
    const char* text_ = nullptr;
    uint32_t hash_ = 0;
    bool caseSensitive_ = true;
};
