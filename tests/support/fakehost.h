#pragma once

#include "platform/host.h"

#include <QList>
#include <QStringList>

// A scripted platform: records every message and question, answers Yes/No
// from a queue (No when the queue is empty), and keeps the printed pages.
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
    PrintResult printPage(const PrintPage& page) override
    {
        pages.append(page);
        return printResult;
    }
};
