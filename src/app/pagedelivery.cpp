#include "pagedelivery.h"

#include "common/textfile.h"
#include "platform/busypointer.h"

#include <QCoreApplication>

namespace PageDelivery {

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(PageDelivery)
};

enum class Without { Asked, NoPrinter }; // why a page became a PDF

// The final message: one wording for every page.
void report(const Host::PrintResult& result, Host& host, Without why)
{
    switch (result.outcome) {
    case Host::PrintResult::Outcome::Printed:
        host.message(Tr::tr("PRINT OUTしました"));
        break;
    case Host::PrintResult::Outcome::SavedAsPdf:
        host.message((why == Without::NoPrinter
                          ? Tr::tr("プリンターが見つからないため、PDFファイルに保存しました：\n%1")
                          : Tr::tr("PDFファイルに保存しました：\n%1"))
                         .arg(result.detail));
        break;
    case Host::PrintResult::Outcome::Failed:
        host.message(Tr::tr("印刷できませんでした：%1").arg(result.detail));
        break;
    case Host::PrintResult::Outcome::Cancelled:
        break;
    }
}

} // namespace

void printAfterQuestion(Host& host, const std::function<PrintPage()>& page)
{
    if (!host.askYesNo(
            Tr::tr("プリンターは接続されていますか？接続されていない場合はエラー停止します。")))
        return;
    Host::PrintResult result;
    {
        const BusyPointer busy(host);
        result = host.printPage(page());
    }
    report(result, host, Without::NoPrinter);
}

void preview(Host& host, const PrintPage& page) { host.showPrintPreview(page); }

void printWithDialog(Host& host, const PrintPage& page)
{
    report(host.printWithDialog(page), host, Without::Asked);
}

void savePdf(Host& host, const PrintPage& page, const QString& suggestedName)
{
    const QString path = host.askSavePath(suggestedName, QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    Host::PrintResult result;
    {
        const BusyPointer busy(host);
        result = host.savePdf(page, path);
    }
    report(result, host, Without::Asked);
}

void saveCsv(Host& host, const QByteArray& csv, const QString& suggestedName)
{
    const QString path = host.askSavePath(suggestedName, QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    const Result<> written = TextFile::writeBytesAtomically(path, csv);
    host.message(written ? csvSaved(path) : written.error());
}

QString csvSaved(const QString& path)
{
    return Tr::tr("CSVファイルに保存しました：\n%1").arg(path);
}

} // namespace PageDelivery
