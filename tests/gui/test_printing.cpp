#include "app/giadsp.h"
#include "app/mainsheet.h"
#include "appsetup.h"
#include "common/colour.h"
#include "pageprinter.h"
#include "pdfsupport.h"
#include "print/printout.h"
#include "support/fakehost.h"

#include <QApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// pdftotext -bbox puts a word's box from the font's ascent to its descent, as
// Qt places a text, so positions agree to a fraction of a point. Half a point
// (10 twips) still catches a text off by one pixel at 72 dpi or a baseline
// set without the ascent (several points at 10 pt).
constexpr double Tolerance = 0.5;

// How far the leading blanks of a right-aligned cell push its digits, in points.
double blanksWidth(int count, int pointSize)
{
    QPdfWriter device(QStringLiteral("/dev/null"));
    device.setResolution(1200);
    QFont font(PrintOut::Face);
    font.setPointSize(pointSize);
    return QFontMetricsF(font, &device).horizontalAdvance(QString(count, u' ')) * 72.0 / 1200.0;
}

// Pixels of a grid cell (row r, column c) inside its rules.
QList<QColor> cellPixels(const QImage& image, int r, int c)
{
    QList<QColor> out;
    const int left = qRound((500 + 850 * c) / 20.0) + 2;
    const int top = qRound((1200 + 320 * r) / 20.0) + 2;
    for (int y = top; y < top + 12; ++y)
        for (int x = left; x < left + 38; ++x)
            out << image.pixelColor(x, y);
    return out;
}

bool hasInk(const QList<QColor>& pixels, const QColor& ink)
{
    // Glyph edges blend with the paper; a stem's middle keeps the ink.
    for (const QColor& p : pixels)
        if (qAbs(p.red() - ink.red()) < 40 && qAbs(p.green() - ink.green()) < 40 &&
            qAbs(p.blue() - ink.blue()) < 40)
            return true;
    return false;
}

bool isDark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 160; }

} // namespace

// The print-out through the real Qt back end into a PDF, read back with
// poppler: every text must sit where the page put it, in its ink.
class PrintingTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    PrintPage m_survey;
    QString m_surveyPdf;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        AppSetup::installFontSubstitutes();

        FakeHost host;
        Giadsp app(host, m_dir.path());
        runWorkedSurvey(app);
        QCOMPARE(app.form().MSFlexGrid1.cell(6, 11).text, QStringLiteral("8.000"));
        m_survey = MainSheet::buildPage(app.form());
        m_surveyPdf = m_dir.filePath(QStringLiteral("survey.pdf"));
        const Host::PrintResult result = PagePrinter::printToPdf(m_survey, m_surveyPdf);
        QCOMPARE(result.outcome, Host::PrintResult::Outcome::SavedAsPdf);
        QCOMPARE(result.detail, m_surveyPdf);
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("survey.pdf*")}, QDir::Files),
                 QStringList{QStringLiteral("survey.pdf")}); // no work file left over
        // docs/printout.png is this page: ZELTAN_KEEP_PDF=out.pdf, then pdftoppm -png -r 80.
        if (const QString keep = qEnvironmentVariable("ZELTAN_KEEP_PDF"); !keep.isEmpty()) {
            QFile::remove(keep);
            QVERIFY(QFile::copy(m_surveyPdf, keep));
        }
    }

    void thePageIsA4Landscape()
    {
        const PdfText pdf = readBack(m_surveyPdf);
        QVERIFY2(!pdf.words.isEmpty(), "pdftotext read nothing");
        QVERIFY(qAbs(pdf.width - 842) < 1);
        QVERIFY(qAbs(pdf.height - 595) < 1);
    }

    void theWindowsFaceBecomesIpaPGothic()
    {
        QProcess run;
        run.start(QStringLiteral("pdffonts"), {m_surveyPdf});
        QVERIFY(run.waitForFinished(30000));
        const QString fonts = QString::fromUtf8(run.readAllStandardOutput());
        QVERIFY2(fonts.contains(QStringLiteral("IPAPGothic")), qPrintable(fonts));
        QVERIFY2(fonts.count(QStringLiteral(" yes ")) >= 1, qPrintable(fonts)); // embedded
    }

    void textsLandWhereThePagePutsThem_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("x");      // twips, of the text's first character
        QTest::addColumn<int>("y");      // twips, of its top
        QTest::addColumn<int>("blanks"); // leading blanks of an 8-character cell field
        QTest::addColumn<int>("size");
        QTest::newRow("machine name") << "ギア比確認ツール" << 500 << 400 << 0 << 14;
        QTest::newRow("status line") << "48P" << 7500 << 400 << 0 << 14;
        QTest::newRow("Label1 title") << "２次減速比" << 500 << 800 << 0 << 14;
        QTest::newRow("secondary ratio") << "2.5" << 3000 << 800 << 0 << 14;
        QTest::newRow("Label4 title") << "減速比" << 11000 << 800 << 0 << 14;
        QTest::newRow("total ratio") << "8.00000" << 13500 << 800 << 0 << 14;
        QTest::newRow("corner cell") << "P/S" << 550 << 1250 << 5 << 10;
        QTest::newRow("best cell") << "8.000" << 9900 << 3170 << 3 << 10;
        QTest::newRow("contact line") << "〒150-0002" << 500 << 10850 << 0 << 8;
    }

    void textsLandWhereThePagePutsThem()
    {
        QFETCH(QString, word);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, blanks);
        QFETCH(int, size);
        const std::optional<Word> found = readBack(m_surveyPdf).first(word);
        QVERIFY2(found, qPrintable(word));
        // Blanks are ordinary characters of the proportional face: the
        // digits start after them.
        const double expectedX = x / 20.0 + (blanks ? blanksWidth(blanks, size) : 0.0);
        const double expectedY = y / 20.0;
        QVERIFY2(qAbs(found->xMin - expectedX) < Tolerance,
                 qPrintable(QStringLiteral("x %1, expected %2").arg(found->xMin).arg(expectedX)));
        QVERIFY2(qAbs(found->yMin - expectedY) < Tolerance,
                 qPrintable(QStringLiteral("y %1, expected %2").arg(found->yMin).arg(expectedY)));
        // The height tells the point size: a 10 pt face is about 10 pt tall.
        QVERIFY2(qAbs((found->yMax - found->yMin) - size) < size * 0.25,
                 qPrintable(QString::number(found->yMax - found->yMin)));
    }

    void cellsPrintInTheirInk()
    {
        const QImage page = rasterise(m_surveyPdf, m_dir.path());
        QVERIFY(!page.isNull());
        QCOMPARE(page.size(), QSize(842, 595));
        const QColor blue(0, 0, 255), red(128, 0, 0), black(0, 0, 0);
        QVERIFY(hasInk(cellPixels(page, 6, 11), blue)); // 8.000, the best
        QVERIFY(!hasInk(cellPixels(page, 6, 11), red));
        QVERIFY(hasInk(cellPixels(page, 6, 10), red)); // 7.900, near it
        QVERIFY(!hasInk(cellPixels(page, 6, 10), blue));
        QVERIFY(hasInk(cellPixels(page, 1, 1), black)); // 8.750, plain
        QVERIFY(!hasInk(cellPixels(page, 1, 1), red));
        QVERIFY(!hasInk(cellPixels(page, 20, 5), black)); // below the grid: empty
    }

    void theFrameIsRuled()
    {
        const QImage page = rasterise(m_surveyPdf, m_dir.path());
        QVERIFY(!page.isNull());
        // Midway along each outer rule, the rule's pixel or its neighbour is dark.
        auto ruled = [&](int x, int y, bool across) {
            return isDark(page, x, y) || isDark(page, across ? x : x - 1, across ? y - 1 : y);
        };
        QVERIFY(ruled(25, 300, false));   // left, x = 500 twips
        QVERIFY(ruled(790, 300, false));  // right, x = 15800
        QVERIFY(ruled(400, 60, true));    // top, y = 1200
        QVERIFY(ruled(400, 540, true));   // bottom, y = 10800
        QVERIFY(!isDark(page, 810, 300)); // nothing right of the frame
    }

    void withoutAPrinterThePageGoesToThePdfFolder_data()
    {
        QTest::addColumn<QString>("folder"); // under a scratch folder holding "a-file"
        QTest::addColumn<bool>("saved");
        QTest::newRow("existing folder") << "." << true;
        QTest::newRow("missing folder is made") << "Documents/new" << true;
        QTest::newRow("folder under a file") << "a-file/Documents" << false;
    }

    void withoutAPrinterThePageGoesToThePdfFolder()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a default printer is configured; this would print on it");
        QFETCH(QString, folder);
        QFETCH(bool, saved);
        QTemporaryDir scratch;
        QFile file(scratch.filePath(QStringLiteral("a-file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QString pdfFolder = QDir::cleanPath(scratch.filePath(folder));
        PagePrinter printer;
        printer.setPdfFolder(pdfFolder);
        PrintPage page;
        page.face = PrintOut::Face;
        const Host::PrintResult first = printer.print(page);
        const Host::PrintResult second = printer.print(page);
        if (!saved) {
            QCOMPARE(first.outcome, Host::PrintResult::Outcome::Failed);
            QCOMPARE(first.detail,
                     QStringLiteral("フォルダ「%1」を作成できませんでした").arg(pdfFolder));
            return;
        }
        QCOMPARE(first.outcome, Host::PrintResult::Outcome::SavedAsPdf);
        QCOMPARE(second.outcome, Host::PrintResult::Outcome::SavedAsPdf);
        QVERIFY(first.detail != second.detail); // within one second, still two files
        static const QRegularExpression name(
            QStringLiteral(R"(^zeltan-print-\d{8}-\d{6}(-\d+)?\.pdf$)"));
        for (const QString& path : {first.detail, second.detail}) {
            const QFileInfo file(path);
            QCOMPARE(file.absolutePath(), pdfFolder);
            QVERIFY2(name.match(file.fileName()).hasMatch(), qPrintable(file.fileName()));
            QVERIFY(file.size() > 0);
        }
    }

    void aPdfThatCannotBeWrittenLeavesNothing_data()
    {
        QTest::addColumn<QString>("disk");
        QTest::addColumn<int>("reason"); // the system's, told after the file's name
        QTest::newRow("no such folder") << "missing" << ENOENT;
        QTest::newRow("nearly full disk") << "full" << ENOSPC;
        QTest::newRow("read-only disk") << "ro" << EROFS;
    }

    void aPdfThatCannotBeWrittenLeavesNothing()
    {
        QFETCH(QString, disk);
        QFETCH(int, reason);
        // A small filesystem of our own, as the hostile-disk tests use.
        QTemporaryDir mountPoint;
        const QByteArray point = QFile::encodeName(mountPoint.path());
        QString folder = mountPoint.path();
        if (disk == u"missing")
            folder += QStringLiteral("/no such folder");
        else if (geteuid() != 0 || ::mount("tmpfs", point, "tmpfs", 0, "size=64k") != 0)
            QSKIP("a small tmpfs cannot be mounted here (needs root)");
        const auto unmount = qScopeGuard([&] {
            if (disk != u"missing")
                ::umount2(point, MNT_DETACH);
        });
        const QString filler = QDir(folder).filePath(QStringLiteral("filler"));
        if (disk == u"full") {
            QFile fill(filler);
            QVERIFY(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (fill.write(QByteArray(4096, 'f')) == 4096) {
            }
            // Room for the start of the page only.
            QVERIFY(fill.resize(fill.size() - 8192));
        } else if (disk == u"ro") {
            QCOMPARE(::mount("tmpfs", point, "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k"), 0);
        }

        const QString path = QDir(folder).filePath(QStringLiteral("page.pdf"));
        const Host::PrintResult result = PagePrinter::printToPdf(m_survey, path);
        QCOMPARE(result.outcome, Host::PrintResult::Outcome::Failed);
        QVERIFY2(result.detail.startsWith(
                     QStringLiteral("PDFファイル「%1」を書き込めませんでした：\n").arg(path)) &&
                     result.detail.contains(qt_error_string(reason)),
                 qPrintable(result.detail));
        QFile::remove(filler);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList()); // neither a partial PDF nor its work file
    }
};

QTEST_MAIN(PrintingTest)
#include "test_printing.moc"
