#include "selectorbox.h"

#include <QListView>

#include "fieldentry.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace {

class SelectorAccessible : public QAccessibleWidget
{
public:
    explicit SelectorAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(t);
    }

    // The field, then the list of items, as Qt's own combo box offers them.
    int childCount() const override { return QAccessibleWidget::childCount() + 1; }

    QAccessibleInterface* child(int index) const override
    {
        if (index == QAccessibleWidget::childCount())
            return QAccessible::queryAccessibleInterface(box()->view());
        return QAccessibleWidget::child(index);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child && child->object() == box()->view())
            return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }

    QStringList actionNames() const override
    {
        return QStringList(showMenuAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == showMenuAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* selectorFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(SelectorBox::staticMetaObject.className()))
        return new SelectorAccessible(static_cast<SelectorBox*>(object));
    return nullptr;
}

} // namespace

SelectorBox::SelectorBox(QWidget* parent) : QComboBox(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(selectorFactory);
        return true;
    }();
    Q_UNUSED(installed);

    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    FieldEntry::keepSingleLine(lineEdit());
    FieldEntry::ignoreReturnInField(this);
    // Items are one line each: a long list opens without measuring every row.
    if (auto* list = qobject_cast<QListView*>(view()))
        list->setUniformItemSizes(true);
}
