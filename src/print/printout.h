#pragma once

#include "common/flexgrid.h"
#include "common/usertext.h"
#include "platform/printpage.h"

#include <QString>

// The one-page print-out of the current results: machine, status line, the
// four quantities, the ratio grid inside a ruled frame, the contact line.
namespace PrintOut {

inline const QString Face = QStringLiteral(ZELTAN_KEY("MS Pｺﾞｼｯｸ"));

// What the sheet prints, each text as the window shows it.
struct Sheet
{
    QString machine, status;
    QString secondaryHeading, secondary, spurHeading, spur;
    QString pinionHeading, pinion, totalHeading, total;
    QString contactLine;
    const FlexGrid& grid;
};

// Builds the page; the grid is only read.
PrintPage buildPage(const Sheet& sheet);

// A cell's text in its 8-character field: right-aligned, cut to 8.
QString field8(const QString& text);

} // namespace PrintOut
