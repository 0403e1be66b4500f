#pragma once

#include <QAccessibleWidget>
#include <QLatin1String>

// Gives every widget of class W the accessible role R, where its Qt class
// would tell a screen reader something else (a plain QWidget is a filler).
namespace AccessibleRole {

template <typename W, QAccessible::Role R>
QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String(W::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), R);
    return nullptr;
}

// Call from W's constructor; the factory is installed once.
template <typename W, QAccessible::Role R> void install()
{
    static const bool installed = (QAccessible::installFactory(&factory<W, R>), true);
    Q_UNUSED(installed);
}

} // namespace AccessibleRole
