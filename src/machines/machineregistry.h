#pragma once

#include "common/itemlist.h"
#include "common/recordfile.h"
#include "common/result.h"
#include "platform/datafolder.h"

#include <QList>
#include <QString>
#include <QStringList>

// masin.dat: the registered cars with their gear settings.
namespace MachineRegistry {

struct MachineRecord
{
    QString Name, Module, SecondaryRatio, SpurStart, SpurSpan, PinionStart, PinionSpan,
        SpurInterval, PinionInterval;

    static const RecordFile::Field<MachineRecord> Fields[9];
};

// masin.dat as it stands (read again only when it changed).
Result<RecordFile::Snapshot> read(const DataFolder& files);

// Creates masin.dat empty when it is missing.
Result<> ensureExists(const DataFolder& files);

// The names of masin.dat in file order; none while it is missing (it is made
// at start-up).
Result<ItemList> names(const DataFolder& files);

// "登録": checks the car (a name, a secondary ratio, both ranges with their
// intervals, a module, in that order), then stores it as the first record,
// replacing every record of that name. The names masin.dat then holds.
Result<ItemList> add(const DataFolder& files, const MachineRecord& car);

// "削除": removes every record of that name (none given: the user is asked to
// pick one). The names masin.dat then holds.
Result<ItemList> remove(const DataFolder& files, const QString& name);

// The records of that name, in file order (a name stored twice gives both,
// and the last one stands when they are applied in turn).
Result<QList<MachineRecord>> recordsNamed(const DataFolder& files, const QString& name);

} // namespace MachineRegistry
