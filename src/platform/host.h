#pragma once

#include "platform/printpage.h"

#include <QString>

// The one door to the platform. The Qt front end implements it with real
// dialogs and the printer; tests implement it with a scripted fake.
class Host
{
public:
    virtual ~Host() = default;

    // A modal message box titled "ZELTAN" with an OK button.
    virtual void message(const QString& text) = 0;
    // A modal Yes/No question titled "ZELTAN"; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // The busy (hourglass) pointer on or off.
    virtual void setBusy(bool busy) = 0;
    // The modal version dialog, created afresh; returns when it was closed.
    virtual void showVersionDialog() = 0;
    // Ends the program at once; nothing is written.
    virtual void quit() = 0;

    struct PrintResult
    {
        enum class Outcome { Printed, SavedAsPdf, Failed, Cancelled };
        Outcome outcome = Outcome::Failed;
        QString detail; // the printer's name, the PDF's path, or what went wrong
    };
    // Hands one page to the default printer (or a PDF when there is none).
    virtual PrintResult printPage(const PrintPage& page) = 0;

    // The tools beyond the window's own menus.
    // The modal print preview of a page.
    virtual void showPrintPreview(const PrintPage& page) = 0;
    // The printer dialog (printer, copies), then the page to the chosen printer.
    virtual PrintResult printWithDialog(const PrintPage& page) = 0;
    // A save dialog starting at suggestedName in the user's Documents folder;
    // filter as in "PDF (*.pdf)". The chosen path, or "" when cancelled.
    virtual QString askSavePath(const QString& suggestedName, const QString& filter) = 0;
    // The page as a PDF file at path, written whole or not at all.
    virtual PrintResult savePdf(const PrintPage& page, const QString& path) = 0;
    // Opens (or raises) the modeless 走行計算 window.
    virtual void showDriveWindow() = 0;
};
