#include "ui/treeview.h"

#include "ui/qtext.h"

#include <QHeaderView>
#include <QTimer>
#include <QTreeWidget>

#include <unordered_map>

// The Qt side: one item per node, each carrying its node. It reports the user's opening and
// closing of lines; changes it makes itself while following the nodes are not reported.
class TreeView::TreeWidget : public QTreeWidget {
public:
    TreeWidget(TreeView* view, QWidget* parent) : QTreeWidget(parent), view_(view) {
        setObjectName(QStringLiteral("treeView"));
        setColumnCount(1);
        setHeaderHidden(true);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setUniformRowHeights(true);
        // Long unit lines scroll sideways rather than being cut.
        header()->setStretchLastSection(false);
        header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
        connect(this, &QTreeWidget::itemExpanded, this,
                [this](QTreeWidgetItem* item) { Report(item, true); });
        connect(this, &QTreeWidget::itemCollapsed, this,
                [this](QTreeWidgetItem* item) { Report(item, false); });
        connect(this, &QTreeWidget::itemClicked, this,
                [this](QTreeWidgetItem* item) { Chosen(item); });
        connect(this, &QTreeWidget::itemActivated, this,
                [this](QTreeWidgetItem* item) { Chosen(item); });
    }

    void Detach() { view_ = nullptr; }

    static TreeViewNode* NodeOf(const QTreeWidgetItem* item) {
        if (!item) return nullptr;
        return reinterpret_cast<TreeViewNode*>(item->data(0, Qt::UserRole).value<quintptr>());
    }
    QTreeWidgetItem* ItemOf(const TreeViewNode* node) const {
        auto it = items_.find(node);
        return it == items_.end() ? nullptr : it->second;
    }

    void Forget() {
        ++generation_;
        items_.clear();
        Following guard(*this);
        clear();
    }

    // Makes the lines below parent (the root when parentItem is null) match its children.
    void Follow(const TreeViewNode& parent, QTreeWidgetItem* parentItem) {
        for (int i = 0; i < parent.ChildCount(); ++i) {
            const TreeViewNode* node = parent.Child(i);
            QTreeWidgetItem* item = ItemOf(node);
            if (!item) {
                item = new QTreeWidgetItem;
                item->setData(0, Qt::UserRole,
                              QVariant::fromValue(reinterpret_cast<quintptr>(node)));
                if (parentItem)
                    parentItem->insertChild(i, item);
                else
                    insertTopLevelItem(i, item);
                items_[node] = item;
            }
            QString text = ReportToQt(node->GetString().Get());
            if (item->text(0) != text) item->setText(0, text);
            Follow(*node, item);
            ShowOpen(*node);
        }
    }

    // The line of node shown open or closed as the node is.
    void ShowOpen(const TreeViewNode& node) {
        QTreeWidgetItem* item = ItemOf(&node);
        if (!item || item->isExpanded() == node.IsOpen()) return;
        Following guard(*this);
        item->setExpanded(node.IsOpen());
    }

private:
    // While set, the widget changes itself to follow the nodes: nothing is reported.
    struct Following {
        explicit Following(TreeWidget& w) : w_(w), was_(w.following_) { w.following_ = true; }
        ~Following() { w_.following_ = was_; }
        TreeWidget& w_;
        bool was_;
    };

    void Report(QTreeWidgetItem* item, bool open) {
        if (following_ || !view_) return;
        if (TreeViewNode* node = NodeOf(item)) view_->UserExpanded(node, open);
    }

    // Reported after the signal is over: the choice may replace the tree and its items. A
    // tree replaced meanwhile (another generation) no longer holds the node.
    void Chosen(QTreeWidgetItem* item) {
        TreeViewNode* node = NodeOf(item);
        if (!node || !view_) return;
        unsigned generation = generation_;
        QTimer::singleShot(0, this, [this, node, generation] {
            if (view_ && generation == generation_ && ItemOf(node)) view_->EvChoose(node);
        });
    }

    TreeView* view_;
    std::unordered_map<const TreeViewNode*, QTreeWidgetItem*> items_;
    bool following_ = false;
    unsigned generation_ = 0;
};

TreeView::TreeView(DWindow* parent)
    : DWindow(new TreeWidget(this, parent ? parent->Widget() : nullptr)) {}

TreeView::~TreeView() {
    if (TreeWidget* tree = Tree()) {
        tree->Detach();
        tree->Forget();
    }
}

TreeView::TreeWidget* TreeView::Tree() const {
    return static_cast<TreeWidget*>(Widget());
}

std::unique_ptr<TreeViewNode> TreeView::SetRoot(std::unique_ptr<TreeViewNode> root) {
    // The lines go before their nodes can.
    if (TreeWidget* tree = Tree()) tree->Forget();
    std::unique_ptr<TreeViewNode> old = std::move(root_);
    root_ = std::move(root);
    Format(true);
    return old;
}

void TreeView::Format(bool all) {
    TreeWidget* tree = Tree();
    if (!tree || !root_) return;
    tree->Follow(*root_, nullptr);
}

void TreeView::Expand(TreeViewNode* node, bool open) {
    if (!node || node->IsOpen() == open) return;
    EvExpand(node, open);
    TreeWidget* tree = Tree();
    if (!tree) return;
    if (!open) {
        // Lines that can no longer be seen are not selected.
        QTreeWidgetItem* item = tree->ItemOf(node);
        for (QTreeWidgetItem* selected : tree->selectedItems())
            for (QTreeWidgetItem* up = selected->parent(); up; up = up->parent())
                if (up == item) selected->setSelected(false);
    }
    // A derived control may have kept the node as it was: the line shows the node.
    tree->ShowOpen(*node);
}

void TreeView::EvExpand(TreeViewNode* node, bool open) {
    node->SetOpen(open);
    if (TreeWidget* tree = Tree()) tree->ShowOpen(*node);
}

void TreeView::UserExpanded(TreeViewNode* node, bool open) {
    Expand(node, open);
    // Also when nothing changed: the line shows the node again.
    if (TreeWidget* tree = Tree()) tree->ShowOpen(*node);
}

void TreeView::EvChoose(TreeViewNode*) {}

TreeViewNode* TreeView::GetCurrent() const {
    return Tree() ? TreeWidget::NodeOf(Tree()->currentItem()) : nullptr;
}

void TreeView::SetCurrent(TreeViewNode* node) {
    TreeWidget* tree = Tree();
    if (!tree) return;
    tree->setCurrentItem(tree->ItemOf(node));
}
