#include "windowmenus.h"

#include "appsetup.h"
#include "form/controltable.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>
#include <algorithm>

namespace {

// Every style draws the bar alike; this one only lets Alt reach it.
class AltReachesBar : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// F10 does what a lone Alt does: the bar takes the keyboard and marks its
// first menu, and Esc gives the focus back.
void reachBar(QMainWindow* window)
{
    // A key press sent from code gets its shortcut override first, as a typed one does.
    QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QApplication::sendEvent(focus, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
    QApplication::sendEvent(focus, &release);
}

} // namespace

namespace WindowMenus {

QHash<QString, QAction*> build(QMainWindow* window, const std::function<void(const QString&)>& run)
{
    QMenuBar* bar = window->menuBar();
    bar->setNativeMenuBar(false); // the fixed layout counts on a bar inside the window
    // The window's face, whatever font a desktop theme gives menus.
    const QFont face = AppSetup::unzoomedFont(ControlTable::GothicFace, 9);
    bar->setFont(face);
    auto* style = new AltReachesBar;
    style->setParent(bar);
    bar->setStyle(style);

    QHash<QString, QAction*> actions;
    QHash<QString, QMenu*> submenus;
    const QList<MenuSpec>& menuTable = ControlTable::menus();
    for (const MenuSpec& desc : menuTable) {
        const bool hasItems = std::any_of(menuTable.begin(), menuTable.end(),
                                          [&](const MenuSpec& s) { return s.parent == desc.name; });
        QMenu* parentMenu = submenus.value(desc.parent);
        QAction* action = nullptr;
        if (hasItems) {
            auto* menu = new QMenu(desc.caption, parentMenu ? static_cast<QWidget*>(parentMenu)
                                                            : static_cast<QWidget*>(bar));
            // A popup is a window of its own: it would take the desktop's looks.
            menu->setPalette(window->palette());
            menu->setFont(face);
            submenus.insert(desc.name, menu);
            action = menu->menuAction();
            // A menu's shortcut opens it, as a click on its title does.
            if (!parentMenu)
                QObject::connect(action, &QAction::triggered, bar,
                                 [bar, action] { bar->setActiveAction(action); });
        } else {
            action = new QAction(desc.caption, window);
            const QString name = desc.name;
            QObject::connect(action, &QAction::triggered, window, [run, name] { run(name); });
        }
        action->setObjectName(desc.name);
        const QKeySequence key(desc.shortcut, QKeySequence::PortableText);
        action->setShortcut(key);
        // A menu-bar title shows no shortcut of its own: its tooltip does.
        if (!parentMenu && !key.isEmpty())
            action->setToolTip(QStringLiteral("%1（%2）")
                                   .arg(desc.caption, key.toString(QKeySequence::NativeText)));
        if (parentMenu)
            parentMenu->addAction(action);
        else
            bar->addAction(action);
        actions.insert(desc.name, action);
    }

    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    QObject::connect(f10, &QShortcut::activated, window, [window] { reachBar(window); });
    return actions;
}

} // namespace WindowMenus
