#pragma once

#include "form/controlid.h"

#include <QHash>
#include <QString>
#include <functional>

class QAction;
class QMainWindow;

// The window's menu bar, built from the menu table. The table's shortcuts
// are the actions' own, shown beside the items and in the titles' tooltips;
// F1 opens the manual's menu, and F10 or a lone Alt puts the bar under the
// keyboard at its first menu.
namespace WindowMenus {

// Every menu and item by name; an item's action runs run(its id).
QHash<QString, QAction*> build(QMainWindow* window, const std::function<void(ControlId)>& run);

} // namespace WindowMenus
