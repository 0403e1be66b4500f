#include "moduletable.h"

#include "common/messages.h"
#include "common/numbertext.h"
#include "common/recordsyntax.h"

#include <QCoreApplication>
#include <cmath>
#include <optional>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(ModuleTable)
};
} // namespace

namespace ModuleTable {

QString missingModule() { return Tr::tr("システム中に設定されたモジュールが存在しません"); }

namespace {

// A hostile file must not make a selector list of tens of thousands of items.
constexpr int MaxListItems = 1000;

Selector countList(const QString& fromText, const QString& toText, const QString& start)
{
    Selector list{{}, start};
    const auto from = NumberText::toCount(fromText);
    if (!from)
        return list;
    const int to = NumberText::toCount(toText).value_or(*from);
    int v = *from;
    do {
        list.items.append(NumberText::count(v));
        ++v;
    } while (v <= to && list.items.size() < MaxListItems);
    return list;
}

Selector widths()
{
    Selector list{{}, QStringLiteral("15")};
    for (int i = 1; i <= 30; ++i)
        list.items.append(NumberText::count(i));
    return list;
}

// A range start stored in a new module: a whole number that stays in 16 bits
// once the 30 further counts of its list are added.
Result<int> listStart(const QString& text, const QString& field)
{
    const auto value = NumberText::toDouble(text);
    if (!value || *value != std::floor(*value))
        return Failure{Messages::notWhole(field, text)};
    if (*value < -32768 || *value + 30 > 32767)
        return Failure{Messages::listStartTooLarge(field, text)};
    // A tab passed as a blank above; it is refused here, where the message
    // names the selector typed in (the record's own check would name the
    // list's first count, which the start fills too).
    if (RecordSyntax::firstControl(text) >= 0)
        return Failure{RecordSyntax::controlMessage(field)};
    return int(*value);
}

} // namespace

const RecordFile::Field<ModuleRecord> ModuleRecord::Fields[9] = {
    {&ModuleRecord::Name, QT_TRANSLATE_NOOP("RecordFile", "モジュール名")},
    {&ModuleRecord::SpurListFrom, QT_TRANSLATE_NOOP("RecordFile", "スパー一覧の始め")},
    {&ModuleRecord::SpurListTo, QT_TRANSLATE_NOOP("RecordFile", "スパー一覧の終わり")},
    {&ModuleRecord::SpurInterval, QT_TRANSLATE_NOOP("RecordFile", "スパーの計算間隔")},
    {&ModuleRecord::SpurStart, QT_TRANSLATE_NOOP("RecordFile", "スパー範囲の開始")},
    {&ModuleRecord::PinionListFrom, QT_TRANSLATE_NOOP("RecordFile", "ピニオン一覧の始め")},
    {&ModuleRecord::PinionListTo, QT_TRANSLATE_NOOP("RecordFile", "ピニオン一覧の終わり")},
    {&ModuleRecord::PinionInterval, QT_TRANSLATE_NOOP("RecordFile", "ピニオンの計算間隔")},
    {&ModuleRecord::PinionStart, QT_TRANSLATE_NOOP("RecordFile", "ピニオン範囲の開始")},
};

Result<RecordFile::Snapshot> read(const DataFolder& files)
{
    return RecordFile::read(files.modules());
}

Result<Offer> offered(const DataFolder& files)
{
    const auto table = read(files);
    if (!table)
        return table.failure();
    return Offer{ItemList::keysOf(*table, MaxListedModules), table->size() > MaxListedModules};
}

Result<Ranges> rangesOf(const DataFolder& files, const QString& name)
{
    const auto table = read(files);
    if (!table)
        return table.failure();
    const QList<qsizetype> matches = table->indexesOf(name);
    if (matches.isEmpty())
        return Failure{missingModule()};
    const ModuleRecord found = table->record<ModuleRecord>(matches.first());
    return Ranges{countList(found.SpurListFrom, found.SpurListTo, found.SpurStart),
                  widths(),
                  countList(found.PinionListFrom, found.PinionListTo, found.PinionStart),
                  widths(),
                  found.SpurInterval,
                  found.PinionInterval};
}

Result<Storing> planStore(const DataFolder& files, const NewModule& m)
{
    if (m.name.contains(u'"'))
        return Failure{Messages::quoteInModuleName()};
    const auto spurFrom = listStart(m.spurStart, Tr::tr("スパー範囲の開始"));
    if (!spurFrom)
        return spurFrom.failure();
    const auto pinionFrom = listStart(m.pinionStart, Tr::tr("ピニオン範囲の開始"));
    if (!pinionFrom)
        return pinionFrom.failure();
    // The starts go into fields 5 and 9 too, which is what loading the module
    // puts back into the start selectors.
    const ModuleRecord added{
        m.name,       m.spurStart,   NumberText::count(*spurFrom + 30),   m.spurInterval,
        m.spurStart,  m.pinionStart, NumberText::count(*pinionFrom + 30), m.pinionInterval,
        m.pinionStart};

    const auto table = read(files);
    if (!table && !table.missing())
        return table.failure();
    return Storing{added, table && !table->indexesOf(m.name).isEmpty()};
}

Result<ItemList> store(const DataFolder& files, const Storing& planned, Store how)
{
    const Result<RecordFile::Snapshot> now = RecordFile::replaceByName(
        files.modules(), files.modulesWork(), planned.record.Name,
        how == Store::Write
            ? std::optional<QStringList>(RecordFile::valuesOf(planned.record, ModuleRecord::Fields))
            : std::nullopt,
        RecordFile::namesOf(ModuleRecord::Fields));
    if (!now)
        return now.failure();
    return ItemList::keysOf(*now);
}

} // namespace ModuleTable
