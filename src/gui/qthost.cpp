#include "qthost.h"

#include "cupsjob.h"
#include "platform/busypointer.h"
#include "versiondialog.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>

#include <optional>
#include <utility>

namespace {

const QString Title = QStringLiteral("ZELTAN");

// The answer needs the normal pointer even while a long operation shows the
// busy one around the question.
class NormalPointer
{
public:
    explicit NormalPointer(bool busy) : m_active(busy)
    {
        if (m_active)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalPointer()
    {
        if (m_active)
            QApplication::restoreOverrideCursor();
    }
    NormalPointer(const NormalPointer&) = delete;
    NormalPointer& operator=(const NormalPointer&) = delete;

private:
    bool m_active;
};

// Work posted to run from the event loop.
class WorkEvent : public QEvent
{
public:
    static QEvent::Type kind()
    {
        static const auto type = QEvent::Type(QEvent::registerEventType());
        return type;
    }
    explicit WorkEvent(std::function<void()> work) : QEvent(kind()), work(std::move(work)) {}
    std::function<void()> work;
};

class WorkRunner : public QObject
{
protected:
    bool event(QEvent* event) override
    {
        if (event->type() != WorkEvent::kind())
            return QObject::event(event);
        // The handler's result is rendered by now; a repaint still waiting
        // (Qt posts them) is drawn first.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        static_cast<WorkEvent*>(event)->work();
        return true;
    }
};

} // namespace

QtHost::QtHost(QWidget* window)
    : m_window(window), m_later(std::make_unique<WorkRunner>()),
      m_run([](QDialog& dialog) { return dialog.exec(); })
{
}

QtHost::~QtHost()
{
    while (m_busyDepth > 0)
        setBusy(false);
}

void QtHost::message(const QString& text)
{
    if (m_holding) {
        m_held.append(text);
        return;
    }
    showHeldMessages();
    showMessage(text);
}

void QtHost::showMessage(const QString& text)
{
    const NormalPointer pointer(m_busyDepth > 0);
    QMessageBox box(QMessageBox::NoIcon, Title, text, QMessageBox::Ok, m_window);
    box.setTextFormat(Qt::PlainText);
    m_run(box);
}

void QtHost::showHeldMessages()
{
    // Taken first: a box's event loop may bring the next message.
    for (const QString& text : std::exchange(m_held, {}))
        showMessage(text);
}

bool QtHost::askYesNo(const QString& text)
{
    showHeldMessages();
    const NormalPointer pointer(m_busyDepth > 0);
    QMessageBox box(QMessageBox::NoIcon, Title, text, QMessageBox::Yes | QMessageBox::No, m_window);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return m_run(box) == QMessageBox::Yes;
}

void QtHost::setBusy(bool busy)
{
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++m_busyDepth;
    } else if (m_busyDepth > 0) {
        QApplication::restoreOverrideCursor();
        --m_busyDepth;
    }
}

void QtHost::showVersionDialog()
{
    // Made afresh for every opening and gone when it closes.
    VersionDialog dialog(m_window);
    m_run(dialog);
}

void QtHost::afterDrawing(std::function<void()> work)
{
    // Posted, so it runs once the handler has returned and its result is
    // rendered; at the repaints' own low priority, behind them.
    QCoreApplication::postEvent(m_later.get(), new WorkEvent(std::move(work)),
                                Qt::LowEventPriority);
}

void QtHost::quit()
{
    // Closed as the user would close it, so the tool windows ask about
    // what is being edited first.
    if (m_window)
        m_window->close();
    QCoreApplication::exit(0);
}

Host::PrintResult QtHost::printPage(const PrintPage& page) { return m_printer.print(page); }

void QtHost::showPrintPreview(const PrintPage& page)
{
    // Qt's printer list would wait on a silent server with the window frozen:
    // then the page is shown on plain A4, as without a printer.
    std::optional<CupsJob::NoServerHere> noServer;
    if (!silentPrintServer().isEmpty())
        noServer.emplace();
    // The preview draws with the printer's own code on the same paper, so
    // what it shows is what プリント puts on paper.
    QPrinter printer(QPrinter::HighResolution);
    // A printer that refuses a setting still shows the page as it would print.
    static_cast<void>(PagePrinter::setUp(printer, page));
    QPrintPreviewDialog dialog(&printer, m_window);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&page](QPrinter* target) { PagePrinter::render(page, *target); });
    // As large as the main window at the windows' zoom, whole page in view,
    // never past the screen.
    if (m_window && m_window->screen()) {
        const QRect room = m_window->screen()->availableGeometry();
        dialog.resize(m_window->size().boundedTo(room.size() - QSize(16, 40)));
        if (auto* view = dialog.findChild<QPrintPreviewWidget*>())
            view->fitInView();
    }
    m_run(dialog);
}

QString QtHost::silentPrintServer()
{
    const BusyPointer busy(*this);
    return CupsJob::silence();
}

Host::PrintResult QtHost::printWithDialog(const PrintPage& page)
{
    if (const QString silent = silentPrintServer(); !silent.isEmpty())
        return {PrintResult::Outcome::Failed, silent};
    QPrinter printer(QPrinter::HighResolution);
    // The printer chosen in the dialog is set up again when the page is sent.
    static_cast<void>(PagePrinter::setUp(printer, page));
    // Without a printer the dialog offers only a file: let it start in the
    // Documents folder, as プリント would save there. The dialog refuses a
    // file in a folder that does not exist, so the folder is made first.
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString documents = PagePrinter::documentsFolder();
        QDir().mkpath(documents);
        printer.setOutputFileName(PagePrinter::freshPdfPath(documents));
    }
    QPrintDialog dialog(&printer, m_window);
    // One page: the choices are the printer and the copies.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    if (m_run(dialog) != QDialog::Accepted)
        return {PrintResult::Outcome::Cancelled, QString()};
    const BusyPointer busy(*this);
    return PagePrinter::printOn(printer, page);
}

QString QtHost::askSavePath(const QString& suggestedName, const QString& filter)
{
    const QString documents = PagePrinter::documentsFolder();
    QDir().mkpath(documents);
    QFileDialog dialog(m_window, QString(), QDir(documents).filePath(suggestedName), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // "zeltan-48P-20261207" typed without its ending still becomes a .pdf.
    dialog.setDefaultSuffix(QFileInfo(suggestedName).suffix());
    if (m_run(dialog) != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

QString QtHost::askOpenPath(const QString& filter)
{
    // Only browsed, so not made when missing: the home folder then, rather
    // than its parent with "Documents" typed in as a file name.
    const QString documents = PagePrinter::documentsFolder();
    QFileDialog dialog(m_window, QString(),
                       QFileInfo(documents).isDir() ? documents : QDir::homePath(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (m_run(dialog) != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

Host::PrintResult QtHost::savePdf(const PrintPage& page, const QString& path)
{
    return PagePrinter::printToPdf(page, path);
}
