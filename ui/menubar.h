#pragma once

#include "app/resources.h"

#include <functional>

class QMainWindow;
class QMenu;

// Fills the window's menu bar from a menu template. Titles beginning with "\b" go to the
// right end of the bar. Every entry's QAction carries its command identifier as data and is
// named "cmd<id>"; triggering it calls command(id). A key named after a tab in an entry's
// text ("&Save\tCtrl+S") becomes its shortcut. aboutToShow(menu) runs before a menu opens.
void BuildMenuBar(QMainWindow* window, const MenuTemplate& menu,
                  const std::function<void(unsigned)>& command,
                  const std::function<void(QMenu*)>& aboutToShow);
