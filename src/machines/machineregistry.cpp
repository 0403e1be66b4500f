#include "machineregistry.h"

#include "common/messages.h"
#include "common/textfile.h"

#include <QCoreApplication>

#include <optional>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(MachineRegistry)
};
} // namespace

namespace MachineRegistry {

namespace {

// The panel's own "0" (or nothing) means no value was transferred.
bool isUnset(const QString& text) { return text.isEmpty() || text == u"0"; }

// Whether the car may be stored, or the first check of "登録" it fails.
Result<> validate(const MachineRecord& car)
{
    if (car.Name.isEmpty())
        return Failure{Messages::enterMachineName()};
    if (car.Name.contains(u'"'))
        return Failure{Messages::quoteInMachineName()};
    if (car.SecondaryRatio == u"0")
        return Failure{Messages::notSet(Tr::tr("２次減速比"))};
    for (const QString* v : {&car.SpurStart, &car.SpurSpan, &car.SpurInterval})
        if (isUnset(*v))
            return Failure{Messages::notSet(Tr::tr("スパー範囲"))};
    for (const QString* v : {&car.PinionStart, &car.PinionSpan, &car.PinionInterval})
        if (isUnset(*v))
            return Failure{Messages::notSet(Tr::tr("ピニオン範囲"))};
    if (car.Module.isEmpty())
        return Failure{Messages::notSet(Tr::tr("モジュール"))};
    return {};
}

// Rewrites masin.dat without the records of that name (the added one first).
Result<ItemList> rewrite(const DataFolder& files, const QString& name,
                         const std::optional<QStringList>& added)
{
    const Result<RecordFile::Snapshot> now =
        RecordFile::replaceByName(files.machines(), files.machinesWork(), name, added,
                                  RecordFile::namesOf(MachineRecord::Fields));
    if (!now)
        return now.failure();
    return ItemList::keysOf(*now);
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

Result<> ensureExists(const DataFolder& files)
{
    return TextFile::createIfMissing(files.machines(), QByteArray());
}

Result<ItemList> names(const DataFolder& files)
{
    const auto registry = read(files);
    if (registry)
        return ItemList::keysOf(*registry);
    if (registry.missing())
        return ItemList();
    return registry.failure();
}

Result<ItemList> add(const DataFolder& files, const MachineRecord& car)
{
    if (const Result<> valid = validate(car); !valid)
        return valid.failure();
    return rewrite(files, car.Name, RecordFile::valuesOf(car, MachineRecord::Fields));
}

Result<ItemList> remove(const DataFolder& files, const QString& name)
{
    if (name.isEmpty())
        return Failure{Messages::pickMachine()};
    return rewrite(files, name, std::nullopt);
}

Result<QList<MachineRecord>> recordsNamed(const DataFolder& files, const QString& name)
{
    const auto registry = read(files);
    if (!registry)
        return registry.failure();
    QList<MachineRecord> matches;
    for (const qsizetype i : registry->indexesOf(name))
        matches.append(registry->record<MachineRecord>(i));
    return matches;
}

} // namespace MachineRegistry
