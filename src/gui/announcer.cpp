#include "announcer.h"

#include "accessiblerole.h"

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    AccessibleRole::install<Announcer, QAccessible::Notification>();
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::announce(const QString& text, Repeat repeat)
{
    if (text.isEmpty() || (repeat == Once && isVisible() && text == accessibleName()))
        return;
    // Shown afresh, so the screen reader hears of it as new.
    hide();
    setAccessibleName(text);
    show();
    lower();
}
