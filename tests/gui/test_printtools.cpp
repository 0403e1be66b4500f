#include "app/giadsp.h"
#include "app/mainsheet.h"
#include "app/pagedelivery.h"
#include "appsetup.h"
#include "mainwindow.h"
#include "pdfsupport.h"
#include "print/gridexport.h"
#include "qthost.h"
#include "support/fakehost.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

const QDate Day(2026, 12, 7);

} // namespace

// The tools menu's printing through the real Qt host, every dialog answered
// by a script instead of a person: preview, printer dialog, save dialogs,
// and プリント without a printer.
class PrintToolsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    QString m_documents;
    FakeHost m_fake;
    std::unique_ptr<Giadsp> m_app;
    QTemporaryDir m_data;
    QtHost m_host{nullptr};
    // What the script saw and what it answers.
    QStringList m_shown;             // message box texts
    QStringList m_saveStarts;        // a save dialog's starting file
    QStringList m_printToFileStarts; // a printer dialog's file for "print to file"
    bool m_printFolderReady = false; // its folder existed when the dialog opened
    QString m_answerPath;            // "" cancels a save or printer dialog
    int m_copies = 1;
    bool m_answerYes = true; // to プリント's question

    Form& form() { return m_app->form(); }

    int answer(QDialog& dialog)
    {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            m_shown << box->text();
            return QMessageBox::Ok;
        }
        if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
            m_saveStarts << files->selectedFiles().value(0);
            if (m_answerPath.isEmpty())
                return QDialog::Rejected;
            files->selectFile(m_answerPath);
            return QDialog::Accepted;
        }
        if (auto* print = qobject_cast<QPrintDialog*>(&dialog)) {
            m_printToFileStarts << print->printer()->outputFileName();
            m_printFolderReady = QFileInfo(m_printToFileStarts.last()).absoluteDir().exists();
            if (m_answerPath.isEmpty())
                return QDialog::Rejected;
            // What the dialog leaves on the printer for "print to file".
            print->printer()->setOutputFileName(m_answerPath);
            print->printer()->setCopyCount(m_copies);
            return QDialog::Accepted;
        }
        return QDialog::Rejected;
    }

    static QByteArray fileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The survey's table as its CSV holds it: UTF-8 with a byte-order mark,
    // the spur headings, then a row for each pinion, every row ended by CR LF.
    QByteArray csvOfTheGrid()
    {
        QByteArray bytes = "\xEF\xBB\xBFP/S,70,71,72,73,74,75,76,77,78,79,80,81,82,83,84,85\r\n";
        for (int r = 1; r <= 16; ++r) {
            QStringList cells;
            for (int c = 0; c <= 16; ++c)
                cells << form().MSFlexGrid1.cell(r, c).text;
            bytes += cells.join(u',').toUtf8() + "\r\n";
        }
        return bytes;
    }

    // Answers the boxes of a window, whose host runs dialogs for real.
    void answerWindowBoxes()
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            m_shown << box->text();
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            if (yes && !m_answerYes)
                box->button(QMessageBox::No)->click();
            else
                (yes ? yes : box->button(QMessageBox::Ok))->click();
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid() && m_data.isValid());
        // A home of our own: its Documents folder does not exist yet.
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
        m_documents = QDir(m_home.path()).filePath(QStringLiteral("Documents"));
        QCOMPARE(PagePrinter::documentsFolder(), m_documents);
        AppSetup::installFontSubstitutes();

        m_app = std::make_unique<Giadsp>(m_fake, m_data.path());
        runWorkedSurvey(*m_app);
        QCOMPARE(form().MSFlexGrid1.cell(6, 11).text, QStringLiteral("8.000"));
        m_host.setDialogRunner([this](QDialog& dialog) { return answer(dialog); });
    }

    void init()
    {
        m_shown.clear();
        m_saveStarts.clear();
        m_printToFileStarts.clear();
        m_answerPath.clear();
        m_copies = 1;
        m_answerYes = true;
    }

    // An open dialog starts in Documents, or in the home folder while there is
    // none (not in its parent with "Documents" typed as the file's name), and
    // makes no folder.
    void anOpenStartsInDocumentsOrHome()
    {
        QStringList seen;
        m_host.setDialogRunner([&](QDialog& dialog) {
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (files && name)
                seen << files->directory().absolutePath() + u'|' + name->text();
            return int(QDialog::Rejected);
        });
        QCOMPARE(m_host.askOpenPath(QStringLiteral("CSV (*.csv)")), QString());
        QVERIFY(!QFileInfo::exists(m_documents));
        QVERIFY(QDir().mkpath(m_documents));
        m_host.askOpenPath(QStringLiteral("CSV (*.csv)"));
        QVERIFY(QDir(m_documents).removeRecursively());
        m_host.setDialogRunner([this](QDialog& dialog) { return answer(dialog); });
        QCOMPARE(seen, QStringList({QDir(m_home.path()).absolutePath() + u'|',
                                    QDir(m_documents).absolutePath() + u'|'}));
    }

    void aSaveStartsInDocumentsWithTheSuggestedName_data()
    {
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<QString>("chosen"); // relative to Documents; "" cancels
        QTest::addColumn<QString>("shown");  // the final message; "" for none
        QTest::newRow("PDF saved") << true << "page.pdf"
                                   << "PDFファイルに保存しました：\n%1";
        QTest::newRow("CSV saved") << false << "grid.csv"
                                   << "CSVファイルに保存しました：\n%1";
        QTest::newRow("cancelled") << true << ""
                                   << "";
        QTest::newRow("PDF into a missing folder")
            << true << "gone/page.pdf"
            << "印刷できませんでした：PDFファイル「%1」を書き込めませんでした：\n";
    }

    void aSaveStartsInDocumentsWithTheSuggestedName()
    {
        QFETCH(bool, pdf);
        QFETCH(QString, chosen);
        QFETCH(QString, shown);
        QDir(m_documents).removeRecursively();
        m_answerPath = chosen.isEmpty() ? QString() : QDir(m_documents).filePath(chosen);
        const QString title = form().machineTitle().text;
        if (pdf)
            PageDelivery::savePdf(m_host, MainSheet::buildPage(form()),
                                  GridExport::fileName(title, Day, QStringLiteral("pdf")));
        else
            PageDelivery::saveCsv(m_host, GridExport::csv(form().MSFlexGrid1),
                                  GridExport::fileName(title, Day, QStringLiteral("csv")));

        const QString suggested = pdf ? QStringLiteral("zeltan-ギア比確認ツール-20261207.pdf")
                                      : QStringLiteral("zeltan-ギア比確認ツール-20261207.csv");
        QCOMPARE(m_saveStarts, QStringList{QDir(m_documents).filePath(suggested)});
        QVERIFY(QFileInfo(m_documents).isDir()); // made for the dialog
        // A failure's message goes on with the system's reason.
        if (shown.endsWith(u'\n'))
            QVERIFY2(m_shown.size() == 1 && m_shown[0].startsWith(shown.arg(m_answerPath)) &&
                         m_shown[0].size() > shown.arg(m_answerPath).size(),
                     qPrintable(m_shown.join(u'|')));
        else
            QCOMPARE(m_shown,
                     shown.isEmpty() ? QStringList() : QStringList{shown.arg(m_answerPath)});
        if (shown.contains(u"しました")) {
            QCOMPARE(entries(m_documents), QStringList{QFileInfo(chosen).fileName()});
            if (pdf) {
                QVERIFY(pdfText(m_answerPath).contains(QStringLiteral("P/S")));
            } else {
                QVERIFY(QFile(m_answerPath).size() > 100);
                QCOMPARE(fileBytes(m_answerPath), csvOfTheGrid());
            }
        } else {
            QCOMPARE(entries(m_documents), QStringList()); // neither a file nor a work file
        }
    }

    void thePrinterDialog_data()
    {
        QTest::addColumn<QString>("chosen"); // "print to file" in Documents; "" cancels
        QTest::addColumn<int>("copies");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("pages");
        QTest::newRow("cancelled") << "" << 1 << "" << 0;
        QTest::newRow("to a file") << "out.pdf" << 1 << "PDFファイルに保存しました：\n%1" << 1;
        QTest::newRow("two copies to a file")
            << "out.pdf" << 2 << "PDFファイルに保存しました：\n%1" << 2;
        QTest::newRow("to a folder") << "." << 1
                                     << "印刷できませんでした：「%1」はフォルダです。"
                                        "PDFファイルの名前を指定してください"
                                     << 0;
    }

    void thePrinterDialog()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a default printer is configured; the dialog would offer it first");
        QFETCH(QString, chosen);
        QFETCH(int, copies);
        QFETCH(QString, shown);
        QFETCH(int, pages);
        QDir(m_documents).removeRecursively();
        m_answerPath = chosen.isEmpty() ? QString() : QDir(m_documents).filePath(chosen);
        m_copies = copies;
        PageDelivery::printWithDialog(m_host, MainSheet::buildPage(form()));

        // Without a printer, "print to file" starts in Documents.
        QCOMPARE(m_printToFileStarts.size(), 1);
        QCOMPARE(QFileInfo(m_printToFileStarts.first()).absolutePath(), m_documents);
        QVERIFY(m_printFolderReady); // the dialog refuses a file in a missing folder
        const QString target = QFileInfo(m_answerPath).absoluteFilePath();
        QCOMPARE(m_shown, shown.isEmpty() ? QStringList() : QStringList{shown.arg(target)});
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        if (pages > 0) {
            QCOMPARE(pdfPages(target), pages);
            QVERIFY(pdfText(target).contains(QStringLiteral("P/S")));
            QVERIFY(QFile::remove(target));
        }
        QCOMPARE(entries(m_documents), QStringList()); // nothing else written
    }

    void thePreviewShowsThePrintedPage()
    {
        int pages = -1;
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
        QImage shot;
        m_host.setDialogRunner([&](QDialog& dialog) {
            auto* preview = dialog.findChild<QPrintPreviewWidget*>();
            if (!qobject_cast<QPrintPreviewDialog*>(&dialog) || !preview)
                return int(QDialog::Rejected);
            dialog.resize(1000, 760);
            dialog.show();
            preview->fitInView();
            preview->updatePreview();
            pages = preview->pageCount();
            orientation = preview->orientation();
            shot = dialog.grab().toImage();
            return int(QDialog::Rejected);
        });
        PageDelivery::preview(m_host, MainSheet::buildPage(form()));
        m_host.setDialogRunner([this](QDialog& dialog) { return answer(dialog); });

        QCOMPARE(pages, 1);
        QCOMPARE(orientation, QPageLayout::Landscape);
        // The best cell's light-blue ink shows: the survey's page was drawn.
        bool blue = false;
        for (int y = 0; y < shot.height() && !blue; ++y)
            for (int x = 0; x < shot.width() && !blue; ++x) {
                const QColor c = shot.pixelColor(x, y);
                blue = c.blue() > 200 && c.red() < 90 && c.green() < 90;
            }
        QVERIFY(blue);
        // ZELTAN_KEEP_PREVIEW=preview.png keeps the dialog as shown, to look at.
        if (const QString keep = qEnvironmentVariable("ZELTAN_KEEP_PREVIEW"); !keep.isEmpty())
            shot.save(keep);
        QVERIFY(m_shown.isEmpty());
    }

    void printingWithoutAPrinterSavesInDocuments_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("answered No: nothing printed") << false;
        QTest::newRow("answered Yes: a PDF and where it is") << true;
    }

    void printingWithoutAPrinterSavesInDocuments()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a default printer is configured; this would print on it");
        QFETCH(bool, yes);
        QDir(m_documents).removeRecursively();
        QTemporaryDir data;
        MainWindow window(data.path());
        window.start();
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, &PrintToolsTest::answerWindowBoxes);
        closer.start(50);
        m_answerYes = yes;
        window.menuAction(QStringLiteral("purinto"))->trigger();

        const QString question = QStringLiteral(
            "プリンターは接続されていますか？接続されていない場合はエラー停止します。");
        QCOMPARE(m_shown.value(0), question);
        QCOMPARE(QApplication::overrideCursor(), nullptr); // the busy pointer is gone
        QVERIFY(!entries(data.path()).join(u' ').contains(QStringLiteral(".pdf")));
        const QStringList pdfs = entries(m_documents);
        if (!yes) {
            QCOMPARE(m_shown.size(), 1);
            QCOMPARE(pdfs, QStringList());
            return;
        }
        QCOMPARE(pdfs.size(), 1);
        const QString path = QDir(m_documents).filePath(pdfs.first());
        QCOMPARE(m_shown, QStringList({question, QStringLiteral("プリンターが見つからないため、"
                                                                "PDFファイルに保存しました：\n") +
                                                     path}));
        QVERIFY(pdfText(path).contains(QStringLiteral("P/S")));
    }
};

QTEST_MAIN(PrintToolsTest)
#include "test_printtools.moc"
