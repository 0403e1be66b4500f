#pragma once

#include "platform/host.h"

#include <QString>

class QPagedPaintDevice;

// Puts a print-out page on paper: the system's default printer (CUPS), or,
// when there is none, a PDF file in the working folder. The page's twips are
// measured from the paper's top-left corner.
class PagePrinter
{
public:
    // Where the page goes as a PDF when no default printer is configured.
    void setPdfFolder(const QString& folder) { m_pdfFolder = folder; }
    QString pdfFolder() const { return m_pdfFolder; }

    Host::PrintResult print(const PrintPage& page);

    // Renders the page into the PDF file at path, replacing it whole or not at all.
    static Host::PrintResult printToPdf(const PrintPage& page, const QString& path);

    // A name not yet taken in folder, like zeltan-print-20261207-093005.pdf.
    static QString freshPdfPath(const QString& folder);

private:
    enum class Rendered { Done, NotStarted, Broken };
    // Draws the page's operations on an already set up printer or PDF writer.
    static Rendered render(const PrintPage& page, QPagedPaintDevice& device);

    QString m_pdfFolder;
};
