#pragma once

#include "common/result.h"
#include "notebook/gearinventory.h"
#include "notebook/notebookentry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// The notebook as a CSV file for spreadsheets and other racers: UTF-8 with a
// byte-order mark, CR LF, one heading row, fields quoted where a spreadsheet
// needs it. A cell that a spreadsheet would run as a formula (= + - @) gets
// a leading apostrophe, which reading takes off again.
namespace NotebookCsv {

QStringList headings();
// The gears owned and the mounts follow the runs, each under a heading row
// of its own; a file without them (every older one) reads as before.
QStringList gearHeadings();
QStringList mountHeadings();
QByteArray write(const QList<NotebookEntry>& entries, const GearInventory& inventory = {});
struct Contents
{
    QList<NotebookEntry> entries;
    GearInventory inventory;
};
// Every row or none: the first problem names its line.
Result<Contents> readAll(QByteArrayView bytes);
Result<QList<NotebookEntry>> read(QByteArrayView bytes);

// A cell as written, and back.
QString neutralised(const QString& cell);
QString restored(const QString& cell);

} // namespace NotebookCsv
