#include "machineregistry.h"

#include "common/messages.h"
#include "common/textfile.h"

#include <QCoreApplication>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(MachineRegistry)
};
} // namespace

namespace MachineRegistry {

namespace {

// Whether the panel may be stored, or the first check of "登録" it fails.
Result<> validate(const Form& f)
{
    if (f.machineName().text.isEmpty())
        return Failure{Messages::enterMachineName()};
    if (f.machineName().text.contains(u'"'))
        return Failure{Messages::quoteInMachineName()};
    // The panel's own "0" means no ratio was transferred.
    if (f.panelSecondaryRatio().text == u"0")
        return Failure{Messages::notSet(Tr::tr("２次減速比"))};
    for (const Control* c : {&f.panelSpurStart(), &f.panelSpurWidth(), &f.panelSpurInterval()})
        if (isUnset(*c))
            return Failure{Messages::notSet(Tr::tr("スパー範囲"))};
    for (const Control* c :
         {&f.panelPinionStart(), &f.panelPinionWidth(), &f.panelPinionInterval()})
        if (isUnset(*c))
            return Failure{Messages::notSet(Tr::tr("ピニオン範囲"))};
    if (f.panelModule().text.isEmpty())
        return Failure{Messages::notSet(Tr::tr("モジュール"))};
    return {};
}

// Rewrites masin.dat without the records of that name (the added one first)
// and shows the list as it now stands, none selected.
bool rewriteList(Form& f, Host& host, const DataFolder& files, const QString& name,
                 const std::optional<QStringList>& added)
{
    const Result<RecordFile::Snapshot> now =
        RecordFile::replaceByName(files.machines(), files.machinesWork(), name, added,
                                  RecordFile::namesOf(MachineRecord::Fields));
    if (!now) {
        host.message(now.error());
        return false;
    }
    f.machineList().clearList();
    f.machineList().items = ItemList::keysOf(*now);
    return true;
}

} // namespace

const RecordFile::Field<MachineRecord> MachineRecord::Fields[9] = {
    {&MachineRecord::Name, QT_TRANSLATE_NOOP("RecordFile", "マシン名")},
    {&MachineRecord::Module, QT_TRANSLATE_NOOP("RecordFile", "モジュール")},
    {&MachineRecord::SecondaryRatio, QT_TRANSLATE_NOOP("RecordFile", "２次減速比")},
    {&MachineRecord::SpurStart, QT_TRANSLATE_NOOP("RecordFile", "スパー範囲の開始")},
    {&MachineRecord::SpurSpan, QT_TRANSLATE_NOOP("RecordFile", "スパー範囲の幅")},
    {&MachineRecord::PinionStart, QT_TRANSLATE_NOOP("RecordFile", "ピニオン範囲の開始")},
    {&MachineRecord::PinionSpan, QT_TRANSLATE_NOOP("RecordFile", "ピニオン範囲の幅")},
    {&MachineRecord::SpurInterval, QT_TRANSLATE_NOOP("RecordFile", "スパーの計算間隔")},
    {&MachineRecord::PinionInterval, QT_TRANSLATE_NOOP("RecordFile", "ピニオンの計算間隔")},
};

Result<RecordFile::Snapshot> read(const DataFolder& files)
{
    return RecordFile::read(files.machines());
}

void ensureExists(Host& host, const DataFolder& files)
{
    if (const Result<> made = TextFile::createIfMissing(files.machines(), QByteArray()); !made)
        host.message(made.error());
}

void fillList(Form& form, Host& host, const DataFolder& files)
{
    const auto registry = read(files);
    if (!registry && !registry.missing()) // a missing one is made at start-up
        host.message(registry.error());
    form.machineList().clearList();
    if (registry)
        form.machineList().items = ItemList::keysOf(*registry);
}

void registerMachine(Form& f, Host& host, const DataFolder& files)
{
    if (const Result<> valid = validate(f); !valid) {
        host.message(valid.error());
        return;
    }
    const MachineRecord added{
        f.machineName().text,      f.panelModule().text,       f.panelSecondaryRatio().text,
        f.panelSpurStart().text,   f.panelSpurWidth().text,    f.panelPinionStart().text,
        f.panelPinionWidth().text, f.panelSpurInterval().text, f.panelPinionInterval().text};
    if (!rewriteList(f, host, files, added.Name,
                     RecordFile::valuesOf(added, MachineRecord::Fields)))
        return;
    f.machineName().text.clear();
    f.panelSecondaryRatio().text = QStringLiteral("0");
    for (Control* c :
         {&f.panelSpurStart(), &f.panelSpurWidth(), &f.panelPinionStart(), &f.panelPinionWidth(),
          &f.panelSpurInterval(), &f.panelPinionInterval(), &f.panelModule()})
        c->text.clear();
}

void deleteSelected(Form& f, Host& host, const DataFolder& files)
{
    const QString name = f.machineList().listText();
    if (name.isEmpty()) {
        host.message(Messages::pickMachine());
        return;
    }
    if (!rewriteList(f, host, files, name, std::nullopt))
        return;
    f.machineName().text.clear();
    f.panelSecondaryRatio().text = QStringLiteral("0");
    for (Control* c :
         {&f.panelSpurStart(), &f.panelSpurWidth(), &f.panelPinionStart(), &f.panelPinionWidth()})
        c->text.clear();
}

QList<MachineRecord> recordsNamed(const QString& name, Host& host, const DataFolder& files)
{
    const auto registry = read(files);
    QList<MachineRecord> matches;
    if (!registry) {
        host.message(registry.error());
        return matches;
    }
    for (const qsizetype i : registry->indexesOf(name))
        matches.append(registry->record<MachineRecord>(i));
    return matches;
}

void transferAll(Form& f)
{
    f.machineName().text = f.machineTitle().text;
    f.panelSecondaryRatio().text = f.secondaryRatio().text;
    f.panelSpurStart().text = f.spurRangeStart().text;
    f.panelSpurWidth().text = f.spurRangeWidth().text;
    f.panelPinionStart().text = f.pinionRangeStart().text;
    f.panelPinionWidth().text = f.pinionRangeWidth().text;
    f.panelSpurInterval().text = f.spurInterval().text;
    f.panelPinionInterval().text = f.pinionInterval().text;
    f.panelModule().text = f.module().text;
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

} // namespace MachineRegistry
