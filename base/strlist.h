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
};
