#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QAbstractButton;
class QWidget;

// Lets the keyboard drive the on-screen keypad: the keys the control table
// gives a button (digits, "." or ",", Esc/Delete) press it, so a typed key
// takes exactly the path of a click; Return and Enter press the button that
// has the focus. Fields
// the user types into (combo boxes, line edits) keep their keys, and so do
// the menu bar, popups and modal dialogs.
class KeyboardKeypad : public QObject
{
    Q_OBJECT

public:
    // Watches the application's key presses for the widgets of window.
    explicit KeyboardKeypad(QWidget* window);

    // The keypad button, by control name, that a keyboard key presses; "" for none.
    static QString buttonFor(int key);

    // From now on the key presses that button.
    void bind(int key, QAbstractButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool isField(const QObject* widget);
    static bool isReturn(int key);

    QWidget* m_window;
    QHash<int, QAbstractButton*> m_buttons;
};
