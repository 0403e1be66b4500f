#pragma once

#include "common/itemlist.h"
#include "common/recordfile.h"
#include "common/result.h"
#include "common/usertext.h"
#include "platform/datafolder.h"

#include <QString>
#include <QStringList>

// module.dat: the gear modules, each with the spur and pinion tooth counts its
// range selectors offer, default intervals and the range starts.
namespace ModuleTable {

inline const QString Template = QStringLiteral(ZELTAN_KEY("XXモジュール"));
QString missingModule();

// A selector of a million modules helps nobody and costs the window hundreds
// of megabytes; the rest can still be typed in and loaded.
constexpr int MaxListedModules = 10000;

struct ModuleRecord
{
    QString Name, SpurListFrom, SpurListTo, SpurInterval, SpurStart;
    QString PinionListFrom, PinionListTo, PinionInterval, PinionStart;

    static const RecordFile::Field<ModuleRecord> Fields[9];
};

// module.dat as it stands (read again only when it changed).
Result<RecordFile::Snapshot> read(const DataFolder& files);

// The names the module selector offers, in file order; cut says the list
// stopped at MaxListedModules.
struct Offer
{
    ItemList names;
    bool cut = false;
};
Result<Offer> offered(const DataFolder& files);

// A range selector as a module sets it: its items and its text.
struct Selector
{
    QStringList items;
    QString text;
};

// What a module puts into the range selectors (spur and pinion start and
// width) and the two interval selectors.
struct Ranges
{
    Selector spurStart, spurWidth, pinionStart, pinionWidth;
    QString spurInterval, pinionInterval;
};
// The first module of that name, or why there is none.
Result<Ranges> rangesOf(const DataFolder& files, const QString& name);

// The selectors' texts a new module is made of.
struct NewModule
{
    QString name, spurStart, spurInterval, pinionStart, pinionInterval;
};

// What storing a new module would do: the record to write, and whether a
// module of that name exists (then the user decides between overwriting it,
// deleting it, or neither).
struct Storing
{
    ModuleRecord record;
    bool exists = false;
};
// Checks the name and the starts and reads module.dat; the first problem
// refuses the store.
Result<Storing> planStore(const DataFolder& files, const NewModule& module);

enum class Store { Write, Delete };
// Writes the planned module first (Write) or only removes every record of its
// name (Delete); the names module.dat then holds, all of them.
Result<ItemList> store(const DataFolder& files, const Storing& planned, Store how);

} // namespace ModuleTable
