#include "selectorbox.h"

#include <QListView>

#include "fieldentry.h"
#include "zoom.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionComplex>

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

// The arrow button keeps the style's width at any zoom; in the window's
// narrow selectors (an interval of "1") it would leave no room for the text
// below the design size, so it shrinks with the zoom. The field's frame and
// margins do not shrink, so at a high display scale the arrow also gives up
// what the text still lacks, down to a width that still shows it.
class ZoomedArrow : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        const auto* box = qobject_cast<const SelectorBox*>(widget);
        if (control != CC_ComboBox || !box ||
            (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField))
            return QProxyStyle::subControlRect(control, option, part, widget);
        QRect arrow = QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget);
        QRect field = QProxyStyle::subControlRect(control, option, SC_ComboBoxEditField, widget);
        const double zoom = Zoom::factor();
        int narrower = zoom < 1.0 ? arrow.width() - int(arrow.width() * zoom) : 0;
        // The line edit's own margin (2 px a side) and a cursor's width.
        const int wanted = box->fontMetrics().horizontalAdvance(box->currentText()) + 5;
        const int lacking = wanted - (field.width() + narrower);
        if (lacking > 0)
            narrower = qMax(narrower, qMin(narrower + lacking, arrow.width() - MinArrowWidth));
        narrower = qMax(0, narrower);
        arrow.setLeft(arrow.left() + narrower);
        field.setRight(field.right() + narrower);
        return part == SC_ComboBoxArrow ? arrow : field;
    }

private:
    static constexpr int MinArrowWidth = 4;
};

QAccessibleInterface* selectorFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(SelectorBox::staticMetaObject.className()))
        return new SelectorAccessible(static_cast<SelectorBox*>(object));
    // Other windows' boxes that carry a name (セッティング記録's filters) speak
    // the same way; Qt's own would say their text as their name.
    if (className == QLatin1String("QComboBox") && object->isWidgetType() &&
        !static_cast<QWidget*>(object)->accessibleName().isEmpty())
        return new SelectorAccessible(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

QStyle* SelectorBox::styleOver(QStyle* base) { return new ZoomedArrow(base); }

void SelectorBox::installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(selectorFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

SelectorBox::SelectorBox(QWidget* parent) : QComboBox(parent)
{
    installAccessibility();

    // Made editable through its own field, which already holds a completer:
    // the box then makes no completer of its own only to have it removed,
    // and its list waits until it is first opened (setEditable would build
    // both for each of the window's seven boxes before the first frame).
    static QPointer<QCompleter> none; // goes with the application
    if (!none)
        none = new QCompleter(qApp);
    auto* field = new QLineEdit(this);
    field->setPalette(palette());
    field->setCompleter(none);
    setLineEdit(field);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    FieldEntry::keepSingleLine(lineEdit());
    FieldEntry::ignoreReturnInField(this);
}

void SelectorBox::showPopup()
{
    if (auto* list = qobject_cast<QListView*>(view()); list && !list->uniformItemSizes()) {
        // Items are one line each: a long list opens without measuring every row.
        list->setUniformItemSizes(true);
        // As setEditable leaves a list made before the box turned editable.
        list->setMouseTracking(true);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    QComboBox::showPopup();
}
