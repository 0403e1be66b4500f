#include "recordsyntax.h"

#include <QCoreApplication>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(RecordSyntax)
};
} // namespace

namespace RecordSyntax {

namespace {
char16_t at(QStringView line, qsizetype i) { return line[i].unicode(); }
char16_t at(QByteArrayView line, qsizetype i) { return uchar(line[i]); }
void append(QString& field, QStringView line, qsizetype i) { field += line[i]; }
void append(QByteArray& field, QByteArrayView line, qsizetype i) { field += line[i]; }
QString slice(QStringView line, qsizetype from, qsizetype n)
{
    return line.sliced(from, n).toString();
}
QByteArray slice(QByteArrayView line, qsizetype from, qsizetype n)
{
    return line.sliced(from, n).toByteArray();
}

bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// Reads one field starting at pos; leaves pos after the comma that ended it,
// or at the line end. Returns whether a comma ended the field. The same for
// text and for CP932 bytes, whose two-byte characters never hold a comma,
// quote or blank.
template <typename View, typename Field> bool readOne(View line, qsizetype& pos, Field& field)
{
    field.clear();
    const qsizetype n = line.size();
    while (pos < n && isBlank(at(line, pos)))
        ++pos;
    if (pos < n && at(line, pos) == u'"') {
        ++pos;
        while (pos < n) {
            if (at(line, pos) == u'"') {
                if (pos + 1 < n && at(line, pos + 1) == u'"') {
                    append(field, line, pos);
                    pos += 2;
                    continue;
                }
                ++pos;
                break;
            }
            append(field, line, pos++);
        }
        // Whatever stands between the closing quote and the next comma is dropped.
        while (pos < n && at(line, pos) != u',')
            ++pos;
    } else {
        const qsizetype start = pos;
        while (pos < n && at(line, pos) != u',')
            ++pos;
        qsizetype end = pos;
        while (end > start && isBlank(at(line, end - 1)))
            --end;
        field = slice(line, start, end - start);
    }
    if (pos < n) { // at a comma
        ++pos;
        return true;
    }
    return false;
}
} // namespace

bool nextField(QByteArrayView line, qsizetype& pos, QByteArray& field)
{
    return readOne(line, pos, field);
}

QStringList readFields(QStringView line, int maxFields)
{
    QStringList fields;
    qsizetype pos = 0;
    QString field;
    while (readOne(line, pos, field) && fields.size() + 1 < maxFields)
        fields.append(singleLine(field));
    fields.append(singleLine(field));
    return fields;
}

QString readFirstField(QStringView line)
{
    qsizetype pos = 0;
    QString field;
    readOne(line, pos, field);
    return singleLine(field);
}

QString writeField(const QString& value)
{
    const bool needsQuotes =
        value.contains(u',') || value.contains(u'"') ||
        (!value.isEmpty() && (isBlank(value.front().unicode()) || isBlank(value.back().unicode())));
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

QString controlMessage(const QString& field)
{
    return Tr::tr("%1に改行やタブなどの制御文字は使えません").arg(field);
}

Result<> checkSingleLine(const QStringList& values, const QStringList& names)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        if (firstControl(values[i]) >= 0)
            return Failure{controlMessage(names.value(i))};
    return {};
}

QStringList writeLines(const QStringList& values)
{
    QStringList lines;
    lines.reserve(values.size());
    for (const QString& v : values)
        lines.append(writeField(singleLine(v)));
    return lines;
}

QStringList readLines(const QStringList& lines, qsizetype count)
{
    QStringList values;
    values.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        values.append(readFirstField(lines.value(i)));
    return values;
}

} // namespace RecordSyntax
