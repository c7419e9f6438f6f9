#pragma once

#include "model/atlcoord.h"
#include "model/references.h"
#include "ui/treeview.h"

#include <functional>

// The description pane: a tree control that remembers the headings the user opens. Each
// real change of a heading's state is written at once into the program's options
// (AppOptions.headings, which descriptions are built with), so that
// the next description (and the next run) opens the same headings.
class DescrTreeView : public TreeView {
public:
    explicit DescrTreeView(DWindow* parent);
    ~DescrTreeView() override;

    // Changes the node as the tree control does, then stores open under the node's branch
    // kind; lines that are no heading store nothing.
    void EvExpand(TreeViewNode* node, bool open) override;
    // An exit line chosen goes to the hex it leads to, through what OnGoTo set; a skill or item
    // line opens its description, through what OnReference set.
    void EvChoose(TreeViewNode* node) override;
    void OnGoTo(std::function<void(const AtlCoord&)> goTo) { goTo_ = std::move(goTo); }
    using ShowReference = std::function<void(ReferenceKind kind, const Str& abbr)>;
    void OnReference(ShowReference show) { showReference_ = std::move(show); }
    // A unit line chosen shows the unit's track, through what OnTrackUnit set.
    void OnTrackUnit(std::function<void(int32_t number)> track) { trackUnit_ = std::move(track); }
    // Makes the first line of the unit of that number the current one, the lines above it
    // opened to show it, and opens it; false when the description has no such unit.
    bool ShowUnit(int32_t number);

private:
    std::function<void(const AtlCoord&)> goTo_;
    ShowReference showReference_;
    std::function<void(int32_t number)> trackUnit_;
};
