#pragma once

#include "common/flexgrid.h"
#include "platform/printpage.h"

#include <QList>
#include <QString>
#include <QStringList>

// The 走行計算 window's figures as texts, and its one-page print-out: the
// tables across the top, the rollout table (a copy of the ratio grid with
// rollouts in its cells, red band and best cell kept) below.
namespace DrivePrintOut {

// One block of figures: a heading over named columns, one row per line.
struct Table
{
    QString heading;
    QStringList columns;
    QList<QStringList> rows;
};

struct Sheet
{
    QString title;      // window name and machine
    QString status;     // the main window's status line
    QString conditions; // tyre, motor and module in one line
    QList<Table> tables;
    QString note;                              // under the rollout table
    QString lengthUnit = QStringLiteral("mm"); // of the rollout table: "mm" or "in"
};

// A4 landscape. The rollout table gets what room the tables leave; rows and
// columns beyond it are left out and the note says which part is printed.
PrintPage buildPage(const Sheet& sheet, const FlexGrid& rollouts);

} // namespace DrivePrintOut
