#include "notebookcsv.h"

#include "common/numbertext.h"
#include "common/recordsyntax.h"
#include "notebook/notebookmessages.h"

#include <QStringDecoder>

namespace NotebookCsv {

namespace {
const QString DateHeading = QStringLiteral(ZELTAN_KEY("日時"));

// After any apostrophes, a character that starts a formula.
bool startsFormula(QStringView s)
{
    qsizetype i = 0;
    while (i < s.size() && s[i] == u'\'')
        ++i;
    return i < s.size() && QStringView(u"=+-@").contains(s[i]);
}

QString quoted(const QString& cell)
{
    const bool needs = cell.contains(u',') || cell.contains(u'"') || cell.contains(u'\n') ||
                       cell.contains(u'\r') || cell != cell.trimmed();
    if (!needs)
        return cell;
    QString s = cell;
    return u'"' + s.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// Splits CSV text into rows of cells; false when a quote is left open.
bool parse(const QString& text, QList<QStringList>& rows, QList<int>& lineNumbers)
{
    QStringList row;
    QString cell;
    bool inQuotes = false, rowStarted = false;
    int line = 1, rowLine = 1;
    auto endCell = [&] {
        row << cell;
        cell.clear();
    };
    auto endRow = [&] {
        endCell();
        // Blank lines are skipped.
        if (row.size() > 1 || !row.first().isEmpty()) {
            rows << row;
            lineNumbers << rowLine;
        }
        row.clear();
        rowStarted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!rowStarted) {
            rowStarted = true;
            rowLine = line;
        }
        if (inQuotes) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                cell += u'"';
                ++i;
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                if (c == u'\n')
                    ++line;
                cell += c;
            }
        } else if (c == u'"') {
            inQuotes = true;
        } else if (c == u',') {
            endCell();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            ++line;
            endRow();
        } else {
            cell += c;
        }
    }
    if (inQuotes)
        return false;
    if (rowStarted)
        endRow();
    return true;
}
} // namespace

QString neutralised(const QString& cell) { return startsFormula(cell) ? u'\'' + cell : cell; }

QString restored(const QString& cell)
{
    return cell.startsWith(u'\'') && startsFormula(QStringView(cell).mid(1)) ? cell.mid(1) : cell;
}

QStringList headings()
{
    QStringList h{DateHeading};
    for (const NotebookField& f : notebookFields())
        h << f.heading;
    return h;
}

QByteArray write(const QList<NotebookEntry>& entries)
{
    QString text;
    auto addRow = [&text](const QStringList& cells) {
        QStringList out;
        for (const QString& c : cells)
            out << quoted(neutralised(c));
        text += out.join(u',') + QStringLiteral("\r\n");
    };
    addRow(headings());
    for (const NotebookEntry& e : entries) {
        QStringList cells{notebookCsvDate(e.taken)};
        for (const NotebookField& f : notebookFields())
            cells << e.*f.member;
        addRow(cells);
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

Result<QList<NotebookEntry>> read(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QList<QStringList> rows;
    QList<int> lines;
    if (!parse(text, rows, lines))
        return Failure{NotebookMessages::csvLine(1, NotebookMessages::CsvUnclosedQuote())};
    const QStringList wanted = headings();
    if (rows.isEmpty() || rows.first() != wanted)
        return Failure{NotebookMessages::CsvNoHeader()};
    QList<NotebookEntry> entries;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const QStringList& cells = rows[r];
        const int line = lines[r];
        if (cells.size() != wanted.size())
            return Failure{NotebookMessages::csvLine(
                line, NotebookMessages::csvFieldCount(int(cells.size()), int(wanted.size())))};
        NotebookEntry e;
        e.taken = notebookParseDate(restored(cells[0]));
        if (!e.taken.isValid())
            return Failure{NotebookMessages::csvLine(line, NotebookMessages::BadDate())};
        qsizetype i = 1;
        for (const NotebookField& f : notebookFields()) {
            const QString raw = RecordSyntax::singleLine(restored(cells[i++]));
            const QString value = f.kind == NotebookField::Text ? raw : raw.trimmed();
            if (const auto problem = f.problem(value))
                return Failure{NotebookMessages::csvLine(line, *problem)};
            e.*f.member = value;
        }
        entries << e;
    }
    return entries;
}

} // namespace NotebookCsv
