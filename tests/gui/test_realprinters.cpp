#include "app/giadsp.h"
#include "app/mainsheet.h"
#include "appsetup.h"
#include "pageprinter.h"
#include "pdfsupport.h"
#include "print/notebooksheet.h"
#include "printers/cupsproxy.h"
#include "printers/privatecups.h"
#include "support/fakehost.h"

#include <QElapsedTimer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(PrintPage)

namespace {

using Outcome = Host::PrintResult::Outcome;

// The driver queues' unprintable border, in points (tests/printers/office-ps.ppd).
constexpr int Margin = 12;

QByteArray run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QByteArray();
    return process.readAllStandardOutput();
}

bool inked(const QImage& image, const QRect& area, const QColor& ink)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (qAbs(p.red() - ink.red()) < 60 && qAbs(p.green() - ink.green()) < 60 &&
                qAbs(p.blue() - ink.blue()) < 60)
                return true;
        }
    return false;
}

// A place on the sheet, in twips from the printable area's corner, as a
// pixel box on paper at 72 dpi.
QRect at(int x, int y, int width, int height)
{
    return QRect(x / 20 + Margin, y / 20 + Margin, width / 20, height / 20);
}

} // namespace

// The print-out through a real CUPS server of the suite's own, with the
// queues users meet: a PostScript office driver with margins in colour and
// in grey, a raw queue, one that rejects jobs and one that is stopped.
class RealPrintersTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_scratch{QStringLiteral("/tmp/zeltan-cups-XXXXXX")};
    PrivateCups m_cups;
    PrintPage m_page;

    QString output(const QString& queue) const { return m_cups.output(queue); }

    // Waits until the queue has finished with every job.
    bool drained(const QString& queue)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60000) {
            if (run(QStringLiteral("lpstat"),
                    {QStringLiteral("-h"), m_cups.socket(), QStringLiteral("-o"), queue})
                    .trimmed()
                    .isEmpty())
                return true;
            QThread::msleep(100);
        }
        return false;
    }

    // What came out of a driver queue, as sheets of paper at 72 dpi.
    QList<QImage> sheets(const QString& queue)
    {
        const QString stem = m_scratch.filePath(queue + QStringLiteral("-"));
        for (int n = 1; QFile::remove(stem + QString::number(n) + QStringLiteral(".png")); ++n) {
        } // an earlier job's sheets
        run(QStringLiteral("gs"),
            {QStringLiteral("-q"), QStringLiteral("-dSAFER"), QStringLiteral("-sDEVICE=png16m"),
             QStringLiteral("-r72"), QStringLiteral("-o"), stem + QStringLiteral("%d.png"),
             output(queue)});
        QList<QImage> pages;
        for (int n = 1;; ++n) {
            const QImage page(stem + QString::number(n) + QStringLiteral(".png"));
            if (page.isNull())
                return pages;
            pages << page;
        }
    }

    // The same turned back to landscape the way the printer turned them to portrait.
    QList<QImage> paper(const QString& queue)
    {
        QList<QImage> pages = sheets(queue);
        for (QImage& page : pages)
            if (page.width() < page.height())
                page = page.transformed(QTransform().rotate(90));
        return pages;
    }

    // A printer whose borders (36 pt left and right in landscape, 18 pt top
    // and bottom) cannot hold the 15 800-twip frame: the sheet is shrunk
    // uniformly from the printable area's corner, and all of it is there.
    // The paper is portrait with the page turned, so a word's left edge on
    // the paper is its top on the page.
    void checkShrunkSheet(const QString& pdf)
    {
        QCOMPARE(pdfPages(pdf), 1);
        const PdfText text = readBack(pdf);
        QCOMPARE(QSizeF(text.width, text.height), QSizeF(595, 842));
        const auto title = text.first(QStringLiteral("ギア比確認ツール"));
        const auto contact = text.first(QStringLiteral("〒150-0002"));
        const auto total = text.first(QStringLiteral("8.00000"));
        const auto best = text.first(QStringLiteral("8.000"));
        QVERIFY(title && contact && total && best);
        const double scale = (contact->xMin - title->xMin) / (542.5 - 20);
        QVERIFY2(scale < 0.99 && scale > 0.95, qPrintable(QString::number(scale)));
        QVERIFY(qAbs(title->xMin - (18 + 20 * scale)) < 0.5);
        QVERIFY(qAbs(best->xMin - (18 + 158.5 * scale)) < 0.5);
        // Along the page: from the bottom of the paper up.
        QVERIFY(qAbs((842 - title->yMax) - (36 + 25 * scale)) < 0.5);
        QVERIFY(qAbs((title->yMax - total->yMax) - (675 - 25) * scale) < 0.5);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_scratch.isValid());
        AppSetup::installFontSubstitutes();
        switch (m_cups.start(m_scratch.path())) {
        case PrivateCups::Started::Yes:
            break;
        case PrivateCups::Started::NoCupsd:
            QSKIP("cupsd is not installed");
        case PrivateCups::Started::Failed:
            QFAIL(qPrintable(m_cups.error()));
        }

        FakeHost host;
        QTemporaryDir data;
        Giadsp app(host, data.path());
        runWorkedSurvey(app);
        m_page = MainSheet::buildPage(app.form());
    }

    void eachJobEndsAsTheServerSaid_data()
    {
        QTest::addColumn<QString>("queue"); // "" for the default printer
        QTest::addColumn<int>("copies");
        QTest::addColumn<QString>("failure"); // what the message says, "" when printed
        QTest::newRow("default printer: PostScript driver with margins") << "" << 1 << "";
        QTest::newRow("chosen, two copies") << "colour" << 2 << "";
        QTest::newRow("grey driver") << "grey" << 1 << "";
        QTest::newRow("colour driver printing grey unless asked") << "greydefault" << 1 << "";
        QTest::newRow("PDF printer, uneven margins") << "pdf" << 1 << "";
        QTest::newRow("queue rejecting jobs")
            << "rejecting" << 1 << "印刷ジョブを受け付けていません（テスト：受付停止中）";
        QTest::newRow("stopped printer") << "stopped" << 1 << "停止しています（テスト：紙づまり）";
        QTest::newRow("no such printer") << "gone" << 1 << "プリンターが見つかりません";
    }

    void eachJobEndsAsTheServerSaid()
    {
        QFETCH(QString, queue);
        QFETCH(int, copies);
        QFETCH(QString, failure);
        Host::PrintResult result;
        // The server writes into an existing file only.
        QFile out(output(queue.isEmpty() ? QStringLiteral("colour") : queue));
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.close();
        if (queue.isEmpty()) {
            queue = QStringLiteral("colour");
            result = PagePrinter().print(m_page);
        } else {
            QPrinter printer(QPrinterInfo::printerInfo(queue));
            printer.setPrinterName(queue);
            printer.setCopyCount(copies);
            // Chosen in the dialog, then taken away before the page is sent.
            if (queue == u"gone")
                run(QStringLiteral("lpadmin"),
                    {QStringLiteral("-h"), m_cups.socket(), QStringLiteral("-x"), queue});
            result = PagePrinter::printOn(printer, m_page);
        }
        if (!failure.isEmpty()) {
            QCOMPARE(result.outcome, Outcome::Failed);
            QCOMPARE(result.detail, QStringLiteral("プリンター「%1」\n%2").arg(queue, failure));
            QVERIFY(drained(queue));
            QVERIFY(!QFileInfo(output(queue)).size());
            return;
        }
        QCOMPARE(result.outcome, Outcome::Printed);
        QCOMPARE(result.detail, queue);
        QVERIFY(drained(queue));
        if (queue == u"pdf")
            return checkShrunkSheet(output(queue));
        const QList<QImage> pages = paper(queue);
        QCOMPARE(pages.size(), copies);
        const bool colour = queue != u"grey";
        const QColor black(0, 0, 0), blue(0, 0, 255), red(128, 0, 0);
        for (const QImage& page : pages) {
            QCOMPARE(page.size(), QSize(842, 595));
            const struct
            {
                const char* what;
                QRect area;
                QColor ink;
                bool expected;
            } checks[] = {
                {"machine name", at(500, 400, 2000, 280), black, true},
                {"value of 減速比", at(13500, 800, 1000, 280), black, true},
                {"last printed column (spur 85)", at(14150, 1250, 800, 250), black, true},
                {"frame's right rule", at(15780, 6000, 60, 400), black, true},
                {"frame's bottom rule", at(8000, 10780, 400, 60), black, true},
                {"contact line", at(500, 10850, 4000, 160), black, true},
                {"best cell in light blue", at(9900, 3170, 800, 250), blue, colour},
                {"near cell in red", at(9050, 3170, 800, 250), red, colour},
                {"right of the frame", at(15900, 1200, 400, 9600), black, false},
            };
            for (const auto& c : checks)
                QVERIFY2(inked(page, c.area, c.ink) == c.expected, c.what);
            if (!colour) // in grey, but printed
                QVERIFY(inked(page, at(9900, 3170, 800, 250), black));
        }
    }

    // A server that takes the connection and never answers, a connection
    // cut inside the document, a job cancelled while its document arrives:
    // each is told as a failure in the server's or the system's words,
    // nothing prints, no PDF stands in for a printer, and the window goes
    // on repainting while the program waits.
    void badConnectionsAreTold_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("failure");
        QTest::newRow("server silent") << int(CupsProxy::Mode::Silent) << "が応答しません";
        QTest::newRow("connection cut inside the document") << int(CupsProxy::Mode::Cut) << "";
        // The server took the job and the whole document, then dropped it:
        // only reading the job back tells.
        QTest::newRow("job cancelled while the document arrives")
            << int(CupsProxy::Mode::Pause) << "印刷ジョブは取り消されました";
        // Refused when the document was finished: the reading back would
        // find the job gone as if printed.
        QTest::newRow("job purged while the document arrives")
            << int(CupsProxy::Mode::Pause) << "does not exist";
    }

    void badConnectionsAreTold()
    {
        QFETCH(int, mode);
        QFETCH(QString, failure);
        const QString queue = QStringLiteral("colour");
        QFile out(output(queue));
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.close();
        const QByteArray cancel =
            "cancel -h " + m_cups.socket().toUtf8() +
            (QString::fromUtf8(QTest::currentDataTag()).contains(u"purged") ? " -x -a " : " -a ") +
            queue.toUtf8();
        const QString path = m_scratch.filePath(QStringLiteral("proxy.sock"));
        CupsProxy proxy(path, m_cups.socket(), CupsProxy::Mode(mode), 6000,
                        [&cancel] { QCOMPARE(std::system(cancel.constData()), 0); });
        QVERIFY(proxy.listening());
        qputenv("CUPS_SERVER", path.toUtf8());
        bool repainted = false;
        QTimer meanwhile;
        meanwhile.setSingleShot(true);
        connect(&meanwhile, &QTimer::timeout, [&repainted] { repainted = true; });
        meanwhile.start(300);
        QTemporaryDir pdfs;
        PagePrinter printer;
        printer.setPdfFolder(pdfs.path());
        const Host::PrintResult result = printer.print(m_page);
        qputenv("CUPS_SERVER", m_cups.socket().toUtf8());
        QCOMPARE(result.outcome, Outcome::Failed);
        QVERIFY2(result.detail.contains(failure), qPrintable(result.detail));
        if (CupsProxy::Mode(mode) == CupsProxy::Mode::Silent) {
            QVERIFY2(result.detail.contains(path), qPrintable(result.detail));
            QVERIFY(repainted);
        }
        QVERIFY(QDir(pdfs.path()).isEmpty());
        QVERIFY(drained(queue));
        QVERIFY(!QFileInfo(output(queue)).size());
    }

    // セッティング記録's pages through the same driver queue: each on one
    // sheet of A4 the way it was laid out (the setup sheet and the history
    // portrait, the charts landscape), all of it inside the printable area
    // and none of it shrunk to a corner.
    void pagesComeOutWhole_data()
    {
        NotebookEntry entry;
        entry.taken = QDateTime(QDate(2026, 12, 7), QTime(15, 30));
        // Long names and notes: every cell must stay in its column.
        entry.car = QStringLiteral("TRF420X ") + QString(30, u'車');
        entry.track = QString(20, u'筑');
        entry.conditions = QString(50, u'晴');
        entry.note = QString(60, u'メ');
        std::vector<NotebookRow> rows(3);
        for (int i = 0; i < 3; ++i)
            rows[size_t(i)] = {i,        1796650000 - 600 * i, 0, 0, 84, 22 - i, 9.9 + i, 27.4 - i,
                               61.0 - i, 12.5 + 0.1 * i};
        const std::vector<qsizetype> all{0, 1, 2};
        const auto byRollout = NotebookChart::build(rows, all, NotebookChart::XKind::Rollout);
        const auto byTime = NotebookChart::build(rows, all, NotebookChart::XKind::Time);
        QTest::addColumn<PrintPage>("page");
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QMargins>("border"); // of the paper turned as the page
        const QString colour = QStringLiteral("colour");
        const QMargins even(Margin, Margin, Margin, Margin);
        QTest::newRow("setup sheet, portrait") << NotebookSheet::entryPage(entry) << colour << even;
        QTest::newRow("history, portrait")
            << NotebookSheet::historyPage(entry.car, {entry, entry, entry}, byRollout) << colour
            << even;
        QTest::newRow("charts, landscape")
            << NotebookSheet::chartPage(byRollout, byTime, entry.car, entry.track) << colour
            << even;
        // Wide borders on the paper's long sides leave a landscape sheet too
        // little height: it is shrunk to that, down to the contact line.
        QTest::newRow("main sheet, landscape, bound by its height")
            << m_page << QStringLiteral("wideborders") << QMargins(Margin, 60, Margin, 60);
    }

    void pagesComeOutWhole()
    {
        QFETCH(PrintPage, page);
        QFETCH(QString, queue);
        QFETCH(QMargins, border);
        QFile out(output(queue));
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.close();
        QPrinter printer(QPrinterInfo::printerInfo(queue));
        printer.setPrinterName(queue);
        QCOMPARE(PagePrinter::printOn(printer, page).outcome, Outcome::Printed);
        QVERIFY(drained(queue));
        const QList<QImage> printed = sheets(queue);
        QCOMPARE(printed.size(), 1);
        QImage paperSheet = printed.first();
        QCOMPARE(paperSheet.size(), QSize(595, 842)); // the queue's paper is portrait A4
        // A landscape page is turned a quarter onto the portrait paper.
        if (page.landscape)
            paperSheet = paperSheet.transformed(QTransform().rotate(90));
        QRect ink;
        for (int y = 0; y < paperSheet.height(); ++y)
            for (int x = 0; x < paperSheet.width(); ++x)
                if (qGray(paperSheet.pixel(x, y)) < 200)
                    ink |= QRect(x, y, 1, 1);
        // A sheet shrunk to the printable height meets its edge: a pixel of
        // rounding at 72 dpi.
        const QRect printable = paperSheet.rect() - border + QMargins(1, 1, 1, 1);
        QVERIFY2(printable.contains(ink), qPrintable(QStringLiteral("ink %1,%2 %3x%4")
                                                         .arg(ink.x())
                                                         .arg(ink.y())
                                                         .arg(ink.width())
                                                         .arg(ink.height())));
        QVERIFY2(ink.width() > paperSheet.width() * 3 / 4, "shrunk across");
        // Portrait pages are tables: no text runs past the end of their rules
        // (the longest unbroken dark run of a line), and the rules are not shrunk.
        int rulesStart = paperSheet.width(), rulesEnd = 0;
        for (int y = 0; !page.landscape && y < paperSheet.height(); ++y)
            for (int x = 0, run = 0; x < paperSheet.width(); ++x) {
                run = qGray(paperSheet.pixel(x, y)) < 200 ? run + 1 : 0;
                if (run > paperSheet.width() / 2) {
                    rulesStart = qMin(rulesStart, x - run + 1);
                    rulesEnd = qMax(rulesEnd, x);
                }
            }
        QVERIFY2(page.landscape ||
                     (ink.right() <= rulesEnd + 1 && rulesEnd - rulesStart > 0.9 * (560 - 35)),
                 qPrintable(QStringLiteral("ink to %1, rules %2 to %3")
                                .arg(ink.right())
                                .arg(rulesStart)
                                .arg(rulesEnd)));
        QVERIFY2(ink.height() > paperSheet.height() / 3, "shrunk down");
    }
};

QTEST_MAIN(RealPrintersTest)
#include "test_realprinters.moc"
