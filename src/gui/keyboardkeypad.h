#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QWidget;

// Lets the keyboard drive the on-screen keypad: digits, "." or "," and
// Esc/Delete press the keypad's buttons, so a typed key takes exactly the path
// of a click; Return and Enter press the button that has the focus. Fields
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
    // Every keypad button some key presses.
    static QStringList buttonNames();

    void bind(const QString& buttonName, QAbstractButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool isField(const QObject* widget);
    static bool isReturn(int key);

    QWidget* m_window;
    QHash<QString, QAbstractButton*> m_buttons;
};
