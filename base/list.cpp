#include "base/list.h"

#include "base/debugtrap.h"
#include "base/wio.h"
#include "base/wstream.h"

Node::~Node() {
    if (list_) list_->Detach(this);
}

int Node::write(owstream&) const {
    return 0;
}
int Node::read(iwstream&, unsigned long) {
    return 0;
}

void Node::Unlink() {
    if (list_) list_->Detach(this);
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

long List::LongCountNodes() const {
    long count = 0;
    for (Node* n = first_; n; n = n->next_)
        ++count;
    return count;
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

int List::WriteNodes(owstream& os) const {
    long count = LongCountNodes();
    // A count the 16-bit field cannot hold would not match the records that follow.
    if (count > 0xFFFF) {
        os.setstate(wstream::IoError);
        return -1;
    }
    WriteU16(os, static_cast<uint16_t>(count));
    if (!os.good()) return -1;
    for (Node* n = first_; n; n = n->next_) {
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
