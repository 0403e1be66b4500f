#include "machinepanel.h"

namespace MachinePanel {

namespace {

// Shows the list as masin.dat now stands, none selected; false (and the
// message) when it was not rewritten.
bool showList(Form& f, Host& host, const Result<ItemList>& now)
{
    if (!now) {
        host.message(now.error());
        return false;
    }
    f.machineList().clearList();
    f.machineList().items = *now;
    return true;
}

// The name, the secondary ratio and the ranges back to nothing transferred
// (a deletion keeps the intervals and the module).
void emptyPanel(Form& f)
{
    f.machineName().text.clear();
    f.panelSecondaryRatio().text = QStringLiteral("0");
    for (Control* c :
         {&f.panelSpurStart(), &f.panelSpurWidth(), &f.panelPinionStart(), &f.panelPinionWidth()})
        c->text.clear();
}

} // namespace

void ensureExists(Host& host, const DataFolder& files)
{
    if (const Result<> made = MachineRegistry::ensureExists(files); !made)
        host.message(made.error());
}

void fillList(Form& form, Host& host, const DataFolder& files)
{
    const auto names = MachineRegistry::names(files);
    if (!names)
        host.message(names.error());
    form.machineList().clearList();
    if (names)
        form.machineList().items = *names;
}

void registerMachine(Form& f, Host& host, const DataFolder& files)
{
    const MachineRegistry::MachineRecord car{
        f.machineName().text,      f.panelModule().text,       f.panelSecondaryRatio().text,
        f.panelSpurStart().text,   f.panelSpurWidth().text,    f.panelPinionStart().text,
        f.panelPinionWidth().text, f.panelSpurInterval().text, f.panelPinionInterval().text};
    if (!showList(f, host, MachineRegistry::add(files, car)))
        return;
    emptyPanel(f);
    for (Control* c : {&f.panelSpurInterval(), &f.panelPinionInterval(), &f.panelModule()})
        c->text.clear();
}

void deleteSelected(Form& f, Host& host, const DataFolder& files)
{
    if (!showList(f, host, MachineRegistry::remove(files, f.machineList().listText())))
        return;
    emptyPanel(f);
}

QList<MachineRegistry::MachineRecord> recordsNamed(const QString& name, Host& host,
                                                   const DataFolder& files)
{
    const auto records = MachineRegistry::recordsNamed(files, name);
    if (!records) {
        host.message(records.error());
        return {};
    }
    return *records;
}

void transferSecondary(Form& f) { f.panelSecondaryRatio().text = f.secondaryRatio().text; }

void transferSpur(Form& f)
{
    f.panelSpurStart().text = f.spurRangeStart().text;
    f.panelSpurWidth().text = f.spurRangeWidth().text;
    f.panelSpurInterval().text = f.spurInterval().text;
}

void transferPinion(Form& f)
{
    f.panelPinionStart().text = f.pinionRangeStart().text;
    f.panelPinionWidth().text = f.pinionRangeWidth().text;
    f.panelPinionInterval().text = f.pinionInterval().text;
}

void transferModule(Form& f) { f.panelModule().text = f.module().text; }

void transferAll(Form& f)
{
    f.machineName().text = f.machineTitle().text;
    transferSecondary(f);
    transferSpur(f);
    transferPinion(f);
    transferModule(f);
}

} // namespace MachinePanel
