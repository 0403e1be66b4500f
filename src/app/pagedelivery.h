#pragma once

#include "platform/host.h"
#include "platform/printpage.h"

#include <QByteArray>
#include <QString>

#include <functional>

// How every window's pages reach the user — the printer, the preview, the
// printer dialog, a PDF or a CSV file — and the one wording of what
// happened, whichever page it was.
namespace PageDelivery {

// プリント: asks whether a printer is connected, then the page (built only
// after a Yes) to the default printer, or a PDF in Documents without one.
void printAfterQuestion(Host& host, const std::function<PrintPage()>& page);
void preview(Host& host, const PrintPage& page);
// The printer dialog, then the page to the printer or file chosen there.
void printWithDialog(Host& host, const PrintPage& page);
// A save dialog proposing suggestedName, then the page as a PDF there.
void savePdf(Host& host, const PrintPage& page, const QString& suggestedName);
// A save dialog proposing suggestedName, then bytes as a CSV file there.
void saveCsv(Host& host, const QByteArray& csv, const QString& suggestedName);

// What is said once a CSV file was written to path.
QString csvSaved(const QString& path);

} // namespace PageDelivery
