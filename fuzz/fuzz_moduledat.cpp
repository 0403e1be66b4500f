// module.dat through the real paths: the reader, start-up (selector list and
// the restored module), picking modules (range lists, grid), a survey, and
// storing a new module, which rewrites the file; records other than the new
// one must survive that rewrite exactly.

#include "app/giadsp.h"
#include "common/textfile.h"
#include "fuzzsupport.h"
#include "gearmodules/moduletable.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray raw = Fuzz::bytes(data, size);
    const RecordFile::Snapshot table = Fuzz::startWith(QStringLiteral("module.dat"), raw);
    const Fuzz::Folder& folder = Fuzz::folder();

    Fuzz::Window window;
    FakeHost& host = window.host;
    Giadsp& app = window.app;
    Form& f = window.form;
    Fuzz::check(f.Combo7.items == table.keys().mid(0, 10000), "selector list is not the file");

    // A few modules of the file, as the user would pick them.
    const QStringList names = f.Combo7.items.toList().mid(0, 4);
    for (const QString& name : names) {
        f.Combo7.text = name;
        app.Combo7_Click();
        Fuzz::checkWindow(host, f);
        f.Text2.text.clear();
        app.Command29_Click();
        Fuzz::checkWindow(host, f);
        f.Label6.text = QStringLiteral("2.5");
        f.Label9.text = QStringLiteral("8");
        app.Command5_Click();
        Fuzz::checkWindow(host, f);
    }

    // Store the ranges on screen as a new module: the file is rewritten.
    const QString added = QStringLiteral("ＦＵＺＺモジュール");
    const QByteArray before = folder.read(QStringLiteral("module.dat"));
    f.Text2.text = added;
    host.answers = {true};
    app.Command29_Click();
    Fuzz::checkWindow(host, f);
    const QByteArray after = folder.read(QStringLiteral("module.dat"));
    if (after != before) {
        Fuzz::check(ModuleTable::read(folder.files())->keys().value(0) == added,
                    "the new module is not first");
        Fuzz::check(Fuzz::recordsWithout(after, added) == Fuzz::recordsWithout(before, added),
                    "storing a module changed the bytes of other records");
    }
    return 0;
}
