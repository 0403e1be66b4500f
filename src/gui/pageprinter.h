#pragma once

#include "platform/host.h"

#include <QString>

class QPagedPaintDevice;
class QPrinter;

// Puts a print-out page on paper: the system's default printer (CUPS), or,
// when there is none, a PDF file in the user's Documents folder. The page's
// twips are measured from the paper's top-left corner.
class PagePrinter
{
public:
    // Where the page goes as a PDF when no default printer is configured;
    // created when the first such page is saved.
    void setPdfFolder(const QString& folder) { m_pdfFolder = folder; }
    QString pdfFolder() const { return m_pdfFolder; }

    Host::PrintResult print(const PrintPage& page);

    // The user's Documents folder (not created here).
    static QString documentsFolder();

    // Sets a printer up for the page: its paper and orientation, full page.
    static void setUp(QPrinter& printer, const PrintPage& page);
    // Prints on a printer the user chose (and set up): a printer's copies go
    // to the printer, "print to file" goes through printToPdf.
    static Host::PrintResult printOn(QPrinter& printer, const PrintPage& page);

    // Renders the page into the PDF file at path, replacing it whole or not
    // at all; copies are pages of their own.
    static Host::PrintResult printToPdf(const PrintPage& page, const QString& path, int copies = 1);

    // A name not yet taken in folder, like zeltan-print-20261207-093005.pdf.
    static QString freshPdfPath(const QString& folder);

    enum class Rendered { Done, NotStarted, Broken };
    // Draws the page's operations, copies times, on an already set up
    // printer, preview or PDF writer.
    static Rendered render(const PrintPage& page, QPagedPaintDevice& device, int copies = 1);

private:
    QString m_pdfFolder;
};
