#pragma once

#include "platform/host.h"

#include <QList>
#include <QStringList>

// A scripted platform for tests, fuzzing and benchmarks: records every
// message and question, answers Yes/No from a queue (No when the queue is
// empty), keeps the printed pages and never blocks.
class FakeHost : public Host
{
public:
    QStringList messages;
    QStringList questions;
    QList<bool> answers;
    QList<PrintPage> pages;
    PrintResult printResult{PrintResult::Outcome::Printed, QString()};
    int busyDepth = 0;
    int busyCalls = 0;
    int versionDialogs = 0;
    int quits = 0;
    // The tools menu: previews shown, save dialogs asked.
    int previews = 0;
    QStringList savePrompts; // the suggested names
    QString savePath;        // what the save dialog answers ("" is cancel)
    QString openPath;        // what the open dialog answers ("" is cancel)
    QStringList openPrompts; // the filter of each open dialog

    void message(const QString& text) override { messages.append(text); }
    bool askYesNo(const QString& text) override
    {
        questions.append(text);
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    void setBusy(bool busy) override
    {
        busyDepth += busy ? 1 : -1;
        busyCalls += busy ? 1 : 0;
    }
    void showVersionDialog() override { ++versionDialogs; }
    void quit() override { ++quits; }
    void afterDrawing(std::function<void()> work) override { work(); }
    PrintResult printPage(const PrintPage& page) override
    {
        pages.append(page);
        return printResult;
    }
    void showPrintPreview(const PrintPage& page) override
    {
        pages.append(page);
        ++previews;
    }
    PrintResult printWithDialog(const PrintPage& page) override { return printPage(page); }
    QString askOpenPath(const QString& filter) override
    {
        openPrompts.append(filter);
        return openPath;
    }
    QString askSavePath(const QString& suggestedName, const QString&) override
    {
        savePrompts.append(suggestedName);
        return savePath;
    }
    PrintResult savePdf(const PrintPage& page, const QString& path) override
    {
        pages.append(page);
        return {printResult.outcome == PrintResult::Outcome::Printed
                    ? PrintResult::Outcome::SavedAsPdf
                    : printResult.outcome,
                path};
    }
};
