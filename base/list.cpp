#include "base/list.h"

#include "base/debugtrap.h"
#include "base/wio.h"
#include "base/wstream.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

Node::~Node() {
    if (list_) list_->Detach(this);
}

bool Node::writeable(owstream&) const {
    return true;
}
int Node::writeSignature(owstream&) const {
    return 0;
}
int Node::write(owstream&) const {
    return 0;
}
int Node::read(iwstream&, unsigned long) {
    return 0;
}
bool Node::printable(otwstream&) const {
    return true;
}
void Node::printOn(otwstream&) const {}

void Node::Unlink() {
    if (list_) list_->Detach(this);
}

int Node::GetIndex() const {
    int index = 0;
    for (const Node* n = prev_; n; n = n->prev_)
        ++index;
    return index;
}

void Node::MakeFirst() {
    if (list_) list_->Insert(this, nullptr);
}

void Node::MakeLast() {
    if (list_) list_->Add(this, nullptr);
}

bool Node::IsBefore(const Node* other) const {
    if (!other || !list_ || other->list_ != list_) return false;
    for (const Node* n = next_; n; n = n->next_)
        if (n == other) return true;
    return false;
}

List::List(List&& other) noexcept {
    AddList(other);
}

List& List::operator=(List&& other) noexcept {
    if (this != &other) {
        Empty();
        AddList(other);
    }
    return *this;
}

List::~List() {
    Empty();
}

void List::Unlink(Node* node) {
    if (node->prev_)
        node->prev_->next_ = node->next_;
    else
        first_ = node->next_;
    if (node->next_)
        node->next_->prev_ = node->prev_;
    else
        last_ = node->prev_;
    node->list_ = nullptr;
    node->prev_ = node->next_ = nullptr;
}

void List::Detach(Node* node) {
    if (node && node->list_ == this) Unlink(node);
}

Node* List::ValidPosition(Node* pos, const char* operation) const {
    if (pos && pos->list_ != this) {
        DebugTrap(operation);
        return nullptr;
    }
    return pos;
}

void List::Add(Node* node, Node* pos) {
    if (!node) return;
    pos = ValidPosition(pos, "List::Add: position node of another list");
    if (!pos) pos = last_;
    if (pos == node) return;
    if (node->list_) node->list_->Detach(node);
    node->list_ = this;
    node->prev_ = pos;
    node->next_ = pos ? pos->next_ : nullptr;
    if (pos)
        pos->next_ = node;
    else
        first_ = node;
    if (node->next_)
        node->next_->prev_ = node;
    else
        last_ = node;
}

void List::Insert(Node* node, Node* pos) {
    if (!node) return;
    pos = ValidPosition(pos, "List::Insert: position node of another list");
    if (!pos) pos = first_;
    if (pos == node) return;
    if (node->list_) node->list_->Detach(node);
    node->list_ = this;
    node->next_ = pos;
    node->prev_ = pos ? pos->prev_ : nullptr;
    if (pos)
        pos->prev_ = node;
    else
        last_ = node;
    if (node->prev_)
        node->prev_->next_ = node;
    else
        first_ = node;
}

void List::AddList(List& other, Node* pos) {
    if (&other == this) {
        DebugTrap("List::AddList: a list cannot be moved into itself");
        return;
    }
    pos = ValidPosition(pos, "List::AddList: position node of another list");
    if (!pos) pos = last_;
    while (Node* n = other.first_) {
        Add(n, pos);
        pos = n;
    }
}

void List::InsertList(List& other, Node* pos) {
    if (&other == this) {
        DebugTrap("List::InsertList: a list cannot be moved into itself");
        return;
    }
    pos = ValidPosition(pos, "List::InsertList: position node of another list");
    if (!pos) pos = first_;
    while (Node* n = other.first_)
        Insert(n, pos);
}

Node* List::GetNode(long index) const {
    if (index < 0) return nullptr;
    Node* n = first_;
    while (n && index-- > 0)
        n = n->next_;
    return n;
}

long List::LongCountNodes() const {
    long count = 0;
    for (Node* n = first_; n; n = n->next_)
        ++count;
    return count;
}

int List::Sort(int (*compare)(const Node*, const Node*), bool descending) {
    if (!first_) return 0;
    std::vector<Node*> nodes;
    try {
        nodes.reserve(static_cast<size_t>(LongCountNodes()));
    } catch (const std::bad_alloc&) {
        return -1;
    }
    for (Node* n = first_; n; n = n->next_)
        nodes.push_back(n);
    std::sort(nodes.begin(), nodes.end(), [&](const Node* a, const Node* b) {
        int c = compare(a, b);
        return descending ? c > 0 : c < 0;
    });
    first_ = last_ = nullptr;
    for (Node* n : nodes) {
        n->list_ = nullptr;
        n->prev_ = n->next_ = nullptr;
        Add(n);
    }
    return 0;
}

Node* List::FirstThat(int (*test)(const Node*, void*), void* arg) const {
    for (Node* n = first_; n; n = n->next_)
        if (test(n, arg)) return n;
    return nullptr;
}

Node* List::LastThat(int (*test)(const Node*, void*), void* arg) const {
    for (Node* n = last_; n; n = n->prev_)
        if (test(n, arg)) return n;
    return nullptr;
}

Node* List::ForEach(Node* (*action)(Node*, void*), void* arg) {
    for (Node* n = first_; n;) {
        Node* next = n->next_;
        if (Node* result = action(n, arg)) return result;
        n = next;
    }
    return nullptr;
}

void List::Empty() {
    while (Node* n = first_) {
        Unlink(n);
        delete n;
    }
}

int List::write(owstream& os) const {
    return WriteNodes(os);
}
int List::read(iwstream&, unsigned long) {
    return 0;
}
void List::printList(otwstream& os) const {
    for (Node* n = first_; n; n = n->next_) {
        if (!n->printable(os)) continue;
        n->printOn(os);
        printSeparator(os);
    }
}
void List::printSeparator(otwstream&) const {}
int List::printDepth() const {
    return 0;
}
void List::printOn(otwstream& os) const {
    printList(os);
}

int List::WriteNodes(owstream& os) const {
    long count = 0;
    for (Node* n = first_; n; n = n->next_)
        if (n->writeable(os)) ++count;
    // A count the 16-bit field cannot hold would not match the records that follow.
    if (count > 0xFFFF) {
        os.setstate(wstream::IoError);
        return -1;
    }
    WriteU16(os, static_cast<uint16_t>(count));
    if (!os.good()) return -1;
    for (Node* n = first_; n; n = n->next_) {
        if (!n->writeable(os)) continue;
        if (int r = n->writeSignature(os)) return r;
        if (int r = n->write(os)) return r;
    }
    return 0;
}

int List::ReadNodes(iwstream& is, unsigned long version, NodeBuilder builder,
                    const NodesRead& progress) {
    uint16_t count = 0;
    if (!ReadU16(is, count)) return -1;
    for (unsigned i = 0; i < count; ++i) {
        Node* node = builder ? builder(is, version) : nullptr;
        if (!node) return 1;
        if (int r = node->read(is, version)) {
            delete node;
            return r;
        }
        Add(node);
        if (progress) progress(i + 1, count);
    }
    return 0;
}
