#include "gridexport.h"

#include "common/textfile.h"

#include <QFile>
#include <QStringList>

namespace GridExport {

namespace {
QString csvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// The table's rows with the headings, each a list of cell texts.
QList<QStringList> rowsOf(const FlexGrid& grid, int top, int left, int bottom, int right)
{
    top = qMax(top, grid.fixedRows());
    left = qMax(left, grid.fixedCols());
    bottom = qMin(bottom, grid.rows() - 1);
    right = qMin(right, grid.cols() - 1);
    QList<QStringList> rows;
    auto addRow = [&](int r) {
        QStringList cells{grid.cell(r, 0).text};
        for (int c = left; c <= right; ++c)
            cells.append(grid.cell(r, c).text);
        rows.append(cells);
    };
    addRow(0);
    for (int r = top; r <= bottom; ++r)
        addRow(r);
    return rows;
}
} // namespace

QString tabSeparated(const FlexGrid& grid, int top, int left, int bottom, int right)
{
    QStringList lines;
    for (const QStringList& row : rowsOf(grid, top, left, bottom, right))
        lines.append(row.join(u'\t'));
    return lines.join(u'\n') + u'\n';
}

QString tabSeparated(const FlexGrid& grid)
{
    return tabSeparated(grid, 1, 1, grid.rows() - 1, grid.cols() - 1);
}

QByteArray csv(const FlexGrid& grid)
{
    // The grid keeps empty rows and columns beyond the survey's; a file holds
    // only up to the last cell with a text.
    int bottom = 0, right = 0;
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            if (!grid.cell(r, c).text.isEmpty()) {
                bottom = qMax(bottom, r);
                right = qMax(right, c);
            }
    QByteArray out("\xEF\xBB\xBF");
    for (const QStringList& row : rowsOf(grid, 1, 1, bottom, right)) {
        QStringList fields;
        for (const QString& cell : row)
            fields.append(csvField(cell));
        out += fields.join(u',').toUtf8() + "\r\n";
    }
    return out;
}

QString fileName(const QString& machine, QDate day, const QString& extension)
{
    // What a save dialog reads as a list or a filter (" * ?) and what a file
    // system refuses (/ \ : < > |, controls) would save under another name.
    const QStringView special = u"/\\:\"*?<>|";
    QString safe;
    for (const QChar c : machine.trimmed())
        safe += c.unicode() < 0x20 || c.unicode() == 0x7F || special.contains(c) ? u'_' : c;
    const QString date = day.toString(QStringLiteral("yyyyMMdd"));
    const auto named = [&] {
        return (safe.isEmpty() ? QStringLiteral("zeltan-%1").arg(date)
                               : QStringLiteral("zeltan-%1-%2").arg(safe, date)) +
               u'.' + extension;
    };
    // A whole character at a time, until the name and its temporary file fit.
    while (!safe.isEmpty() && QFile::encodeName(named()).size() > TextFile::MaxFileNameBytes)
        safe.chop(safe.size() > 1 && safe.back().isLowSurrogate() ? 2 : 1);
    return named();
}

} // namespace GridExport
