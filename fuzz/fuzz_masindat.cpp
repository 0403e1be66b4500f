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

namespace {

QList<QStringList> fieldsWithout(const QList<MachineRegistry::MachineRecord>& records,
                                 const QString& name)
{
    QList<QStringList> out;
    for (const auto& r : records)
        if (r.Name != name)
            out.append(r.fields());
    return out;
}

void checkWindow(const Fuzz::Host& host, const Form& f)
{
    Fuzz::check(host.busyDepth == 0, "busy pointer left on");
    Fuzz::check(f.MSFlexGrid1.rows() <= 201 && f.MSFlexGrid1.cols() <= 201,
                "grid beyond 200 values");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray raw = Fuzz::bytes(data, size);
    const Fuzz::Folder& folder = Fuzz::folder();
    folder.reset();
    folder.put(QStringLiteral("masin.dat"), raw);

    const MachineRegistry::Registry registry = MachineRegistry::read(folder.files());
    Fuzz::check(registry.error.isEmpty(), "an existing masin.dat did not read", registry.error);

    Fuzz::Host host;
    Giadsp app(host, folder.path());
    Form& f = app.form();
    app.Form_Load();
    checkWindow(host, f);
    Fuzz::check(f.List1.items.size() == registry.records.size(), "List1 is not the file");

    for (int i = 0; i < qMin<qsizetype>(4, f.List1.items.size()); ++i) {
        f.List1.listIndex = i;
        app.List1_Click();
        checkWindow(host, f);
    }
    host.answers = {true};
    app.purinto_Click();
    checkWindow(host, f);

    // Register what is on screen under a new name.
    const QString name = QStringLiteral("ＦＵＺＺマシン");
    auto before = MachineRegistry::read(folder.files()).records;
    QByteArray beforeBytes = folder.read(QStringLiteral("masin.dat"));
    app.Command23_Click();
    f.Text1.text = name;
    app.Command22_Click();
    if (folder.read(QStringLiteral("masin.dat")) != beforeBytes) {
        const auto after = MachineRegistry::read(folder.files()).records;
        Fuzz::check(!after.isEmpty() && after.first().Name == name, "the new machine is not first");
        Fuzz::check(fieldsWithout(after.mid(1), name) == fieldsWithout(before, name),
                    "registering changed the other records");
    }

    // Delete the first listed machine.
    if (!f.List1.items.isEmpty()) {
        f.List1.listIndex = 0;
        const QString gone = f.List1.listText();
        before = MachineRegistry::read(folder.files()).records;
        beforeBytes = folder.read(QStringLiteral("masin.dat"));
        app.Command27_Click();
        if (folder.read(QStringLiteral("masin.dat")) != beforeBytes) {
            const auto after = MachineRegistry::read(folder.files()).records;
            Fuzz::check(fieldsWithout(after, gone) == fieldsWithout(before, gone),
                        "deleting changed the other records");
            for (const auto& r : after)
                Fuzz::check(r.Name != gone, "a deleted machine is still listed", gone);
        }
    }
    checkWindow(host, f);
    return 0;
}
