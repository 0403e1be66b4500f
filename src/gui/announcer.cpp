#include "announcer.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface* notificationFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(notificationFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::announce(const QString& text)
{
    if (text.isEmpty() || (isVisible() && text == accessibleName()))
        return;
    // Shown afresh, so the screen reader hears of it as new.
    hide();
    setAccessibleName(text);
    show();
    lower();
}
