#include "base/strlist.h"

#include "base/collate.h"
#include "base/debugtrap.h"

#include <cstring>

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

StrNode* StrList::iFind(const char* text) const {
    Str wanted;
    wanted.SetUpr(text);
    for (StrNode* n = GetFirst(); n; n = n->Next()) {
        Str candidate;
        candidate.SetUpr(n->text.Get());
        if (candidate == wanted) return n;
    }
    return nullptr;
}

bool StrList::Delete(const char* text) {
    StrNode* n = Find(text);
    delete n;
    return n != nullptr;
}

StrKey::StrKey(const char* text, bool caseSensitive) : caseSensitive_(caseSensitive) {
    Update(text);
}

void StrKey::Update(const char* text) {
    text_ = text;
    hash_ = 0;
    if (!text) return;
    for (const auto* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        unsigned char c = caseSensitive_ ? *p : ToLowerAnsi(*p);
        hash_ = ((hash_ << 1) | (hash_ >> 31)) ^ c;
    }
}

bool StrKey::iseq(const StrKey& other) const {
    if (caseSensitive_ != other.caseSensitive_)
        DebugTrap("StrKey::iseq: keys of different case modes compared");
    if (!text_ || !other.text_ || hash_ != other.hash_) return false;
    if (caseSensitive_) return std::strcmp(text_, other.text_) == 0;
    Str a, b;
    a.SetLwr(text_);
    b.SetLwr(other.text_);
    return a == b;
}
