#include "fieldaccessible.h"

#include "announcer.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(FieldAccessible)
};
} // namespace

namespace {

class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface
{
public:
    explicit LineEditAccessible(QLineEdit* edit)
        : QAccessibleWidget(edit, QAccessible::EditableText)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return shown();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t == QAccessible::Value && !edit()->isReadOnly())
            edit()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !edit()->isReadOnly();
        s.readOnly = edit()->isReadOnly();
        s.selectableText = true;
        s.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
        return s;
    }

    // ---- Text
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && edit()->hasSelectedText()) {
            *start = edit()->selectionStart();
            *end = *start + int(edit()->selectedText().size());
        }
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { edit()->deselect(); }
    void setSelection(int, int start, int end) override
    {
        edit()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return int(shown().size()); }
    QRect characterRect(int offset) const override
    {
        // Measured from the caret, which is where the field scrolled its text
        // to; moving the caret to measure would tell the screen reader of it.
        QLineEdit* e = edit();
        const QString text = shown();
        const QFontMetrics metrics(e->font());
        const QRect caret = e->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        auto x = [&](int at) {
            return caret.center().x() + metrics.horizontalAdvance(text.left(at)) -
                   metrics.horizontalAdvance(text.left(e->cursorPosition()));
        };
        const QRect r(x(offset), caret.top(), qMax(1, x(offset + 1) - x(offset)), caret.height());
        return QRect(e->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { edit()->setCursorPosition(start); }
    QString attributes(int, int* start, int* end) const override
    {
        // One run of no particular attributes over the whole text.
        *start = 0;
        *end = characterCount();
        return QString();
    }

    // ---- Editable text
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override
    {
        if (edit()->isReadOnly())
            return;
        QString t = edit()->text();
        t.replace(start, end - start, text);
        edit()->setText(t);
    }

private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
    // What the field shows: a password's dots, not its text.
    QString shown() const { return edit()->displayText(); }
};

QAccessibleInterface* lineEditFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QLineEdit") && object->isWidgetType())
        return new LineEditAccessible(static_cast<QLineEdit*>(object));
    return nullptr;
}

// Says an empty field's name once the field has the focus: Orca, having
// heard of the field through its caret first, takes the focus event that
// follows as no news and says nothing.
class EmptyFieldFocus : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            auto* edit = qobject_cast<QLineEdit*>(watched);
            if (edit && edit->text().isEmpty() && !edit->accessibleName().isEmpty()) {
                QPointer<QLineEdit> field(edit);
                QTimer::singleShot(0, this, [field] {
                    if (!field || !field->hasFocus() || !field->text().isEmpty())
                        return;
                    if (auto* news = field->window()->findChild<Announcer*>())
                        news->announce(FieldAccessible::emptyField(field->accessibleName()),
                                       Announcer::EvenIfSaid);
                });
            }
        }
        return false;
    }
};

} // namespace

namespace FieldAccessible {

QString emptyField(const QString& name) { return Tr::tr("%1、空欄").arg(name); }

void install(QApplication& app)
{
    static const bool installed = (QAccessible::installFactory(lineEditFactory), true);
    Q_UNUSED(installed);
    app.installEventFilter(new EmptyFieldFocus(&app));
}

} // namespace FieldAccessible
