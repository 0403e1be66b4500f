// What the user waits for after answering はい to プリント: the page built,
// rendered and handed to a CUPS queue until the server has taken the whole
// job; and the same page saved by PDFに保存…. The queue is a PostScript
// office driver on a private cupsd (tests/printers/privatecups), so the
// figure includes the printer-state query, the PDF in memory and the upload,
// not the filters that run after the job was accepted. Last, 印刷プレビュー
// until its dialog is on the screen with the page drawn in it.
//
//   bench_print [runs, default 20]

#include "app/giadsp.h"
#include "app/mainsheet.h"
#include "appsetup.h"
#include "childprocess.h"
#include "gui/pdfsupport.h"
#include "pageprinter.h"
#include "printers/privatecups.h"
#include "qthost.h"
#include "support/fakehost.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<bool()>& once)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        if (!once()) {
            std::fprintf(stderr, "a run failed\n");
            return -1;
        }
        ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    return ChildProcess::percentile(ms, 0.5);
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    QTemporaryDir scratch(QStringLiteral("/tmp/zeltan-bench-XXXXXX"));
    PrivateCups cups;
    if (cups.start(scratch.path()) != PrivateCups::Started::Yes) {
        std::fprintf(stderr, "no private cupsd: %s\n", qPrintable(cups.error()));
        return 1;
    }
    QApplication app(argc, argv);
    AppSetup::installFontSubstitutes();

    FakeHost host;
    Giadsp window(host, scratch.filePath(QStringLiteral("data")));
    window.Form_Load();
    runWorkedSurvey(window);

    const double printMs = medianMs(runs, [&] {
        return PagePrinter().print(MainSheet::buildPage(window.form())).outcome ==
               Host::PrintResult::Outcome::Printed;
    });
    const QString pdf = scratch.filePath(QStringLiteral("page.pdf"));
    const double pdfMs = medianMs(runs, [&] {
        return PagePrinter::printToPdf(MainSheet::buildPage(window.form()), pdf).outcome ==
               Host::PrintResult::Outcome::SavedAsPdf;
    });
    // The preview's own event loop is replaced by one that waits until the
    // dialog is exposed and every paint it asked for is done, then closes it.
    QtHost screen(nullptr);
    double previewStart = 0;
    std::vector<double> previewMs;
    screen.setDialogRunner([&](QDialog& dialog) {
        dialog.show();
        for (int i = 0; i < 1000 && !(dialog.windowHandle() && dialog.windowHandle()->isExposed());
             ++i)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        previewMs.push_back(ChildProcess::msSince(previewStart));
        if (auto* view = dialog.findChild<QPrintPreviewWidget*>(); !view || view->pageCount() != 1)
            std::fprintf(stderr, "the preview drew no page\n");
        return int(QDialog::Rejected);
    });
    for (int i = 0; i < runs; ++i) {
        previewStart = ChildProcess::nowNs();
        screen.showPrintPreview(MainSheet::buildPage(window.form()));
    }
    std::printf("== bench_print: %d runs, medians\n", runs);
    std::printf("%-60s %8.1f ms\n", "はい → job accepted by a driver queue (PagePrinter::print)",
                printMs);
    std::printf("%-60s %8.1f ms\n", "PDFに保存… → file written (PagePrinter::printToPdf)", pdfMs);
    std::printf("%-60s %8.1f ms (p90 %.1f)\n", "印刷プレビュー → dialog and page drawn",
                ChildProcess::percentile(previewMs, 0.5), ChildProcess::percentile(previewMs, 0.9));
    return printMs < 0 || pdfMs < 0;
}
