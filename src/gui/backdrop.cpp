#include "backdrop.h"

#include "appsetup.h"
#include "colours.h"
#include "form/controltable.h"
#include "twips.h"
#include "zoom.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QSettings>
#include <QTimer>

#include <optional>

Backdrop::Backdrop(QWidget* parent) : QWidget(parent) { rescale(); }

void Backdrop::rescale()
{
    setFixedSize(Twips::toPx(ControlTable::ClientWidth), Twips::toPx(ControlTable::ClientHeight));
    m_footer.clear(); // fitted again at the new zoom
    update();
}

namespace {
// The stretches fitted at an earlier start, by face, size and room, kept with
// the zoom: measuring a line makes a font engine only to measure with and
// loads every glyph's box, a twentieth of the start-up's instructions.
QString fitKey(const QFont& font, const QString& text, int room)
{
    return QStringLiteral("footer/%1")
        .arg(qHash(QStringLiteral("%1|%2|%3").arg(font.toString(), text).arg(room), 0));
}

QFont fittedAnew(const FooterText& text, int room)
{
    return AppSetup::fitted(AppSetup::font(text.face, text.pointSize, text.bold, text.italic),
                            text.text, room);
}
} // namespace

void Backdrop::fitFooter()
{
    std::optional<QSettings> memory;
    if (Zoom::settingsProblem().isEmpty())
        memory.emplace(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("zeltan"),
                       QStringLiteral("zeltan"));
    bool remembered = false;
    for (const FooterText& text : ControlTable::footer()) {
        // The stand-in faces run wider than the Windows ones; a line that
        // would pass the window's edge is narrowed to fit, at its point size.
        const int room = width() - Twips::toPx(text.left);
        QFont font = AppSetup::font(text.face, text.pointSize, text.bold, text.italic);
        const QString key = fitKey(font, text.text, room);
        if (const QVariant known = memory ? memory->value(key) : QVariant(); known.isValid()) {
            if (known.toInt() != 0) // a line that fits keeps the font as it is
                font.setStretch(known.toInt());
            remembered = true;
        } else {
            font = fittedAnew(text, room);
            if (memory)
                memory->setValue(key, font.stretch());
        }
        // The place is the top-left corner of the text, not its baseline.
        m_footer.append({font, QPoint(Twips::toPx(text.left),
                                      Twips::toPx(text.top) + QFontMetrics(font).ascent())});
    }
    // Checked once the first frame is out; what was measured is kept.
    if (remembered)
        QTimer::singleShot(0, this, &Backdrop::checkFooter);
}

void Backdrop::checkFooter()
{
    const QList<FooterText>& lines = ControlTable::footer();
    if (m_footer.size() != lines.size())
        return; // fitted again at another zoom meanwhile
    if (!Zoom::settingsProblem().isEmpty())
        return;
    QSettings memory(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("zeltan"),
                     QStringLiteral("zeltan"));
    bool changed = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int room = width() - Twips::toPx(lines[i].left);
        const QFont font = fittedAnew(lines[i], room);
        const QFont unfitted =
            AppSetup::font(lines[i].face, lines[i].pointSize, lines[i].bold, lines[i].italic);
        memory.setValue(fitKey(unfitted, lines[i].text, room), font.stretch());
        if (font.stretch() != m_footer[i].font.stretch()) {
            m_footer[i] = {font, QPoint(Twips::toPx(lines[i].left),
                                        Twips::toPx(lines[i].top) + QFontMetrics(font).ascent())};
            changed = true;
        }
    }
    if (changed)
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
