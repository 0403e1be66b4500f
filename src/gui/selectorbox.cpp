#include "selectorbox.h"

#include "fieldentry.h"

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
}
