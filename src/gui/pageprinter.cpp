#include "pageprinter.h"

#include "common/colour.h"
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

namespace {

QColor inkOf(int colour)
{
    return QColor(Colour::red(colour), Colour::green(colour), Colour::blue(colour));
}

// A4 landscape (as the page says) with the origin on the paper's corner.
QPageLayout layoutOf(const PrintPage& page)
{
    return QPageLayout(QPageSize(QPageSize::A4),
                       page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF());
}

void setUp(QPrinter& printer, const PrintPage& page)
{
    printer.setFullPage(true);
    printer.setPageLayout(layoutOf(page));
    printer.setDocName(QStringLiteral("ZELTAN"));
    printer.setCreator(QStringLiteral("ZELTAN"));
}

Host::PrintResult result(Host::PrintResult::Outcome outcome, const QString& detail)
{
    Host::PrintResult r;
    r.outcome = outcome;
    r.detail = detail;
    return r;
}

} // namespace

PagePrinter::Rendered PagePrinter::render(const PrintPage& page, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return Rendered::NotStarted;
    painter.setRenderHint(QPainter::TextAntialiasing);

    const qreal scale = device.logicalDpiX() / 1440.0;
    auto at = [scale](int x, int y) { return QPointF(x * scale, y * scale); };

    for (const PageOp& op : page.ops) {
        switch (op.kind) {
        case PageOp::Kind::Text: {
            // The face name goes through the font substitutions, so the
            // Windows name lands on the installed Japanese Gothic.
            QFont font(page.face);
            font.setPointSize(op.pointSize);
            font.setBold(op.bold);
            painter.setFont(font);
            painter.setPen(inkOf(op.ink));
            // Placed by the top-left corner of the first character.
            const qreal ascent = QFontMetricsF(painter.font(), &device).ascent();
            painter.drawText(at(op.x, op.y) + QPointF(0, ascent), op.text);
            break;
        }
        case PageOp::Kind::Line: {
            // Width 0: the device's thinnest line, as a printer draws by default.
            QPen pen(inkOf(op.ink), 0);
            pen.setCosmetic(true);
            painter.setPen(pen);
            painter.drawLine(at(op.x, op.y), at(op.x2, op.y2));
            break;
        }
        }
    }
    return painter.end() ? Rendered::Done : Rendered::Broken;
}

Host::PrintResult PagePrinter::printToPdf(const PrintPage& page, const QString& path)
{
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
        rendered = render(page, writer);
    }
    if (rendered != Rendered::Done || buffer.data().isEmpty() ||
        TextFile::writeBytesAtomically(path, buffer.data()))
        return result(Host::PrintResult::Outcome::Failed,
                      QStringLiteral("PDFファイル「%1」を書き込めませんでした")
                          .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
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

Host::PrintResult PagePrinter::print(const PrintPage& page)
{
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull()) {
        if (m_pdfFolder.isEmpty())
            return result(Host::PrintResult::Outcome::Failed,
                          QStringLiteral("プリンターが設定されていません"));
        return printToPdf(page, freshPdfPath(m_pdfFolder));
    }

    const QString name = target.printerName();
    QPrinter printer(target, QPrinter::HighResolution);
    setUp(printer, page);
    Rendered rendered = printer.isValid() ? render(page, printer) : Rendered::NotStarted;
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
