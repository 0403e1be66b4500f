#include "pageprinter.h"

#include "common/colour.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QColor inkOf(int colour)
{
    return QColor(Colour::red(colour), Colour::green(colour), Colour::blue(colour));
}

// A4 landscape with the origin on the paper's corner, as the page is laid out.
void setUp(QPrinter& printer, const PrintPage& page)
{
    printer.setFullPage(true);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4),
                    page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF()));
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

PagePrinter::Rendered PagePrinter::render(const PrintPage& page, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return Rendered::NotStarted;
    painter.setRenderHint(QPainter::TextAntialiasing);

    const qreal scale = printer.resolution() / 1440.0;
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
            const qreal ascent = QFontMetricsF(painter.font(), &printer).ascent();
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
    const bool ended = painter.end();
    return ended && printer.printerState() != QPrinter::Error ? Rendered::Done : Rendered::Broken;
}

Host::PrintResult PagePrinter::printToPdf(const PrintPage& page, const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    setUp(printer, page);
    // The PDF engine opens the file on begin and writes it out on end; a
    // file that is not there afterwards was not written either.
    if (render(page, printer) != Rendered::Done || QFileInfo(path).size() == 0)
        return result(Host::PrintResult::Outcome::Failed,
                      QStringLiteral("PDFファイル %1 を書き込めませんでした").arg(shown));
    return result(Host::PrintResult::Outcome::SavedAsPdf, shown);
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
    const Rendered rendered = printer.isValid() ? render(page, printer) : Rendered::NotStarted;
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
