#pragma once

#include "common/recordfile.h"
#include "form/form.h"
#include "platform/datafolder.h"
#include "platform/host.h"

#include "common/usertext.h"
#include <QList>
#include <QString>

#include <QStringList>
#include <optional>

// module.dat: the gear modules, each with the spur and pinion tooth counts its
// range selectors offer, default intervals and the range starts.
namespace ModuleTable {

inline const QString Template = QStringLiteral(ZELTAN_KEY("XXモジュール"));
// What the new module's name field holds until a name is typed: its design text.
QString newNamePlaceholder();
QString missingModule();

struct ModuleRecord
{
    QString Name, SpurListFrom, SpurListTo, SpurInterval, SpurStart;
    QString PinionListFrom, PinionListTo, PinionInterval, PinionStart;

    static const RecordFile::Field<ModuleRecord> Fields[9];
};

// module.dat as it stands (read again only when it changed).
Result<RecordFile::Snapshot> read(const DataFolder& files);

// Refills the module selector's list from module.dat (its text stays).
void fillSelector(Form& form, Host& host, const DataFolder& files);

// Loads the module named in Combo7 into the range selectors Combo1…Combo6.
void LoadSelectedModule(Form& form, Host& host, const DataFolder& files);

// Entering or leaving creation mode when a module is picked.
void showCreationMode(Form& form);

// The store, overwrite or delete of "表再作成" after the grid was rebuilt.
// rememberedModule is the window's remembered module (emptied first).
void storeTypedModule(Form& form, Host& host, const DataFolder& files, QString& rememberedModule);

} // namespace ModuleTable
