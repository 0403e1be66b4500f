#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <limits>

// The field syntax shared by every data file: a field ends at a comma or the
// line end, blanks before it are skipped, and a field opening with a double
// quote runs to its closing quote. We write a value in quotes whenever the
// plain form would not read back exactly (commas, surrounding blanks, quotes);
// a quote inside a quoted field is doubled.
namespace RecordSyntax {

// The fields of one line, in order, at most maxFields of them (the rest of
// the line is not read). An empty line gives one empty field. A field read
// holds no control character (see singleLine), as typed text does not, so
// nothing read from a file can block a later save.
QStringList readFields(QStringView line, int maxFields = std::numeric_limits<int>::max());

// One field of a line of CP932 bytes, from pos on (quotes removed, doubled
// quotes made single); pos moves past it. Returns whether a comma ended it,
// that is, whether another field follows.
bool nextField(QByteArrayView line, qsizetype& pos, QByteArray& field);

// The first field of a line, single-line like readFields.
QString readFirstField(QStringView line);

// One value as it must be written to read back exactly.
QString writeField(const QString& value);

// Fields joined by "," (no line end).
QString writeRecord(const QStringList& fields);

// Fields are single-line: every control character (a pasted line break, a
// tab …) becomes one blank, a CR LF pair one blank too.
QString singleLine(const QString& text);

// The first control character (U+0000–U+001F, U+007F) in a value, or -1.
qsizetype firstControl(QStringView value);

// The message for a value holding a control character; names the field.
QString controlMessage(const QString& field);

// Whether values can be stored: the first one holding a control character is
// refused with the message naming its field (names[i] for values[i]).
Result<> checkSingleLine(const QStringList& values, const QStringList& names);

// A file of one value a line (GIA.DAT, drive.dat): each value made single-line
// and written so that it reads back exactly.
QStringList writeLines(const QStringList& values);
// The first count values of such a file; missing lines read as empty.
QStringList readLines(const QStringList& lines, qsizetype count);

} // namespace RecordSyntax
