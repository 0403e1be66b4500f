#include "keyboardkeypad.h"

#include "form/controltable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int PressedLookMs = 100;

} // namespace

KeyboardKeypad::KeyboardKeypad(QWidget* window) : QObject(window), m_window(window)
{
    qApp->installEventFilter(this);
}

QString KeyboardKeypad::buttonFor(int key)
{
    for (const ControlSpec& desc : ControlTable::controls())
        if (desc.keys.contains(key))
            return desc.name;
    return QString();
}

void KeyboardKeypad::bind(int key, QAbstractButton* button) { m_buttons.insert(key, button); }

bool KeyboardKeypad::isReturn(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

bool KeyboardKeypad::isField(const QObject* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget);
}

bool KeyboardKeypad::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    if (static_cast<QWidget*>(watched)->window() != m_window)
        return false;
    // The receiver is asked too: a key a field passed on (Esc) must not clear
    // the keypad, and one sent to a field directly is the field's.
    // The menu bar under the keyboard (F10, Alt) keeps Esc and the digits too.
    QWidget* focus = QApplication::focusWidget();
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget() || isField(focus) ||
        isField(watched) || qobject_cast<QMenuBar*>(focus))
        return false;

    const auto* key = static_cast<QKeyEvent*>(event);
    // Shortcuts with Ctrl, Alt or Meta are not keypad keys.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    // Digit keys arrive with the same key code from the main row and the number
    // pad (the latter only adds KeypadModifier).
    QPointer<QAbstractButton> button = m_buttons.value(key->key());
    // Return and Enter press the button that has the focus, as Space does.
    if (isReturn(key->key()) && !key->isAutoRepeat())
        button = qobject_cast<QPushButton*>(focus);
    if (!button || !button->isVisible() || !button->isEnabled())
        return false;

    // click() runs the handler at once, so keys typed faster than a button's
    // press animation are neither lost nor reordered; the pressed look follows.
    button->click();
    if (button) {
        button->setDown(true);
        QTimer::singleShot(PressedLookMs, button, [button] {
            if (button)
                button->setDown(false);
        });
    }
    return true;
}
