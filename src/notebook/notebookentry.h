#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

// One run in the setting notebook. Values are kept as the user saw or typed
// them (the main window's texts), so a record reads back exactly; numbers are
// checked when an entry is saved.
struct NotebookEntry
{
    qint64 id = 0;   // 0 until stored
    QDateTime taken; // local time, to the second
    QString car, track, conditions;
    QString secondary, spur, pinion, total, module;
    QString tyre, rollout, kv, motorRpm, voltage;
    QString motorTemp, lap, note;

    // The same run: every value equal, whatever its id.
    bool sameRun(const NotebookEntry& other) const;
};

// The values a racer can mean for a numeric field. Typing, the CSV import and
// the database read all ask here, so a value the chart cannot scale never
// gets in, and one that got in by another tool is known as such.
struct NotebookRange
{
    double lo = 0, hi = 0;
    bool aboveLo = false; // lo itself is refused ("more than 0")
    bool holds(double v) const { return (aboveLo ? v > lo : v >= lo) && v <= hi; }
    QString text() const; // "0.001～3600", "0より大きく1000以下"
};

// The fields in the order of the CSV, the sheet and the editor, each with its
// heading and the column it is stored in.
struct NotebookField
{
    enum Kind { Text, Number, Count };
    const char* column;
    const char* heading; // the CSV's heading, in every language
    QString NotebookEntry::*member;
    Kind kind;
    NotebookRange range = {}; // Number and Count only
    // The longest text a field takes, on every path (typing, CSV, the
    // database): what a one-line field holds whole.
    static constexpr qsizetype MaxTextLength = 32767;

    // Why a typed or imported value cannot be kept (too long, not a number,
    // not whole, outside the range), naming the field and its range; none
    // for a blank or good value. The value is trimmed as stored.
    std::optional<QString> problem(const QString& value) const;
    // The heading as the window, the sheet and the messages show it.
    QString label() const;
    // Whether a stored value is one the field takes (blank is not).
    bool accepts(double value) const;
};
// Every field but the date.
const QList<NotebookField>& notebookFields();
// The field stored in a column ("lap"); the columns are fixed, so it exists.
const NotebookField& notebookField(const char* column);

// One line of two runs side by side: the date, then every field.
struct NotebookDifference
{
    QString heading, left, right;
    bool differs = false;
};
// Numbers differ by value ("27.4" and "27.40" are one rollout), texts by
// their trimmed text.
QList<NotebookDifference> notebookCompare(const NotebookEntry& left, const NotebookEntry& right);

// The date as the list, the editor and the sheet show it, and as a CSV holds it.
inline QString notebookDateText(const QDateTime& t)
{
    return t.toString(QStringLiteral("yyyy/MM/dd HH:mm"));
}
inline QString notebookCsvDate(const QDateTime& t)
{
    return t.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}
// Reads "yyyy-MM-dd HH:mm[:ss]" and "yyyy/MM/dd HH:mm[:ss]"; invalid otherwise.
QDateTime notebookParseDate(const QString& text);

// What the list, the filters and the charts need of one entry, small enough
// for a hundred thousand of them: names by number, numbers as values.
struct NotebookRow
{
    static constexpr double None = std::numeric_limits<double>::quiet_NaN();
    qint64 id = 0;
    qint64 taken = 0; // seconds since the epoch
    qint32 car = 0, track = 0;
    qint32 spur = -1, pinion = -1; // -1 when blank
    double total = None, rollout = None, temp = None, lap = None;
    // Values stored outside their field's range (or not numbers at all, put
    // there by another tool): listed as stored and marked, never charted.
    enum Stray : quint8 { Spur = 1, Pinion = 2, Total = 4, Rollout = 8, Temp = 16, Lap = 32 };
    quint8 strays = 0;

    static bool has(double v) { return !std::isnan(v); }
    bool stray(Stray which) const { return strays & which; }
    // A value for the chart: none when blank or stray.
    double charted(double v, Stray which) const { return stray(which) ? None : v; }
};

// The whole notebook as the window lists it, newest first.
struct NotebookIndex
{
    std::vector<NotebookRow> rows;
    QList<QString> cars, tracks; // names by their number (gaps are "")
    // The stored text of each stray value, by run id and field.
    QHash<std::pair<qint64, int>, QString> strayTexts;
};
