#pragma once

#include "tree/treeviewnode.h"
#include "ui/dwindow.h"

#include <memory>

// A tree control showing a tree of TreeViewNodes: one text line per visible node, indented
// by depth, with an open/close button on nodes that have children; mouse, keyboard,
// selection, scrolling and the wheel as the platform's tree control offers them. The nodes
// are the data: the control shows them and changes their open state only through Expand.
class TreeView : public DWindow {
public:
    // A child of parent (a top-level window when null).
    explicit TreeView(DWindow* parent);
    ~TreeView() override;

    TreeViewNode* GetRoot() const { return root_.get(); }
    // Shows root's children as the top lines, with their open states, and hands back the old
    // root; nothing of the old tree (current line, selection) is kept.
    std::unique_ptr<TreeViewNode> SetRoot(std::unique_ptr<TreeViewNode> root);

    // Opens or closes node (a node of this tree). Does nothing when it is already in that
    // state; otherwise calls EvExpand, and when closing unselects what lies below it.
    void Expand(TreeViewNode* node, bool open);
    // Lays the lines out again from the nodes: their texts, lines added below shown nodes
    // and open states set directly. The whole tree is followed whatever all says: the trees
    // it shows are small.
    void Format(bool all = true);

    // The line with the keyboard focus, or null.
    TreeViewNode* GetCurrent() const;
    void SetCurrent(TreeViewNode* node);

    // Called on every real change of a node between closed and open, whether the user
    // clicked its button or the program called Expand. This one changes the node's state and
    // shows it; a derived control calls it first.
    virtual void EvExpand(TreeViewNode* node, bool open);
    // Called when the user chose a line: clicked it, or pressed Enter on it. It comes once the
    // click is over, so that it may replace the whole tree; a line gone by then is not
    // reported. This one does nothing.
    virtual void EvChoose(TreeViewNode* node);

private:
    class TreeWidget;
    friend class TreeWidget;
    TreeWidget* Tree() const;
    // The user opened or closed the line of node.
    void UserExpanded(TreeViewNode* node, bool open);

    std::unique_ptr<TreeViewNode> root_;
};
