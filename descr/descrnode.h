#pragma once

#include "base/str.h"
#include "model/atlcoord.h"
#include "model/references.h"
#include "tree/descroptions.h"
#include "tree/treeviewnode.h"

#include <cstdint>

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

// A skill or item line: it knows the abbreviation its description is kept under
// (model/references.h), so that choosing it can open that description.
class DescrReferenceNode : public DescrTVNode {
public:
    DescrReferenceNode(ReferenceKind kind, Str abbr) : kind_(kind), abbr_(std::move(abbr)) {}
    ReferenceKind Kind() const { return kind_; }
    const Str& Abbr() const { return abbr_; }

private:
    ReferenceKind kind_;
    Str abbr_;
};

// A unit's line: it knows the unit's number, so that the units list can open it in the pane
// and choosing it can show the unit's track.
class DescrUnitNode : public DescrTVNode {
public:
    explicit DescrUnitNode(int32_t number) : number_(number) {}
    int32_t Number() const { return number_; }

private:
    int32_t number_;
};

// The root of a description: not shown itself, its children are the top lines.
class DescrTVRoot : public DescrTVNode {};
