#include "ui/menubar.h"

#include "ui/qtext.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

using CommandFn = std::function<void(unsigned)>;
using ShowFn = std::function<void(QMenu*)>;

// The key named after a tab in an entry's text ("&Open\tCtrl+O") runs the entry from
// anywhere in the window. F1 stays the frame's help on what has the focus.
void SetShortcut(QAction* action) {
    QString text = action->text();
    int tab = text.indexOf('\t');
    if (tab < 0) return;
    QKeySequence keys(text.mid(tab + 1), QKeySequence::PortableText);
    if (keys.isEmpty() || keys == QKeySequence(Qt::Key_F1)) return;
    action->setShortcut(keys);
    // Qt would show the key twice: once from the text, once from the shortcut.
    action->setText(text.left(tab));
}

struct Builder {
    const MenuTemplate& items;
    CommandFn command;
    ShowFn aboutToShow;
    size_t next = 0;

    QMenu* NewMenu(QWidget* parent, const Str& title) const {
        auto* menu = new QMenu(ToQt(title), parent);
        menu->setObjectName(ToQt(title).remove('&'));
        QObject::connect(menu, &QMenu::aboutToShow, [show = aboutToShow, menu] { show(menu); });
        return menu;
    }

    // Adds the entries of one depth that follow, with their submenus, to menu.
    void Fill(QMenu* menu, int depth) {
        while (next < items.size() && items[next].depth == depth) {
            const MenuItemDef& item = items[next++];
            if (item.separator) {
                menu->addSeparator();
            } else if (next < items.size() && items[next].depth > depth) {
                QMenu* sub = NewMenu(menu, item.text);
                menu->addMenu(sub);
                Fill(sub, depth + 1);
            } else {
                QAction* action = menu->addAction(ToQt(item.text));
                unsigned id = item.id;
                action->setData(id);
                action->setObjectName(QStringLiteral("cmd%1").arg(id));
                SetShortcut(action);
                QObject::connect(action, &QAction::triggered, [run = command, id] { run(id); });
            }
        }
    }
};

} // namespace

void BuildMenuBar(QMainWindow* window, const MenuTemplate& menu, const CommandFn& command,
                  const ShowFn& aboutToShow) {
    Builder builder{menu, command, aboutToShow};
    QMenuBar* bar = window->menuBar();
    QMenuBar* right = nullptr;
    while (builder.next < menu.size()) {
        const MenuItemDef& title = menu[builder.next++];
        bool atRight = title.text.Get()[0] == '\b';
        Str text = atRight ? Str(title.text.Get() + 1) : title.text;
        QMenuBar* target = bar;
        if (atRight) {
            // Qt has no right-aligned menus; a second bar in the corner holds them.
            if (!right) {
                right = new QMenuBar(bar);
                right->setObjectName(QStringLiteral("rightMenuBar"));
                bar->setCornerWidget(right, Qt::TopRightCorner);
            }
            target = right;
        }
        QMenu* sub = builder.NewMenu(target, text);
        target->addMenu(sub);
        builder.Fill(sub, 1);
    }
}
