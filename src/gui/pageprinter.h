#pragma once

#include "platform/host.h"

#include <QPageLayout>
#include <QString>

#include <optional>

class QPagedPaintDevice;
class QPrinter;

// Puts a print-out page on paper: the system's default printer (CUPS), or,
// when there is none, a PDF file in the user's Documents folder. On a
// printer the page's twips are measured from the top-left corner of what the
// printer can print on; on a PDF, which has no margins, from the paper's
// corner. A sheet bigger than the printable area is shrunk, never cut.
class PagePrinter
{
public:
    // Where the page goes as a PDF when no default printer is configured;
    // created when the first such page is saved.
    void setPdfFolder(const QString& folder) { m_pdfFolder = folder; }

    Host::PrintResult print(const PrintPage& page);

    // The user's Documents folder (not created here).
    static QString documentsFolder();

    // Sets a printer up for the page: A4, its orientation, colour, the
    // origin on the paper's corner. "" when the printer took every setting,
    // else what it refused.
    static QString setUp(QPrinter& printer, const PrintPage& page);
    // Prints on a printer the user chose (and set up): a CUPS printer gets
    // the page as a job of the chosen copies, "print to file" goes through
    // printToPdf.
    static Host::PrintResult printOn(QPrinter& printer, const PrintPage& page);

    // Renders the page into the PDF file at path, replacing it whole or not
    // at all; copies are pages of their own.
    static Host::PrintResult printToPdf(const PrintPage& page, const QString& path, int copies = 1);

    // A name not yet taken in folder, like zeltan-print-20261207-093005.pdf.
    static QString freshPdfPath(const QString& folder);

    enum class Rendered { Done, NotStarted, Broken };
    // Draws the page's operations, copies times, on an already set up
    // printer or preview, placed in the printer's printable area.
    static Rendered render(const PrintPage& page, QPrinter& printer, int copies = 1);

private:
    // The page as PDF bytes for paper whose minimum margins are the
    // printer's unprintable borders; nothing when it could not be rendered.
    static std::optional<QByteArray> pdfOf(const PrintPage& page, const QPageLayout& paper,
                                           int copies);
    // Sends the page to a CUPS printer and tells what the server said.
    static Host::PrintResult submit(const QString& printer, const PrintPage& page, int copies);

    QString m_pdfFolder;
};
