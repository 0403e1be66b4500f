#include "recordsyntax.h"

namespace RecordSyntax {

namespace {
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Reads one field starting at pos; leaves pos after the comma that ended it,
// or at the line end. Returns whether a comma ended the field.
bool readOne(QStringView line, qsizetype& pos, QString& field)
{
    field.clear();
    const qsizetype n = line.size();
    while (pos < n && isBlank(line[pos]))
        ++pos;
    if (pos < n && line[pos] == u'"') {
        ++pos;
        while (pos < n) {
            if (line[pos] == u'"') {
                if (pos + 1 < n && line[pos + 1] == u'"') {
                    field += u'"';
                    pos += 2;
                    continue;
                }
                ++pos;
                break;
            }
            field += line[pos++];
        }
        // Whatever stands between the closing quote and the next comma is dropped.
        while (pos < n && line[pos] != u',')
            ++pos;
    } else {
        const qsizetype start = pos;
        while (pos < n && line[pos] != u',')
            ++pos;
        qsizetype end = pos;
        while (end > start && isBlank(line[end - 1]))
            --end;
        field = line.mid(start, end - start).toString();
    }
    if (pos < n) { // at a comma
        ++pos;
        return true;
    }
    return false;
}
} // namespace

QStringList readFields(QStringView line)
{
    QStringList fields;
    qsizetype pos = 0;
    QString field;
    while (readOne(line, pos, field))
        fields.append(field);
    fields.append(field);
    return fields;
}

QString readFirstField(QStringView line)
{
    qsizetype pos = 0;
    QString field;
    readOne(line, pos, field);
    return field;
}

QString writeField(const QString& value)
{
    const bool needsQuotes =
        value.contains(u',') || value.contains(u'"') ||
        (!value.isEmpty() && (isBlank(value.front()) || isBlank(value.back())));
    if (!needsQuotes)
        return value;
    QString quoted = value;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString writeRecord(const QStringList& fields)
{
    QStringList written;
    written.reserve(fields.size());
    for (const QString& f : fields)
        written.append(writeField(f));
    return written.join(u',');
}

namespace {
bool isControl(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; }
} // namespace

QString singleLine(const QString& text)
{
    if (firstControl(text) < 0)
        return text;
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isControl(text[i])) {
            line += text[i];
            continue;
        }
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        line += u' ';
    }
    return line;
}

qsizetype firstControl(QStringView value)
{
    for (qsizetype i = 0; i < value.size(); ++i)
        if (isControl(value[i]))
            return i;
    return -1;
}

QList<QStringList> readRecords(const QStringList& lines, int fieldCount)
{
    QList<QStringList> records;
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        QStringList fields = readFields(line);
        while (fields.size() < fieldCount)
            fields.append(QString());
        while (fields.size() > fieldCount)
            fields.removeLast();
        records.append(fields);
    }
    return records;
}

} // namespace RecordSyntax
