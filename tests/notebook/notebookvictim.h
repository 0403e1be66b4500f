#pragma once

#include "app/giadsp.h"
#include "app/notebook.h"
#include "support/fakehost.h"

#include <QByteArray>
#include <csignal>

// The crash runner's notebook operation: 記録する on a car, killed (or
// failing) at a step of the database write ("begin", "written", "committed").
inline void recordInNotebook(Giadsp& app, FakeHost& host, const QByteArray& step, bool kill)
{
    NotebookStore::setFaultHook([step, kill](const char* at) {
        if (step != at)
            return true;
        if (kill)
            std::raise(SIGKILL);
        return false;
    });
    DriveTool drive(app, host);
    Notebook notebook(app, host, drive);
    notebook.open();
    app.form().Label13.text = QStringLiteral("Crash car");
    notebook.record_Click();
}
