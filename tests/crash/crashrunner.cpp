// Runs one operation of the window in a folder and dies (or fails the write)
// at a named step of a file write: the victim of the crash-safety test.
//
//   crashrunner FOLDER OPERATION STEP kill|fail
//
// OPERATION is seed (the first start's shipped files), register, delete,
// module-create, module-overwrite, module-delete or save. STEP is a write step of TextFile
// ("work-open" …) or "none" to run the operation to its end.

#include "app/giadsp.h"
#include "common/textfile.h"
#include "notebook/notebookvictim.h"
#include "support/fakehost.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: crashrunner FOLDER OPERATION STEP kill|fail\n");
        return 2;
    }
    QCoreApplication qapp(argc, argv);
    const QString operation = QString::fromLocal8Bit(argv[2]);
    const QByteArray step = argv[3];
    const bool kill = std::strcmp(argv[4], "kill") == 0;
    TextFile::setFaultHook([step, kill](const char* at) {
        if (step != at)
            return true;
        if (kill)
            std::raise(SIGKILL);
        return false;
    });

    FakeHost host;
    Giadsp app(host, QString::fromLocal8Bit(argv[1]));
    if (operation == "seed")
        return app.files().seedShippedFiles() ? 0 : 3;
    app.Form_Load();
    Form& f = app.form();
    if (operation == "register") {
        f.Text1.text = "New car";
        f.Label34.text = "48P";
        f.Label20.text = "2.6";
        f.Label23.text = "80";
        f.Label24.text = "15";
        f.Label31.text = "1";
        f.Label26.text = "20";
        f.Label27.text = "15";
        f.Label32.text = "1";
        app.Command22_Click();
    } else if (operation == "delete") {
        f.List1.listIndex = 0;
        app.Command27_Click();
    } else if (operation.startsWith("module-")) {
        f.Combo7.text = "XXモジュール";
        app.Combo7_Click();
        f.Text2.text = operation == "module-create" ? "New module" : "48P";
        f.Combo1.text = "71";
        f.Combo3.text = "19";
        host.answers =
            operation == "module-overwrite" ? QList<bool>{true} : QList<bool>{false, true};
        app.Command29_Click();
    } else if (operation == "notebook") {
        recordInNotebook(app, host, step, kill);
    } else if (operation == "save") {
        f.Label11.text = "84";
        app.Command2_Click();
    } else {
        return 2;
    }
    // A failed write must have been reported to the user; what was told goes
    // to standard output, one message a line.
    for (const QString& message : host.messages)
        std::printf("%s\n", message.toUtf8().constData());
    return host.messages.isEmpty() ? 0 : 3;
}
