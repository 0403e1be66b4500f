#include "backdrop.h"

#include "appsetup.h"
#include "colours.h"
#include "form/controltable.h"
#include "twips.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

Backdrop::Backdrop(QWidget* parent) : QWidget(parent) { rescale(); }

void Backdrop::rescale()
{
    setFixedSize(Twips::toPx(ControlTable::ClientWidth), Twips::toPx(ControlTable::ClientHeight));
    update();
}

void Backdrop::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (const LineSpec& line : ControlTable::lines()) {
        p.setPen(QPen(Colours::of(line.colour), 0)); // cosmetic: one pixel at any scale
        p.drawLine(Twips::toPx(line.x1), Twips::toPx(line.y1), Twips::toPx(line.x2),
                   Twips::toPx(line.y2));
    }
    for (const FooterText& text : ControlTable::footer()) {
        // The stand-in faces run wider than the Windows ones; a line that
        // would pass the window's edge is narrowed to fit, at its point size.
        const QFont font =
            AppSetup::fitted(AppSetup::font(text.face, text.pointSize, text.bold, text.italic),
                             text.text, width() - Twips::toPx(text.left));
        p.setFont(font);
        p.setPen(Colours::of(text.colour));
        // The place is the top-left corner of the text, not its baseline.
        const QFontMetrics metrics(font);
        p.drawText(QPoint(Twips::toPx(text.left), Twips::toPx(text.top) + metrics.ascent()),
                   text.text);
    }
}
