#pragma once

#include "notebook/notebookchart.h"
#include "notebook/notebookentry.h"
#include "platform/printpage.h"

#include <QList>
#include <QString>

// The setting notebook on paper, through the same printing path as the other
// pages: one run's setup sheet, a car's history with its chart (A4
// portrait), and the charts alone (A4 landscape).
namespace NotebookSheet {

PrintPage entryPage(const NotebookEntry& entry);
// entries newest first; as many as fit are listed, the rest counted. note:
// what the runs on one track say (best lap, advice), under the count, or "".
PrintPage historyPage(const QString& car, const QList<NotebookEntry>& entries,
                      const NotebookChart::Plot& plot, const QString& note = QString());
PrintPage chartPage(const NotebookChart::Plot& byGear, const NotebookChart::Plot& byTime,
                    const QString& car, const QString& track);

// A plot drawn into the box at (x, y), w × h twips: frame, scales, one mark a run.
void drawPlot(PrintPage& page, const NotebookChart::Plot& plot, int x, int y, int w, int h);

} // namespace NotebookSheet
