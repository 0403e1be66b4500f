#include "pageprinter.h"

#include "colours.h"
#include "cupsjob.h"

#include "common/textfile.h"

#include <QBuffer>
#include <QCoreApplication>
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

// The printing system's sentences, through Qt's translation.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Printing)
};

const QString DocName = QStringLiteral("ZELTAN");

QPageLayout::Orientation orientationOf(const PrintPage& page)
{
    return page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

Host::PrintResult result(Host::PrintResult::Outcome outcome, const QString& detail)
{
    Host::PrintResult r;
    r.outcome = outcome;
    r.detail = detail;
    return r;
}

// A printer's failure names the printer, then what the system said.
Host::PrintResult printerFailed(const QString& printer, const QString& reason)
{
    return result(Host::PrintResult::Outcome::Failed,
                  Tr::tr("プリンター「%1」\n%2").arg(printer, reason));
}

// The face name goes through the font substitutions, so the Windows name
// lands on the installed Japanese Gothic.
QFont fontOf(const QString& face, const PageOp& op)
{
    QFont font(face);
    font.setPointSize(op.pointSize);
    font.setBold(op.bold);
    return font;
}

// How far right and down the sheet reaches, in twips from its origin.
QSizeF extentOf(const PrintPage& page, QPaintDevice& device)
{
    const qreal twipsPerPixel = 1440.0 / device.logicalDpiX();
    qreal right = 0, bottom = 0;
    for (const PageOp& op : page.ops) {
        if (op.kind == PageOp::Kind::Line) {
            right = qMax<qreal>(right, qMax(op.x, op.x2));
            bottom = qMax<qreal>(bottom, qMax(op.y, op.y2));
            continue;
        }
        const QFontMetricsF metrics(fontOf(page.face, op), &device);
        right = qMax(right, op.x + metrics.horizontalAdvance(op.text) * twipsPerPixel);
        bottom = qMax(bottom, op.y + metrics.height() * twipsPerPixel);
    }
    return {right, bottom};
}

// The part of the paper a printer prints on, in device pixels from the
// paper's corner. Qt reports a printer's unprintable borders as for a
// portrait sheet; CUPS turns a landscape page a quarter turn
// counter-clockwise onto the paper, so its left border is the sheet's bottom
// one and its top border the sheet's left one.
QRectF printableArea(QPageLayout layout, int resolution)
{
    QMarginsF border = layout.minimumMargins();
    if (layout.orientation() == QPageLayout::Landscape)
        border = QMarginsF(border.bottom(), border.left(), border.top(), border.right());
    layout.setMode(QPageLayout::StandardMode);
    layout.setMinimumMargins(QMarginsF());
    layout.setMargins(border);
    return layout.paintRectPixels(resolution);
}

void drawOp(QPainter& painter, QPaintDevice& device, const QString& face, const PageOp& op,
            qreal scale)
{
    auto at = [scale](int x, int y) { return QPointF(x * scale, y * scale); };
    switch (op.kind) {
    case PageOp::Kind::Text: {
        painter.setFont(fontOf(face, op));
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

// Draws the page with its origin on printable's corner, shrunk uniformly
// when the sheet would run past it.
PagePrinter::Rendered renderIn(const PrintPage& page, QPagedPaintDevice& device,
                               const QRectF& printable, int copies)
{
    QPainter painter;
    if (!painter.begin(&device))
        return PagePrinter::Rendered::NotStarted;
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal scale = device.logicalDpiX() / 1440.0;
    const QSizeF sheet = extentOf(page, device) * scale;
    qreal fit = 1.0;
    if (sheet.width() > printable.width())
        fit = printable.width() / sheet.width();
    if (sheet.height() > printable.height())
        fit = qMin(fit, printable.height() / sheet.height());
    painter.translate(printable.topLeft());
    painter.scale(fit, fit);
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !device.newPage()) {
            painter.end();
            return PagePrinter::Rendered::Broken;
        }
        for (const PageOp& op : page.ops)
            drawOp(painter, device, page.face, op, scale);
    }
    return painter.end() ? PagePrinter::Rendered::Done : PagePrinter::Rendered::Broken;
}

} // namespace

QString PagePrinter::setUp(QPrinter& printer, const PrintPage& page)
{
    printer.setFullPage(true);
    printer.setDocName(DocName);
    printer.setCreator(DocName);
    // The red band and the light-blue best cell need ink of their colour.
    printer.setColorMode(QPrinter::Color);
    // Paper and orientation each on their own: a whole layout with zero
    // margins is refused by a printer with unprintable borders, and with it
    // the orientation.
    if (!printer.setPageSize(QPageSize(QPageSize::A4)))
        return Tr::tr("A4の用紙を設定できませんでした");
    if (!printer.setPageOrientation(orientationOf(page)))
        return Tr::tr("用紙の向きを設定できませんでした");
    return QString();
}

QString PagePrinter::documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

PagePrinter::Rendered PagePrinter::render(const PrintPage& page, QPrinter& printer, int copies)
{
    return renderIn(page, printer, printableArea(printer.pageLayout(), printer.resolution()),
                    copies);
}

std::optional<QByteArray> PagePrinter::pdfOf(const PrintPage& page, const QPageLayout& paper,
                                             int copies)
{
    constexpr int Resolution = 1200;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    Rendered rendered = Rendered::NotStarted;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(Resolution);
        writer.setPageLayout(QPageLayout(paper.pageSize(), paper.orientation(), QMarginsF()));
        writer.setTitle(DocName);
        writer.setCreator(DocName);
        rendered = renderIn(page, writer, printableArea(paper, Resolution), qMax(1, copies));
    }
    if (rendered != Rendered::Done || buffer.data().isEmpty())
        return std::nullopt;
    return buffer.data();
}

Host::PrintResult PagePrinter::printToPdf(const PrintPage& page, const QString& path, int copies)
{
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    // A print dialog's "print to file" can hand over no name or a folder.
    if (path.isEmpty())
        return result(Host::PrintResult::Outcome::Failed,
                      Tr::tr("PDFファイルの名前が指定されていません"));
    if (QFileInfo(path).isDir())
        return result(
            Host::PrintResult::Outcome::Failed,
            Tr::tr("「%1」はフォルダです。PDFファイルの名前を指定してください").arg(shown));
    // The PDF engine does not report a short write, so the page is rendered
    // in memory and only then written, checked and atomically, to the file.
    // A file has no unprintable border.
    const QPageLayout paper(QPageSize(QPageSize::A4), orientationOf(page), QMarginsF());
    const std::optional<QByteArray> pdf = pdfOf(page, paper, copies);
    if (!pdf)
        return result(Host::PrintResult::Outcome::Failed,
                      Tr::tr("PDFファイル「%1」を書き込めませんでした").arg(shown));
    // The writer's message names the file and the system's reason (disk
    // full, no permission), which the user needs to put it right.
    if (const Result<> written = TextFile::writeBytesAtomically(path, *pdf); !written)
        return result(
            Host::PrintResult::Outcome::Failed,
            Tr::tr("PDFファイル「%1」を書き込めませんでした：\n%2").arg(shown, written.error()));
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

Host::PrintResult PagePrinter::submit(const QString& printer, const PrintPage& page, int copies)
{
    if (const QString refused = CupsJob::whyNot(printer); !refused.isEmpty())
        return printerFailed(printer, refused);
    // The printer's own description gives its unprintable borders for A4
    // in the page's orientation.
    QPrinter probe(QPrinterInfo::printerInfo(printer), QPrinter::HighResolution);
    if (!probe.isValid())
        return printerFailed(printer, CupsJob::noPrinter());
    if (const QString refused = setUp(probe, page); !refused.isEmpty())
        return printerFailed(printer, refused);
    const std::optional<QByteArray> pdf = pdfOf(page, probe.pageLayout(), 1);
    if (!pdf)
        return printerFailed(printer, Tr::tr("印刷するページを作れませんでした"));
    const CupsJob::Outcome sent = CupsJob::submit(printer, *pdf, copies, DocName);
    if (!sent.accepted)
        return printerFailed(printer, sent.reason);
    return result(Host::PrintResult::Outcome::Printed, printer);
}

Host::PrintResult PagePrinter::printOn(QPrinter& printer, const PrintPage& page)
{
    // "Print to file" keeps the promise of a whole PDF or none.
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return printToPdf(page, printer.outputFileName(), printer.copyCount());
    return submit(printer.printerName(), page, printer.copyCount());
}

Host::PrintResult PagePrinter::print(const PrintPage& page)
{
    const CupsJob::DefaultPrinter target = CupsJob::defaultPrinter();
    if (!target.name.isEmpty())
        return submit(target.name, page, 1);
    // A silent server is no missing printer: no PDF said to stand in for it.
    if (!target.silence.isEmpty())
        return result(Host::PrintResult::Outcome::Failed, target.silence);
    if (m_pdfFolder.isEmpty())
        return result(Host::PrintResult::Outcome::Failed, Tr::tr("プリンターが設定されていません"));
    // A fresh home may have no Documents folder yet.
    if (!QDir().mkpath(m_pdfFolder))
        return result(Host::PrintResult::Outcome::Failed,
                      Tr::tr("フォルダ「%1」を作成できませんでした")
                          .arg(QDir::toNativeSeparators(m_pdfFolder)));
    return printToPdf(page, freshPdfPath(m_pdfFolder));
}
