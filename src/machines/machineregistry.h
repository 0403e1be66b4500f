#pragma once

#include "common/recordfile.h"
#include "form/form.h"
#include "platform/datafolder.h"
#include "platform/host.h"

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

// Creates masin.dat empty when it is missing; a message when that fails.
void ensureExists(Host& host, const DataFolder& files);

// Refills List1 with the names of masin.dat in file order, none selected.
void fillList(Form& form, Host& host, const DataFolder& files);

// "登録": validates the panel, then stores it as the first record, replacing
// every record of that name.
void registerMachine(Form& form, Host& host, const DataFolder& files);

// "削除": removes every record of the name selected in List1.
void deleteSelected(Form& form, Host& host, const DataFolder& files);

// The records of the selected name, in file order (a name stored twice gives
// both, and the last one stands when they are applied in turn).
QList<MachineRecord> recordsNamed(const QString& name, Host& host, const DataFolder& files);

// The transfer buttons: copies from the inputs into the panel.
void transferAll(Form& form);
void transferSecondary(Form& form);
void transferSpur(Form& form);
void transferPinion(Form& form);
void transferModule(Form& form);

} // namespace MachineRegistry
