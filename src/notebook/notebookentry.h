#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cmath>
#include <limits>
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

// The fields in the order of the CSV, the sheet and the editor, each with its
// heading and the column it is stored in.
struct NotebookField
{
    enum Kind { Text, Number, Count };
    const char* column;
    QString heading;
    QString NotebookEntry::*member;
    Kind kind;
};
// Every field but the date.
const QList<NotebookField>& notebookFields();

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

    static bool has(double v) { return !std::isnan(v); }
};

// The whole notebook as the window lists it, newest first.
struct NotebookIndex
{
    std::vector<NotebookRow> rows;
    QList<QString> cars, tracks; // names by their number (gaps are "")
};
