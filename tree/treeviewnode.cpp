#include "tree/treeviewnode.h"

#include "base/debugtrap.h"

#include <algorithm>

TreeViewNode* TreeViewNode::Add(std::unique_ptr<TreeViewNode> child, const TreeViewNode* after) {
    if (!child) return nullptr;
    auto position = children_.end();
    if (after) {
        auto it = std::find_if(children_.begin(), children_.end(),
                               [after](const auto& c) { return c.get() == after; });
        if (it != children_.end())
            position = it + 1;
        else
            DebugTrap("TreeViewNode::Add: the node to add after is not a child");
    }
    child->parent_ = this;
    return children_.insert(position, std::move(child))->get();
}

int TreeViewNode::IndexInParent() const {
    if (!parent_) return -1;
    for (int i = 0; i < parent_->ChildCount(); ++i)
        if (parent_->Child(i) == this) return i;
    return -1;
}

namespace {
void AppendLines(const TreeViewNode& node, int depth, std::string& out) {
    for (int i = 0; i < node.ChildCount(); ++i) {
        const TreeViewNode& child = *node.Child(i);
        out.append(static_cast<size_t>(2 * depth), ' ');
        out += child.GetString().View();
        out += '\n';
        AppendLines(child, depth + 1, out);
    }
}
} // namespace

std::string TreeText(const TreeViewNode& root) {
    std::string out;
    AppendLines(root, 0, out);
    return out;
}
