#include "windowmenus.h"

#include "appsetup.h"
#include "form/controltable.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>
#include <QToolTip>
#include <algorithm>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(WindowMenus)
};
} // namespace

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

QString withKey(const QAction* action)
{
    return Tr::tr("%1（%2）")
        .arg(action->text(), action->shortcut().toString(QKeySequence::NativeText));
}

// A menu-bar title shows no key of its own: its tooltip names its key, or
// the keys of the items in its menu, whatever was added to it later.
class KeysInTooltips : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* bar = qobject_cast<QMenuBar*>(watched);
        if (!bar || event->type() != QEvent::ToolTip)
            return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        const QAction* action = bar->actionAt(help->pos());
        QStringList keys;
        if (action && action->menu()) {
            for (const QAction* item : action->menu()->actions())
                if (!item->shortcut().isEmpty())
                    keys << withKey(item);
        } else if (action && !action->shortcut().isEmpty()) {
            keys << withKey(action);
        }
        if (keys.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), keys.join(u'\n'), bar);
        return true;
    }
};

} // namespace

namespace WindowMenus {

QHash<QString, QAction*> build(QMainWindow* window, const std::function<void(ControlId)>& run)
{
    QMenuBar* bar = window->menuBar();
    bar->setNativeMenuBar(false); // the fixed layout counts on a bar inside the window
    // The window's face, whatever font a desktop theme gives menus.
    const QFont face = AppSetup::unzoomedFont(ControlTable::GothicFace, 9);
    bar->setFont(face);
    bar->installEventFilter(new KeysInTooltips(bar));
    auto* style = new AltReachesBar;
    style->setParent(bar);
    bar->setStyle(style);

    QHash<QString, QAction*> actions;
    QMap<ControlId, QMenu*> submenus;
    const QList<MenuSpec>& menuTable = ControlTable::menus();
    for (const MenuSpec& desc : menuTable) {
        const bool hasItems = std::any_of(menuTable.begin(), menuTable.end(),
                                          [&](const MenuSpec& s) { return s.parent == desc.id; });
        QMenu* parentMenu = desc.parent ? submenus.value(*desc.parent) : nullptr;
        QAction* action = nullptr;
        if (hasItems) {
            auto* menu = new QMenu(desc.caption, parentMenu ? static_cast<QWidget*>(parentMenu)
                                                            : static_cast<QWidget*>(bar));
            // A popup is a window of its own: it would take the desktop's looks.
            menu->setPalette(window->palette());
            menu->setFont(face);
            submenus.insert(desc.id, menu);
            action = menu->menuAction();
            // A menu's shortcut opens it, as a click on its title does.
            if (!parentMenu)
                QObject::connect(action, &QAction::triggered, bar,
                                 [bar, action] { bar->setActiveAction(action); });
        } else {
            action = new QAction(desc.caption, window);
            const ControlId id = desc.id;
            QObject::connect(action, &QAction::triggered, window, [run, id] { run(id); });
        }
        action->setObjectName(desc.name);
        action->setShortcut(QKeySequence(desc.shortcut, QKeySequence::PortableText));
        // The tools' keys work from the tool windows too (Ctrl+L from 走行計算).
        if (desc.parent == ControlId::tuuru)
            action->setShortcutContext(Qt::ApplicationShortcut);
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
