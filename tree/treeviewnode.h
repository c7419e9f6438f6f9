#pragma once

#include "base/str.h"

#include <memory>
#include <string>
#include <vector>

// One line of a tree control: its text, its children (owned) and whether it is open. Plain
// data: the control that shows it draws, lays out and reacts to clicks.
class TreeViewNode {
public:
    TreeViewNode() = default;
    TreeViewNode(const TreeViewNode&) = delete;
    TreeViewNode& operator=(const TreeViewNode&) = delete;
    virtual ~TreeViewNode() = default;

    const Str& GetString() const { return text_; }
    void SetString(const char* text) { text_.Set(text); }
    void SetString(Str text) { text_ = std::move(text); }

    // Attaches child after `after` (one of this node's children), or as the last child when
    // after is null. Returns the child, now owned by this node.
    TreeViewNode* Add(std::unique_ptr<TreeViewNode> child, const TreeViewNode* after = nullptr);

    TreeViewNode* GetParent() const { return parent_; }
    int ChildCount() const { return static_cast<int>(children_.size()); }
    TreeViewNode* Child(int i) const { return children_[static_cast<size_t>(i)].get(); }
    // This node's place among its parent's children; -1 for a root.
    int IndexInParent() const;

    // Whether the node's children are shown. Only the control's Expand changes it once the
    // tree is on screen, so that it can redraw and remember headings.
    bool IsOpen() const { return open_; }
    void SetOpen(bool open) { open_ = open; }

private:
    Str text_;
    std::vector<std::unique_ptr<TreeViewNode>> children_;
    TreeViewNode* parent_ = nullptr;
    bool open_ = false;
};

// Every node below root (root itself left out), one per line, in tree order, indented by two
// blanks per level, whatever its open state.
std::string TreeText(const TreeViewNode& root);
