#include "descrview/descrtreeview.h"

#include "app/globals.h"
#include "descr/descrnode.h"

namespace {

DescrUnitNode* FindUnit(TreeViewNode& node, int32_t number) {
    for (int i = 0; i < node.ChildCount(); ++i) {
        TreeViewNode* child = node.Child(i);
        if (auto* unit = dynamic_cast<DescrUnitNode*>(child); unit && unit->Number() == number)
            return unit;
        if (DescrUnitNode* found = FindUnit(*child, number)) return found;
    }
    return nullptr;
}

} // namespace

DescrTreeView::DescrTreeView(DWindow* parent) : TreeView(parent) {}

DescrTreeView::~DescrTreeView() = default;

void DescrTreeView::EvExpand(TreeViewNode* node, bool open) {
    TreeView::EvExpand(node, open);
    // Every line of a description is a DescrTVNode; a foreign node has no branch kind.
    auto* line = dynamic_cast<DescrTVNode*>(node);
    if (!line || line->GetBranch() == BranchNone) return;
    SetBranchOpen(AppOptions.headings, line->GetBranch(), open);
}

void DescrTreeView::EvChoose(TreeViewNode* node) {
    if (auto* named = dynamic_cast<DescrReferenceNode*>(node)) {
        if (showReference_ && !named->Abbr().IsEmpty()) {
            Str abbr = named->Abbr(); // the panel may describe another hex
            showReference_(named->Kind(), abbr);
        }
        return;
    }
    if (auto* unit = dynamic_cast<DescrUnitNode*>(node)) {
        if (trackUnit_) trackUnit_(unit->Number());
        return;
    }
    auto* exit = dynamic_cast<DescrExitNode*>(node);
    if (!exit || !goTo_) return;
    // The description is rebuilt for the hex gone to: the node goes with it.
    AtlCoord target = exit->Target();
    goTo_(target);
}

bool DescrTreeView::ShowUnit(int32_t number) {
    DescrUnitNode* unit = GetRoot() ? FindUnit(*GetRoot(), number) : nullptr;
    if (!unit) return false;
    // Opened for this once, as the description is built: the headings the player keeps
    // closed stay so for the next hex.
    for (TreeViewNode* line = unit; line; line = line->GetParent())
        line->SetOpen(true);
    Format();
    SetCurrent(unit);
    return true;
}
