#pragma once

#include "platform/host.h"

// A tool window's door to the platform, made before the window: a model the
// session owns from the start speaks through it, and the window, once made,
// leads it to its own Host so that messages and dialogs sit over it.
class HostDoor : public Host
{
public:
    // home: where the door leads until a window takes it, and after.
    explicit HostDoor(Host& home) : m_home(home), m_to(&home) {}

    void lead(Host& to) { m_to = &to; }
    void leadHome() { m_to = &m_home; }

    void message(const QString& text) override { m_to->message(text); }
    bool askYesNo(const QString& text) override { return m_to->askYesNo(text); }
    QString askOpenPath(const QString& filter) override { return m_to->askOpenPath(filter); }
    PrintResult printPage(const PrintPage& page) override { return m_to->printPage(page); }
    void showPrintPreview(const PrintPage& page) override { m_to->showPrintPreview(page); }
    PrintResult printWithDialog(const PrintPage& page) override
    {
        return m_to->printWithDialog(page);
    }
    QString askSavePath(const QString& suggestedName, const QString& filter) override
    {
        return m_to->askSavePath(suggestedName, filter);
    }
    PrintResult savePdf(const PrintPage& page, const QString& path) override
    {
        return m_to->savePdf(page, path);
    }
    void setBusy(bool busy) override { m_to->setBusy(busy); }
    void afterDrawing(std::function<void()> work) override { m_to->afterDrawing(std::move(work)); }
    void showVersionDialog() override { m_to->showVersionDialog(); }
    void quit() override { m_to->quit(); }

private:
    Host& m_home;
    Host* m_to;
};
