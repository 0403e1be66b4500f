#include "fieldentry.h"

#include "common/recordsyntax.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QValidator>

namespace {

class SingleLine : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override
    {
        if (RecordSyntax::firstControl(input) >= 0) {
            pos = int(RecordSyntax::singleLine(input.left(pos)).size());
            input = RecordSyntax::singleLine(input);
        }
        return Acceptable;
    }
};

class ReturnInField : public QObject
{
public:
    explicit ReturnInField(QComboBox* combo) : QObject(combo), m_combo(combo) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && !m_combo->view()->isVisible()) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QComboBox* m_combo;
};

} // namespace

namespace FieldEntry {

void keepSingleLine(QLineEdit* edit) { edit->setValidator(new SingleLine(edit)); }

void ignoreReturnInField(QComboBox* combo)
{
    // The box passes its keys to the line edit directly, so both are watched.
    auto* filter = new ReturnInField(combo);
    combo->installEventFilter(filter);
    combo->lineEdit()->installEventFilter(filter);
}

void followTypedText(QComboBox* combo, const QString& text)
{
    const int typed = combo->findText(text);
    if (typed >= 0 && typed != combo->currentIndex()) {
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(typed);
    }
}

} // namespace FieldEntry
