#include "notebookcsv.h"

#include "calc/drive.h"
#include "calc/ownedgears.h"
#include "common/numbertext.h"
#include "common/recordsyntax.h"
#include "common/usertext.h"
#include "notebook/gearmessages.h"
#include "notebook/notebookmessages.h"

#include <QStringDecoder>

#include <cmath>
#include <tuple>

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

QStringList gearHeadings()
{
    // File keys, never translated.
    return {QStringLiteral(ZELTAN_KEY("手持ちギアのモジュール")),
            QStringLiteral(ZELTAN_KEY("手持ちのスパーギア")),
            QStringLiteral(ZELTAN_KEY("手持ちのピニオンギア"))};
}

QStringList mountHeadings()
{
    return {QStringLiteral(ZELTAN_KEY("マウントのマシン名")),
            QStringLiteral(ZELTAN_KEY("マウントのモジュール")),
            QStringLiteral(ZELTAN_KEY("歯数の和の最小")),
            QStringLiteral(ZELTAN_KEY("歯数の和の最大"))};
}

QByteArray write(const QList<NotebookEntry>& entries, const GearInventory& inventory)
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
    if (!inventory.gears.isEmpty()) {
        addRow(gearHeadings());
        for (const OwnedGearList& g : inventory.gears)
            addRow({g.module, OwnedGears::text(g.spurs), OwnedGears::text(g.pinions)});
    }
    if (!inventory.mounts.isEmpty()) {
        addRow(mountHeadings());
        for (const CarMount& m : inventory.mounts)
            addRow({m.car, m.module, QString::number(m.least), QString::number(m.most)});
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

Result<QList<NotebookEntry>> read(QByteArrayView bytes)
{
    auto all = readAll(bytes);
    if (!all)
        return all.failure();
    return all->entries;
}

namespace {
// A row of the gears' section, or why not.
Result<OwnedGearList> gearRow(const QStringList& cells)
{
    OwnedGearList g{RecordSyntax::singleLine(cells[0]).trimmed(), {}, {}};
    const auto limits = OwnedGears::limits(Drive::moduleFromName(g.module));
    for (const auto& [cell, field, teeth] :
         {std::tuple{cells[1], GearMessages::SpurField(), &g.spurs},
          std::tuple{cells[2], GearMessages::PinionField(), &g.pinions}}) {
        const auto parsed = OwnedGears::parse(cell, limits);
        if (parsed.problem != OwnedGears::Problem::None)
            return Failure{GearMessages::problem(parsed, field, g.module, limits)};
        *teeth = parsed.teeth;
    }
    return g;
}

Result<CarMount> mountRow(const QStringList& cells)
{
    CarMount m{RecordSyntax::singleLine(cells[0]).trimmed(),
               RecordSyntax::singleLine(cells[1]).trimmed()};
    for (const auto& [cell, value] : {std::pair{cells[2], &m.least}, {cells[3], &m.most}}) {
        const auto n = NumberText::toDouble(cell);
        if (!n || *n != std::floor(*n) || *n < 1 || *n > 999)
            return Failure{GearMessages::mountNotCount(cell)};
        *value = int(*n);
    }
    if (m.least > m.most)
        return Failure{GearMessages::mountBackwards(m.least, m.most)};
    return m;
}
} // namespace

Result<Contents> readAll(QByteArrayView bytes)
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
    Contents contents;
    QList<NotebookEntry>& entries = contents.entries;
    const QStringList gearsWanted = gearHeadings(), mountsWanted = mountHeadings();
    enum { Runs, Gears, Mounts } section = Runs;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const QStringList& cells = rows[r];
        const int line = lines[r];
        if (cells == gearsWanted || cells == mountsWanted) {
            section = cells == gearsWanted ? Gears : Mounts;
            continue;
        }
        if (section != Runs) {
            const qsizetype size = section == Gears ? gearsWanted.size() : mountsWanted.size();
            if (cells.size() != size)
                return Failure{NotebookMessages::csvLine(
                    line, NotebookMessages::csvFieldCount(int(cells.size()), int(size)))};
            QStringList plain;
            for (const QString& c : cells)
                plain << restored(c);
            if (section == Gears) {
                const auto g = gearRow(plain);
                if (!g)
                    return Failure{NotebookMessages::csvLine(line, g.error())};
                contents.inventory.gears << *g;
            } else {
                const auto m = mountRow(plain);
                if (!m)
                    return Failure{NotebookMessages::csvLine(line, m.error())};
                contents.inventory.mounts << *m;
            }
            continue;
        }
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
    return contents;
}

} // namespace NotebookCsv
