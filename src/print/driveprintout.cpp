#include "driveprintout.h"

#include "calc/ratiogrid.h"
#include "print/pagedraw.h"
#include "print/printout.h"

#include <QCoreApplication>
#include <algorithm>
#include <numeric>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(DrivePrintOut)
};
} // namespace

namespace DrivePrintOut {

namespace {
constexpr int PageHeight = PrintPage::ShortSideTwips; // landscape
constexpr int Left = 500;
constexpr int Right = 16338;
constexpr int TablesTop = 1150;
constexpr int TableSize = 8; // points
constexpr int RowPitch = 220;
constexpr int Gap = 300;
// The tables stack into columns no taller than this (or the tallest table),
// so the rollout table keeps room for 31 rows.
constexpr int BandHeight = 3400;
constexpr int GridSize = 7;
constexpr int GridBottom = PageHeight - 700;
constexpr int Inset = 40;
QString GridHeading(const QString& unit)
{
    return Tr::tr("ロールアウト表（%1）　赤：指定減速比の%"
                  "2以内　青：最も近い組合せ（メイン画面の調査と同じ）")
        .arg(unit, RatioGrid::bandText());
}

using PageDraw::inkOf;
using PageDraw::line;
using PageDraw::text;

// No font metrics without a display: a half-width character takes about
// 0.55 em, any other a whole one, which errs on the wide side for digits.
int textWidth(const QString& s, int size)
{
    int units = 0;
    for (QChar ch : s) {
        const char16_t u = ch.unicode();
        units += u < 0x100 || (u >= 0xFF61 && u <= 0xFF9F) ? 11 : 20;
    }
    return units * size;
}

QList<int> columnWidths(const Table& t)
{
    QList<int> widths;
    for (qsizetype c = 0; c < t.columns.size(); ++c) {
        int w = textWidth(t.columns[c], TableSize);
        for (const QStringList& row : t.rows)
            w = std::max(w, textWidth(row.value(c), TableSize));
        widths.append(w + 150);
    }
    return widths;
}

int tableWidth(const Table& t)
{
    const QList<int> widths = columnWidths(t);
    return std::max(textWidth(t.heading, TableSize),
                    int(std::accumulate(widths.begin(), widths.end(), 0)));
}

int tableHeight(const Table& t) { return int(2 + t.rows.size()) * RowPitch; }

void drawTable(PrintPage& page, const Table& t, int x, int y)
{
    text(page, x, y, t.heading, TableSize, true);
    const QList<int> widths = columnWidths(t);
    int cx = x;
    for (qsizetype c = 0; c < t.columns.size(); ++c) {
        text(page, cx, y + RowPitch, t.columns[c], TableSize);
        for (qsizetype r = 0; r < t.rows.size(); ++r)
            text(page, cx, y + int(2 + r) * RowPitch, t.rows[r].value(c), TableSize);
        cx += widths[c];
    }
    line(page, x, y + 2 * RowPitch - 30, cx, y + 2 * RowPitch - 30);
    line(page, x, y + tableHeight(t) - 30, cx, y + tableHeight(t) - 30);
}

// The tables into columns, left to right; returns the bottom of the band.
int drawTables(PrintPage& page, const QList<Table>& tables)
{
    int band = BandHeight;
    for (const Table& t : tables)
        band = std::max(band, tableHeight(t));
    int x = Left, y = TablesTop, columnWidth = 0, bottom = TablesTop;
    for (const Table& t : tables) {
        if (y > TablesTop && y + tableHeight(t) > TablesTop + band) {
            x += columnWidth + Gap;
            y = TablesTop;
            columnWidth = 0;
        }
        drawTable(page, t, x, y);
        columnWidth = std::max(columnWidth, tableWidth(t));
        y += tableHeight(t) + RowPitch / 2;
        bottom = std::max(bottom, y);
    }
    return bottom;
}

// The cells of the grid that hold a range: the heading row and column, and
// every row and column whose heading is filled.
QString drawGrid(PrintPage& page, const FlexGrid& grid, int top)
{
    QList<int> rows{0}, cols{0};
    for (int r = 1; r < grid.rows(); ++r)
        if (!grid.cell(r, 0).text.isEmpty())
            rows.append(r);
    for (int c = 1; c < grid.cols(); ++c)
        if (!grid.cell(0, c).text.isEmpty())
            cols.append(c);
    const int colPitch = std::clamp(int((Right - Left) / cols.size()), 510, 850);
    const int rowPitch = std::clamp(int((GridBottom - top) / rows.size()), 200, 320);
    const qsizetype shownCols = std::min(cols.size(), qsizetype((Right - Left) / colPitch));
    const qsizetype shownRows = std::min(rows.size(), qsizetype((GridBottom - top) / rowPitch));
    const int right = Left + int(shownCols) * colPitch;
    const int bottom = top + int(shownRows) * rowPitch;
    for (qsizetype i = 0; i <= shownCols; ++i)
        line(page, Left + int(i) * colPitch, top, Left + int(i) * colPitch, bottom);
    for (qsizetype j = 0; j <= shownRows; ++j)
        line(page, Left, top + int(j) * rowPitch, right, top + int(j) * rowPitch);
    for (qsizetype j = 0; j < shownRows; ++j) {
        for (qsizetype i = 0; i < shownCols; ++i) {
            const GridCell& cell = grid.cell(rows[j], cols[i]);
            if (!cell.text.isEmpty())
                text(page, Left + Inset + int(i) * colPitch, top + Inset + int(j) * rowPitch,
                     cell.text, GridSize, cell.bold, inkOf(cell.colour));
        }
    }
    if (shownRows == rows.size() && shownCols == cols.size())
        return QString();
    return Tr::tr("（表はスパー%1～%2、ピニオン%3～%4を印刷）")
        .arg(grid.cell(0, cols.value(1)).text, grid.cell(0, cols.value(shownCols - 1)).text,
             grid.cell(rows.value(1), 0).text, grid.cell(rows.value(shownRows - 1), 0).text);
}
} // namespace

PrintPage buildPage(const Sheet& sheet, const FlexGrid& rollouts)
{
    PrintPage page;
    page.landscape = true;
    page.face = PrintOut::Face;
    text(page, Left, 400, sheet.title, 14);
    text(page, 7500, 450, sheet.status, 10);
    text(page, Left, 800, sheet.conditions, 9);
    const int top = drawTables(page, sheet.tables) + Gap / 2;
    text(page, Left, top, GridHeading(sheet.lengthUnit), TableSize, true);
    const QString part = drawGrid(page, rollouts, top + RowPitch);
    text(page, Left, GridBottom + 150, sheet.note + part, TableSize);
    return page;
}

} // namespace DrivePrintOut
