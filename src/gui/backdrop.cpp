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
    m_footer.clear(); // fitted again at the new zoom
    update();
}

void Backdrop::fitFooter()
{
    for (const FooterText& text : ControlTable::footer()) {
        // The stand-in faces run wider than the Windows ones; a line that
        // would pass the window's edge is narrowed to fit, at its point size.
        const QFont font =
            AppSetup::fitted(AppSetup::font(text.face, text.pointSize, text.bold, text.italic),
                             text.text, width() - Twips::toPx(text.left));
        // The place is the top-left corner of the text, not its baseline.
        m_footer.append({font, QPoint(Twips::toPx(text.left),
                                      Twips::toPx(text.top) + QFontMetrics(font).ascent())});
    }
}

void Backdrop::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (const LineSpec& line : ControlTable::lines()) {
        p.setPen(QPen(Colours::of(line.colour), 0)); // cosmetic: one pixel at any scale
        p.drawLine(Twips::toPx(line.x1), Twips::toPx(line.y1), Twips::toPx(line.x2),
                   Twips::toPx(line.y2));
    }
    // Measuring a line shapes it: done once per zoom, not on every paint.
    if (m_footer.isEmpty())
        fitFooter();
    const QList<FooterText>& footer = ControlTable::footer();
    for (qsizetype i = 0; i < footer.size(); ++i) {
        p.setFont(m_footer[i].font);
        p.setPen(Colours::of(footer[i].colour));
        p.drawText(m_footer[i].baseline, footer[i].text);
    }
}
