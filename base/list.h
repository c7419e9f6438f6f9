#pragma once

#include <cstddef>
#include <functional>

class iwstream;
class owstream;
class List;

// Base of every list element. A node is in at most one list, which owns it.
class Node {
public:
    Node() = default;
    Node(const Node&) : Node() {} // a copy is not in any list
    Node& operator=(const Node&) { return *this; }
    virtual ~Node();

    virtual int write(owstream& os) const;
    virtual int read(iwstream& is, unsigned long version);

    Node* GetPrev() const { return prev_; }
    Node* GetNext() const { return next_; }

    void Unlink();

private:
    friend class List;
    List* list_ = nullptr;
    Node* prev_ = nullptr;
    Node* next_ = nullptr;
};

// Makes a default node for List::ReadNodes; null when it cannot.
using NodeBuilder = Node* (*)(iwstream& is, unsigned long version);
// Told after each node read: how many of the list's count are in.
using NodesRead = std::function<void(unsigned done, unsigned count)>;

// An intrusive doubly linked list that owns its nodes.
class List {
public:
    List() = default;
    List(const List&) = delete;
    List& operator=(const List&) = delete;
    List(List&& other) noexcept;
    List& operator=(List&& other) noexcept;
    virtual ~List();

    virtual void Detach(Node* node);
    virtual int write(owstream& os) const;
    virtual int read(iwstream& is, unsigned long version);

    Node* GetFirst() const { return first_; }
    Node* GetLast() const { return last_; }
    bool IsEmpty() const { return first_ == nullptr; }

    // Links node after pos (at the end when pos is null).
    void Add(Node* node, Node* pos = nullptr);
    // Links node before pos (at the start when pos is null).
    void Insert(Node* node, Node* pos = nullptr);
    void AddList(List& other, Node* pos = nullptr);
    long LongCountNodes() const;
    void Empty();

    // Document file encoding: uint16 count of nodes, then the record of each.
    int WriteNodes(owstream& os) const;
    int ReadNodes(iwstream& is, unsigned long version, NodeBuilder builder,
                  const NodesRead& progress = {});

private:
    void Unlink(Node* node);
    Node* ValidPosition(Node* pos, const char* operation) const;
    Node* first_ = nullptr;
    Node* last_ = nullptr;
};

// A list typed for one node class.
template <class T> class ListT : public List {
public:
    T* GetFirst() const { return static_cast<T*>(List::GetFirst()); }
    T* GetLast() const { return static_cast<T*>(List::GetLast()); }
    static T* Next(const T* node) { return static_cast<T*>(node->GetNext()); }
    int read(iwstream& is, unsigned long version) override {
        return ReadNodes(is, version, &T::builder);
    }

    // Replaces the contents with copies of other's nodes, in order.
    void CopyFrom(const ListT& other) {
        Empty();
        for (const T& node : other)
            Add(new T(node));
    }

    template <class P> class Iter {
    public:
        explicit Iter(Node* n) : n_(n) {}
        P& operator*() const { return *static_cast<P*>(n_); }
        P* operator->() const { return static_cast<P*>(n_); }
        Iter& operator++() {
            n_ = n_->GetNext();
            return *this;
        }
        bool operator==(const Iter& o) const { return n_ == o.n_; }

    private:
        Node* n_;
    };
    Iter<T> begin() { return Iter<T>(List::GetFirst()); }
    Iter<T> end() { return Iter<T>(nullptr); }
    Iter<const T> begin() const { return Iter<const T>(List::GetFirst()); }
    Iter<const T> end() const { return Iter<const T>(nullptr); }
};
