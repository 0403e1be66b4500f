#pragma once

#include "common/flexgrid.h"

#include <QByteArray>
#include <QDate>
#include <QString>

// The ratio grid as text for other programs: tab-separated for the
// clipboard, CSV for a file. Both carry the headings (spur counts across,
// pinion counts down) with the cells.
namespace GridExport {

// Body cells rows top…bottom, columns left…right (fixed row and column are
// added, never selected), tab-separated, one line per row.
QString tabSeparated(const FlexGrid& grid, int top, int left, int bottom, int right);
// The whole table.
QString tabSeparated(const FlexGrid& grid);

// The table as CSV, up to its last filled row and column: UTF-8 with a
// byte-order mark and CR LF, which both spreadsheet programs open as intended.
QByteArray csv(const FlexGrid& grid);

// "zeltan-<machine>-<yyyyMMdd>.<extension>", the machine name made safe
// for a file name and a save dialog, and cut so that the name fits the file
// system with its temporary suffix ("zeltan-<yyyyMMdd>…" without one).
QString fileName(const QString& machine, QDate day, const QString& extension);

} // namespace GridExport
