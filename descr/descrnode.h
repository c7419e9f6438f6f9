#pragma once

#include "model/atlcoord.h"
#include "ui/treeviewnode.h"

#include <cstdint>

// The branch kind of a description line: which heading it is, so that the pane can remember
// the headings the user leaves open.
enum DescrBranch : uint32_t {
    BranchNone = 0, // every line that is not a heading
    BranchWanted = 1,
    BranchForSale = 2,
    BranchProducts = 3,
    BranchMyUnits = 4,
    BranchOtherUnits = 5,
    BranchBuildings = 6,
    BranchExits = 7,
};

// One line of a hex description. The low four bits of the attribute word hold its branch
// kind; the other bits are always 0.
class DescrTVNode : public TreeViewNode {
public:
    DescrTVNode() = default;
    explicit DescrTVNode(uint32_t branch) : attr_(branch & kBranchMask) {}

    uint32_t GetAttr() const { return attr_; }
    uint32_t GetBranch() const { return attr_ & kBranchMask; }

private:
    static constexpr uint32_t kBranchMask = 0xF;
    uint32_t attr_ = 0;
};

// An exit line: it knows the hex the exit leads to, so that selecting it can go there.
class DescrExitNode : public DescrTVNode {
public:
    explicit DescrExitNode(const AtlCoord& target) : target_(target) {}
    const AtlCoord& Target() const { return target_; }

private:
    AtlCoord target_;
};

// The root of a description: not shown itself, its children are the top lines. It knows the
// control that shows it (null while the description is built without one).
class DescrTVRoot : public DescrTVNode {
public:
    explicit DescrTVRoot(TreeView* view = nullptr) : view_(view) {}
    TreeView* GetView() const override { return view_; }

private:
    TreeView* view_;
};
