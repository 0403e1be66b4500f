#pragma once

#include "platform/printpage.h"

#include <QString>

// Pages onto paper or into a PDF, and the dialogs that choose where.
class Printing
{
public:
    virtual ~Printing() = default;

    struct PrintResult
    {
        enum class Outcome { Printed, SavedAsPdf, Failed, Cancelled };
        Outcome outcome = Outcome::Failed;
        QString detail; // the printer's name, the PDF's path, or what went wrong
    };
    // Hands one page to the default printer (or a PDF when there is none).
    virtual PrintResult printPage(const PrintPage& page) = 0;
    // The modal print preview of a page.
    virtual void showPrintPreview(const PrintPage& page) = 0;
    // The printer dialog (printer, copies), then the page to the chosen printer.
    virtual PrintResult printWithDialog(const PrintPage& page) = 0;
    // A save dialog starting at suggestedName in the user's Documents folder;
    // filter as in "PDF (*.pdf)". The chosen path, or "" when cancelled.
    virtual QString askSavePath(const QString& suggestedName, const QString& filter) = 0;
    // The page as a PDF file at path, written whole or not at all.
    virtual PrintResult savePdf(const PrintPage& page, const QString& path) = 0;
};
