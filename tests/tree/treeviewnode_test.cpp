#include "tree/treeviewnode.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
std::unique_ptr<TreeViewNode> Line(const char* text) {
    auto node = std::make_unique<TreeViewNode>();
    node->SetString(text);
    return node;
}
} // namespace

TEST(TreeViewNode, AddsAtTheEndOrAfterAChild) {
    TreeViewNode root;
    TreeViewNode* a = root.Add(Line("a"));
    TreeViewNode* c = root.Add(Line("c"));
    root.Add(Line("b"), a);
    root.Add(Line("d"), c);
    a->Add(Line("a1"));
    EXPECT_EQ(TreeText(root), "a\n  a1\nb\nc\nd\n");
    EXPECT_EQ(a->GetParent(), &root);
    EXPECT_EQ(c->IndexInParent(), 2);
    EXPECT_EQ(root.IndexInParent(), -1);
    // A node that is not a child is no place to add after: the new line goes last.
    root.Add(Line("e"), a->Child(0));
    EXPECT_EQ(root.Child(root.ChildCount() - 1)->GetString(), "e");
    EXPECT_FALSE(a->IsOpen());
}
