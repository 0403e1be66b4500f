#include "pageprinter.h"

#include "colours.h"

#include "common/textfile.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

// A4 landscape (as the page says) with the origin on the paper's corner.
QPageLayout layoutOf(const PrintPage& page)
{
    return QPageLayout(QPageSize(QPageSize::A4),
                       page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF());
}

Host::PrintResult result(Host::PrintResult::Outcome outcome, const QString& detail)
{
    Host::PrintResult r;
    r.outcome = outcome;
    r.detail = detail;
    return r;
}

void drawOp(QPainter& painter, QPaintDevice& device, const QString& face, const PageOp& op,
            qreal scale)
{
    auto at = [scale](int x, int y) { return QPointF(x * scale, y * scale); };
    switch (op.kind) {
    case PageOp::Kind::Text: {
        // The face name goes through the font substitutions, so the
        // Windows name lands on the installed Japanese Gothic.
        QFont font(face);
        font.setPointSize(op.pointSize);
        font.setBold(op.bold);
        painter.setFont(font);
        painter.setPen(Colours::of(op.ink));
        // Placed by the top-left corner of the first character.
        const qreal ascent = QFontMetricsF(painter.font(), &device).ascent();
        painter.drawText(at(op.x, op.y) + QPointF(0, ascent), op.text);
        break;
    }
    case PageOp::Kind::Line: {
        // Width 0: the device's thinnest line, as a printer draws by default.
        QPen pen(Colours::of(op.ink), 0);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawLine(at(op.x, op.y), at(op.x2, op.y2));
        break;
    }
    }
}

} // namespace

void PagePrinter::setUp(QPrinter& printer, const PrintPage& page)
{
    printer.setFullPage(true);
    printer.setPageLayout(layoutOf(page));
    printer.setDocName(QStringLiteral("ZELTAN"));
    printer.setCreator(QStringLiteral("ZELTAN"));
}

QString PagePrinter::documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

PagePrinter::Rendered PagePrinter::render(const PrintPage& page, QPagedPaintDevice& device,
                                          int copies)
{
    QPainter painter;
    if (!painter.begin(&device))
        return Rendered::NotStarted;
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal scale = device.logicalDpiX() / 1440.0;
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !device.newPage()) {
            painter.end();
            return Rendered::Broken;
        }
        for (const PageOp& op : page.ops)
            drawOp(painter, device, page.face, op, scale);
    }
    return painter.end() ? Rendered::Done : Rendered::Broken;
}

Host::PrintResult PagePrinter::printToPdf(const PrintPage& page, const QString& path, int copies)
{
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    // A print dialog's "print to file" can hand over no name or a folder.
    if (path.isEmpty())
        return result(Host::PrintResult::Outcome::Failed,
                      QStringLiteral("PDFファイルの名前が指定されていません"));
    if (QFileInfo(path).isDir())
        return result(
            Host::PrintResult::Outcome::Failed,
            QStringLiteral("「%1」はフォルダです。PDFファイルの名前を指定してください").arg(shown));
    // The PDF engine does not report a short write, so the page is rendered
    // in memory and only then written, checked and atomically, to the file.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    Rendered rendered = Rendered::NotStarted;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setPageLayout(layoutOf(page));
        writer.setTitle(QStringLiteral("ZELTAN"));
        writer.setCreator(QStringLiteral("ZELTAN"));
        rendered = render(page, writer, qMax(1, copies));
    }
    if (rendered != Rendered::Done || buffer.data().isEmpty() ||
        !TextFile::writeBytesAtomically(path, buffer.data()))
        return result(Host::PrintResult::Outcome::Failed,
                      QStringLiteral("PDFファイル「%1」を書き込めませんでした").arg(shown));
    return result(Host::PrintResult::Outcome::SavedAsPdf, QDir::toNativeSeparators(path));
}

QString PagePrinter::freshPdfPath(const QString& folder)
{
    const QDir dir(folder);
    const QString stem = QStringLiteral("zeltan-print-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = stem + QStringLiteral(".pdf");
    // Two prints within one second must not overwrite each other.
    for (int n = 2; dir.exists(name); ++n)
        name = stem + QStringLiteral("-%1.pdf").arg(n);
    return dir.absoluteFilePath(name);
}

Host::PrintResult PagePrinter::printOn(QPrinter& printer, const PrintPage& page)
{
    // "Print to file" keeps the promise of a whole PDF or none.
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return printToPdf(page, printer.outputFileName(), printer.copyCount());

    const QString name = printer.printerName();
    // A printer that cannot make copies itself gets them as pages.
    const int copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    Rendered rendered = printer.isValid() ? render(page, printer, copies) : Rendered::NotStarted;
    if (rendered == Rendered::Done && printer.printerState() == QPrinter::Error)
        rendered = Rendered::Broken;
    switch (rendered) {
    case Rendered::Done:
        break;
    case Rendered::NotStarted:
        return result(Host::PrintResult::Outcome::Failed,
                      QStringLiteral("プリンター「%1」に接続できませんでした").arg(name));
    case Rendered::Broken:
        return result(Host::PrintResult::Outcome::Failed,
                      QStringLiteral("プリンター「%1」で印刷中にエラーが発生しました").arg(name));
    }
    return result(Host::PrintResult::Outcome::Printed, name);
}

Host::PrintResult PagePrinter::print(const PrintPage& page)
{
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull()) {
        if (m_pdfFolder.isEmpty())
            return result(Host::PrintResult::Outcome::Failed,
                          QStringLiteral("プリンターが設定されていません"));
        // A fresh home may have no Documents folder yet.
        if (!QDir().mkpath(m_pdfFolder))
            return result(Host::PrintResult::Outcome::Failed,
                          QStringLiteral("フォルダ「%1」を作成できませんでした")
                              .arg(QDir::toNativeSeparators(m_pdfFolder)));
        return printToPdf(page, freshPdfPath(m_pdfFolder));
    }
    QPrinter printer(target, QPrinter::HighResolution);
    setUp(printer, page);
    return printOn(printer, page);
}
