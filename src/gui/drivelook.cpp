#include "drivelook.h"

#include "appsetup.h"
#include "form/controltable.h"

#include <QLabel>
#include <QPainter>

namespace DriveLook {

namespace {
const QColor Lilac(192, 192, 255);
const QColor Blue(0, 0, 255);
const QColor Face(0xef, 0xef, 0xef);
// The ratio grid's fixed cells: the face a little darker.
const QColor HeadingFace = Face.darker(112);

// A label a long value cannot widen: past a few dozen characters it asks for
// no more room and shows the value elided in the middle, the whole of it in
// its tooltip (and, through show(), in its accessible name).
class FitLabel : public QLabel
{
public:
    using QLabel::QLabel;

    QSize sizeHint() const override { return capped(QLabel::sizeHint()); }
    QSize minimumSizeHint() const override { return capped(QLabel::minimumSizeHint()); }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        const QRect room = contentsRect().adjusted(margin(), 0, -margin(), 0);
        const QString whole = text();
        const bool fits = wordWrap() || fontMetrics().horizontalAdvance(whole) <= room.width();
        setToolTip(fits ? QString() : whole);
        if (fits) {
            QLabel::paintEvent(event);
            return;
        }
        QFrame::paintEvent(event);
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(room, int(alignment()),
                         fontMetrics().elidedText(whole, Qt::ElideMiddle, room.width()));
    }

private:
    QSize capped(QSize size) const
    {
        if (!wordWrap())
            size.setWidth(qMin(size.width(), fontMetrics().averageCharWidth() * 40));
        return size;
    }
};

QLabel* label(const QString& text, QWidget* parent, const QColor& fore, const QColor& back,
              Qt::Alignment align, bool framed, bool bold = false)
{
    auto* l = new FitLabel(text, parent);
    l->setTextFormat(Qt::PlainText); // figures and names are data, never markup
    // Only the weight is the label's own: face and size come from the
    // window, so a new zoom reaches every label at once.
    if (bold) {
        QFont weight;
        weight.setBold(true);
        l->setFont(weight);
    }
    l->setAlignment(align);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, fore);
    p.setColor(QPalette::Window, back);
    l->setPalette(p);
    l->setAutoFillBackground(true);
    if (framed) {
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setLineWidth(1);
    }
    l->setMargin(2);
    return l;
}
} // namespace

QFont font(bool bold) { return AppSetup::font(ControlTable::GothicFace, 9, bold); }

QLabel* heading(const QString& text, QWidget* parent, Qt::Alignment align)
{
    return label(text, parent, Lilac, Qt::black, align, true);
}

QLabel* columnHeading(const QString& text, QWidget* parent)
{
    return label(text, parent, Qt::black, HeadingFace, Qt::AlignCenter, false);
}

QLabel* valueBox(QWidget* parent, Qt::Alignment align)
{
    return label(QString(), parent, Blue, Face, align, true);
}

QLabel* statusLine(QWidget* parent)
{
    return label(QString(), parent, Blue, Face, Qt::AlignCenter, true, true);
}

QLabel* plain(const QString& text, QWidget* parent)
{
    return label(text, parent, Qt::black, Face, Qt::AlignLeft | Qt::AlignVCenter, false);
}

void show(QLabel* label, const QString& role, const QString& text)
{
    const QString name = text.isEmpty() ? role : role + u' ' + text;
    if (label->text() != text)
        label->setText(text);
    if (label->accessibleName() != name)
        label->setAccessibleName(name);
}

} // namespace DriveLook
