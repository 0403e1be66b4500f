// What the user waits for after answering はい to プリント: the page built,
// rendered and handed to a CUPS queue until the server has taken the whole
// job; and the same page saved by PDFに保存…. The queue is a PostScript
// office driver on a private cupsd (tests/printers/privatecups), so the
// figure includes the printer-state query, the PDF in memory and the upload,
// not the filters that run after the job was accepted.
//
//   bench_print [runs, default 20]

#include "app/giadsp.h"
#include "app/mainsheet.h"
#include "appsetup.h"
#include "childprocess.h"
#include "gui/pdfsupport.h"
#include "pageprinter.h"
#include "printers/privatecups.h"
#include "support/fakehost.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

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
    std::printf("== bench_print: %d runs, medians\n", runs);
    std::printf("%-60s %8.1f ms\n", "はい → job accepted by a driver queue (PagePrinter::print)",
                printMs);
    std::printf("%-60s %8.1f ms\n", "PDFに保存… → file written (PagePrinter::printToPdf)", pdfMs);
    return printMs < 0 || pdfMs < 0;
}
