#pragma once

#include "pageprinter.h"
#include "platform/host.h"

#include <QStringList>

#include <functional>
#include <memory>

class QDialog;
class QObject;
class QWidget;

// The platform side of the window: real message boxes, the override cursor,
// the version dialog, the event loop and the printer.
class QtHost : public Host
{
public:
    // Dialogs are centred on the window.
    explicit QtHost(QWidget* window);
    ~QtHost() override;

    void message(const QString& text) override;
    bool askYesNo(const QString& text) override;
    void setBusy(bool busy) override;
    void showVersionDialog() override;
    void quit() override;
    void afterDrawing(std::function<void()> work) override;
    PrintResult printPage(const PrintPage& page) override;
    void showPrintPreview(const PrintPage& page) override;
    PrintResult printWithDialog(const PrintPage& page) override;
    QString askSavePath(const QString& suggestedName, const QString& filter) override;
    QString askOpenPath(const QString& filter) override;
    PrintResult savePdf(const PrintPage& page, const QString& path) override;

    PagePrinter& printer() { return m_printer; }

    // A box of start-up shown before the window would stand alone, over
    // nothing: from holdMessages() to stopHolding() messages are kept, and
    // showHeldMessages() shows them in order once the window is drawn. A
    // later message or question shows the kept ones first.
    void holdMessages() { m_holding = true; }
    void stopHolding() { m_holding = false; }
    void showHeldMessages();

    // Runs a modal dialog and returns what exec() would. Every dialog of the
    // host goes through it, so a test can answer one without an event loop.
    using DialogRunner = std::function<int(QDialog&)>;
    void setDialogRunner(DialogRunner run) { m_run = std::move(run); }

private:
    // "" when a print server answers or none runs; else that it is silent.
    QString silentPrintServer();
    void showMessage(const QString& text);

    QWidget* m_window;
    std::unique_ptr<QObject> m_later; // runs the work of afterDrawing()
    DialogRunner m_run;
    int m_busyDepth = 0;
    bool m_holding = false;
    QStringList m_held;
    PagePrinter m_printer;
};
