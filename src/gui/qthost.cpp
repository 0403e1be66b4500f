#include "qthost.h"

#include "versiondialog.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

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

} // namespace

QtHost::QtHost(QWidget* window) : m_window(window) {}

QtHost::~QtHost()
{
    while (m_busyDepth > 0)
        setBusy(false);
}

void QtHost::message(const QString& text)
{
    const NormalPointer pointer(m_busyDepth > 0);
    QMessageBox box(QMessageBox::NoIcon, Title, text, QMessageBox::Ok, m_window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtHost::askYesNo(const QString& text)
{
    const NormalPointer pointer(m_busyDepth > 0);
    QMessageBox box(QMessageBox::NoIcon, Title, text, QMessageBox::Yes | QMessageBox::No, m_window);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
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
    dialog.exec();
}

void QtHost::quit()
{
    // Leaves the event loop; nothing is saved on the way out.
    QCoreApplication::exit(0);
}

Host::PrintResult QtHost::printPage(const PrintPage& page) { return m_printer.print(page); }

// The tools menu. First cut: the dialogs follow.
void QtHost::showPrintPreview(const PrintPage&) { message(QStringLiteral("準備中です")); }

Host::PrintResult QtHost::printWithDialog(const PrintPage&)
{
    return {PrintResult::Outcome::Cancelled, QString()};
}

QString QtHost::askSavePath(const QString& suggestedName, const QString& filter)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getSaveFileName(m_window, QString(),
                                        QDir(documents).filePath(suggestedName), filter);
}

Host::PrintResult QtHost::savePdf(const PrintPage& page, const QString& path)
{
    return PagePrinter::printToPdf(page, path);
}

void QtHost::showDriveWindow() { message(QStringLiteral("準備中です")); }
