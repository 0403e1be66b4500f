// masin.dat through the real paths: the reader, the list at start-up,
// selecting machines (module, ranges, survey, save), printing the result,
// registering a machine and deleting one, which rewrite the file; records of
// other names must survive those rewrites exactly.

#include "app/giadsp.h"
#include "common/textfile.h"
#include "fuzzsupport.h"
#include "machines/machineregistry.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray raw = Fuzz::bytes(data, size);
    const RecordFile::Snapshot registry = Fuzz::startWith(QStringLiteral("masin.dat"), raw);
    const Fuzz::Folder& folder = Fuzz::folder();

    Fuzz::Window window;
    FakeHost& host = window.host;
    Giadsp& app = window.app;
    Form& f = window.form;
    Fuzz::check(f.List1.items == registry.keys(), "List1 is not the file");

    for (int i = 0; i < qMin<qsizetype>(4, f.List1.items.size()); ++i) {
        f.List1.listIndex = i;
        app.List1_Click();
        Fuzz::checkWindow(host, f);
    }
    host.answers = {true};
    app.purinto_Click();
    Fuzz::checkWindow(host, f);
    Fuzz::check(host.pages.isEmpty() || host.pages.last().ops.size() < 100000,
                "print page grew without bound");

    // Register what is on screen under a new name.
    const QString name = QStringLiteral("ＦＵＺＺマシン");
    QByteArray before = folder.read(QStringLiteral("masin.dat"));
    app.Command23_Click();
    f.Text1.text = name;
    app.Command22_Click();
    QByteArray after = folder.read(QStringLiteral("masin.dat"));
    if (after != before) {
        Fuzz::check(MachineRegistry::read(folder.files())->keys().value(0) == name,
                    "the new machine is not first");
        Fuzz::check(Fuzz::recordsWithout(after, name) == Fuzz::recordsWithout(before, name),
                    "registering changed the bytes of other records");
    }

    // Delete the first listed machine.
    if (!f.List1.items.isEmpty()) {
        f.List1.listIndex = 0;
        const QString gone = f.List1.listText();
        before = folder.read(QStringLiteral("masin.dat"));
        app.Command27_Click();
        after = folder.read(QStringLiteral("masin.dat"));
        if (after != before) {
            Fuzz::check(Fuzz::recordsWithout(after, gone) == Fuzz::recordsWithout(before, gone),
                        "deleting changed the bytes of other records");
            Fuzz::check(!MachineRegistry::read(folder.files())->keys().contains(gone),
                        "a deleted machine is still listed", gone);
        }
    }
    Fuzz::checkWindow(host, f);
    return 0;
}
