#include "notebooksheet.h"

#include "common/colour.h"
#include "notebook/notebookmessages.h"
#include "print/gridexport.h"
#include "print/pagedraw.h"
#include "print/printout.h"

#include <QCoreApplication>
#include <QDate>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(NotebookSheet)
};
} // namespace

namespace NotebookSheet {

namespace {
constexpr int ShortSide = PrintPage::ShortSideTwips;
constexpr int LongSide = PrintPage::LongSideTwips;
constexpr int Margin = 700;
constexpr int MarkSize = 7;
// A mark's glyph is drawn from its top-left corner: this brings its middle
// onto the point.
constexpr int MarkOffset = MarkSize * 10;
const QString TempMark = QStringLiteral("●");
const QString LapMark = QStringLiteral("▲");
const int TempInk = Colour::Red;
const int LapInk = Colour::LightBlue;

using PageDraw::line;
using PageDraw::text;

PrintPage blank(bool landscape)
{
    PrintPage page;
    page.landscape = landscape;
    page.face = PrintOut::Face;
    return page;
}

// text cut to what fits in width twips at pointSize, ending in "…" when cut:
// a full-width character takes a point size, any other about six tenths of it.
QString cut(const QString& text, int width, int pointSize)
{
    const int em = pointSize * 20;
    auto advance = [em](QChar c) { return c.unicode() < 0x2000 ? em * 6 / 10 : em; };
    int whole = 0;
    for (const QChar c : text)
        whole += advance(c);
    if (whole <= width)
        return text;
    qsizetype kept = 0; // as many as fit beside the "…"
    for (int used = em; kept < text.size() && used + advance(text[kept]) <= width; ++kept)
        used += advance(text[kept]);
    return text.left(kept) + u'…';
}

// A long note in lines of at most width characters.
QStringList wrapped(const QString& s, int width)
{
    QStringList lines;
    for (qsizetype i = 0; i < s.size(); i += width)
        lines << s.mid(i, width);
    return lines;
}

void footer(PrintPage& page, int bottom)
{
    text(page, Margin, bottom - 300,
         Tr::tr("ZELTAN %1　%2")
             .arg(NotebookMessages::Title(),
                  QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"))),
         8);
}

// The marks of one series, one per spot of about a mark's size, so a
// hundred thousand runs stay a page of a few thousand marks.
void drawMarks(PrintPage& page, const QList<QPointF>& points, const NotebookChart::Axis& x,
               const NotebookChart::Axis& y, int left, int top, int w, int h, const QString& mark,
               int ink)
{
    QSet<qint64> taken;
    for (const QPointF& p : points) {
        const int px = int(std::lround(x.place(p.x(), left, w)));
        const int py = int(std::lround(y.place(p.y(), top + h, -h)));
        const qint64 spot = qint64(px / 60) << 32 | (py / 60);
        if (taken.contains(spot))
            continue;
        taken.insert(spot);
        text(page, px - MarkOffset / 2, py - MarkOffset, mark, MarkSize, false, ink);
    }
}
} // namespace

void drawPlot(PrintPage& page, const NotebookChart::Plot& plot, int x, int y, int w, int h)
{
    text(page, x, y, NotebookChart::title(plot.kind), 10, true);
    const int left = x + 900, top = y + 450, right = x + w - 900, bottom = y + h - 650;
    const int pw = right - left, ph = bottom - top;
    line(page, left, top, right, top);
    line(page, left, bottom, right, bottom);
    line(page, left, top, left, bottom);
    line(page, right, top, right, bottom);
    if (plot.empty()) {
        text(page, left + 300, top + ph / 2, NotebookMessages::noRunsToChart(), 9);
        return;
    }
    for (double t : plot.x.ticks) {
        const int tx = int(std::lround(plot.x.place(t, left, pw)));
        line(page, tx, bottom, tx, bottom + 60);
        text(page, tx - 200, bottom + 90, NotebookChart::tickText(plot.x, t), 7);
    }
    text(page, left + pw / 2 - 600, bottom + 330, plot.x.title, 8);
    for (double t : plot.temp.ticks) {
        const int ty = int(std::lround(plot.temp.place(t, bottom, -ph)));
        line(page, left - 60, ty, left, ty);
        text(page, left - 560, ty - 80, NotebookChart::tickText(plot.temp, t), 7, false, TempInk);
    }
    for (double t : plot.lap.ticks) {
        const int ty = int(std::lround(plot.lap.place(t, bottom, -ph)));
        line(page, right, ty, right + 60, ty);
        text(page, right + 100, ty - 80, NotebookChart::tickText(plot.lap, t), 7, false, LapInk);
    }
    text(page, left, top - 230, TempMark + plot.temp.title, 8, false, TempInk);
    text(page, right - 1800, top - 230, LapMark + plot.lap.title, 8, false, LapInk);
    drawMarks(page, plot.temps, plot.x, plot.temp, left, top, pw, ph, TempMark, TempInk);
    drawMarks(page, plot.laps, plot.x, plot.lap, left, top, pw, ph, LapMark, LapInk);
    // The newest run is ringed and named.
    for (const auto& [latest, axis] :
         {std::pair{plot.latestTemp, &plot.temp}, std::pair{plot.latestLap, &plot.lap}}) {
        if (!latest)
            continue;
        const int px = int(std::lround(plot.x.place(latest->x(), left, pw)));
        const int py = int(std::lround(axis->place(latest->y(), bottom, -ph)));
        line(page, px - 110, py - 110, px + 110, py - 110);
        line(page, px + 110, py - 110, px + 110, py + 110);
        line(page, px + 110, py + 110, px - 110, py + 110);
        line(page, px - 110, py + 110, px - 110, py - 110);
        text(page, px + 140, py - 260, NotebookMessages::latestMark(), 7, true);
    }
}

PrintPage entryPage(const NotebookEntry& e)
{
    PrintPage page = blank(false);
    const int right = ShortSide - Margin;
    text(page, Margin, Margin, cut(Tr::tr("セッティングシート　%1").arg(e.car), right - Margin, 16),
         16, true);
    text(page, Margin, Margin + 500,
         cut(Tr::tr("%1　%2").arg(notebookDateText(e.taken), e.track), right - Margin, 12), 12);
    int y = Margin + 1100;
    constexpr int Pitch = 420;
    line(page, Margin, y - 60, right, y - 60);
    for (const NotebookField& f : notebookFields()) {
        if (f.member == &NotebookEntry::car || f.member == &NotebookEntry::note)
            continue;
        text(page, Margin + 100, y, f.label(), 11);
        text(page, Margin + 3600, y, cut(e.*f.member, right - Margin - 3600, 11), 11, true);
        y += Pitch;
        line(page, Margin, y - 60, right, y - 60);
    }
    y += 200;
    text(page, Margin + 100, y, Tr::tr("メモ"), 11);
    for (const QString& l : wrapped(e.note, 38)) {
        text(page, Margin + 1300, y, l, 11);
        y += 300;
    }
    footer(page, LongSide - Margin);
    return page;
}

PrintPage historyPage(const QString& car, const QList<NotebookEntry>& entries,
                      const NotebookChart::Plot& plot, const QString& note)
{
    PrintPage page = blank(false);
    const int right = ShortSide - Margin;
    text(page, Margin, Margin, cut(Tr::tr("セッティング履歴　%1").arg(car), right - Margin, 16), 16,
         true);
    text(page, Margin, Margin + 500, Tr::tr("%1件").arg(entries.size()), 10);
    // The note takes its lines from the chart's height; the list stays put.
    constexpr int NotePitch = 200;
    const QStringList noteLines = note.isEmpty() ? QStringList() : wrapped(note, 60);
    for (qsizetype i = 0; i < noteLines.size(); ++i)
        text(page, Margin, Margin + 800 + int(i) * NotePitch, noteLines[i], 8);
    const int noteHeight = int(noteLines.size()) * NotePitch;
    drawPlot(page, plot, Margin, Margin + 900 + noteHeight, ShortSide - 2 * Margin,
             5200 - noteHeight);

    const struct
    {
        QString heading;
        int x;
    } columns[] = {
        {Tr::tr("日時"), 0},           {Tr::tr("コース"), 1500}, {Tr::tr("路面・気温"), 3000},
        {QStringLiteral("P/S"), 4500}, {Tr::tr("減速比"), 5300}, {Tr::tr("ロールアウト"), 6300},
        {Tr::tr("温度"), 7500},        {Tr::tr("ラップ"), 8200}, {Tr::tr("メモ"), 9000},
    };
    constexpr int Pitch = 240, Size = 7, Gap = 80;
    int y = Margin + 6400;
    const int last = LongSide - Margin - 700;
    for (const auto& c : columns)
        text(page, Margin + c.x, y, c.heading, Size, true);
    y += Pitch;
    line(page, Margin, y - 40, right, y - 40);
    qsizetype shown = 0;
    for (const NotebookEntry& e : entries) {
        if (y + Pitch > last)
            break;
        const QString cells[] = {notebookDateText(e.taken),
                                 e.track,
                                 e.conditions,
                                 e.pinion + u'/' + e.spur,
                                 e.total,
                                 e.rollout,
                                 e.motorTemp,
                                 e.lap,
                                 e.note};
        // Each cell stays in its column: up to the next one, the last up to the rule's end.
        for (size_t i = 0; i < std::size(columns); ++i) {
            const int end = i + 1 < std::size(columns) ? Margin + columns[i + 1].x - Gap : right;
            text(page, Margin + columns[i].x, y, cut(cells[i], end - Margin - columns[i].x, Size),
                 Size);
        }
        y += Pitch;
        ++shown;
    }
    line(page, Margin, y - 40, right, y - 40);
    if (shown < entries.size())
        text(page, Margin, y + 60, NotebookMessages::moreEntries(int(entries.size() - shown)),
             Size);
    footer(page, LongSide - Margin);
    return page;
}

PrintPage chartPage(const NotebookChart::Plot& byGear, const NotebookChart::Plot& byTime,
                    const QString& car, const QString& track)
{
    PrintPage page = blank(true);
    const QString all = Tr::tr("すべて");
    text(page, Margin, Margin - 200,
         cut(Tr::tr("セッティング記録のグラフ　マシン：%1　コース：%2")
                 .arg(car.isEmpty() ? all : car, track.isEmpty() ? all : track),
             LongSide - 2 * Margin, 14),
         14, true);
    const int h = (ShortSide - 2 * Margin - 600) / 2;
    drawPlot(page, byGear, Margin, Margin + 400, LongSide - 2 * Margin, h);
    drawPlot(page, byTime, Margin, Margin + 400 + h, LongSide - 2 * Margin, h);
    return page;
}

} // namespace NotebookSheet
