#include "moduletable.h"

#include "common/messages.h"
#include "common/numbertext.h"
#include "common/recordsyntax.h"
#include "form/controltable.h"

#include <QCoreApplication>
#include <cmath>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(ModuleTable)
};
} // namespace

namespace ModuleTable {

QString newNamePlaceholder() { return ControlTable::find(QStringLiteral("Text2"))->caption; }

QString missingModule() { return Tr::tr("システム中に設定されたモジュールが存在しません"); }

namespace {

// A hostile file must not make a selector list of tens of thousands of items.
constexpr int MaxListItems = 1000;
constexpr int MaxListedModules = 10000;

void fillCountList(Control& combo, const QString& fromText, const QString& toText)
{
    const auto from = NumberText::toCount(fromText);
    if (!from)
        return;
    const int to = NumberText::toCount(toText).value_or(*from);
    int v = *from;
    do {
        combo.items.append(NumberText::count(v));
        ++v;
    } while (v <= to && combo.items.size() < MaxListItems);
}

void fillWidths(Control& combo)
{
    for (int i = 1; i <= 30; ++i)
        combo.items.append(NumberText::count(i));
    combo.text = QStringLiteral("15");
}

// A range start stored in a new module: a whole number that stays in 16 bits
// once the 30 further counts of its list are added.
std::optional<int> listStart(const Control& combo, const QString& field, Host& host)
{
    const auto value = NumberText::toDouble(combo.text);
    if (!value || *value != std::floor(*value)) {
        host.message(Messages::notWhole(field, combo.text));
        return std::nullopt;
    }
    if (*value < -32768 || *value + 30 > 32767) {
        host.message(Messages::listStartTooLarge(field, combo.text));
        return std::nullopt;
    }
    // A tab passed as a blank above; it is refused here, where the message
    // names the selector typed in (the record's own check would name the
    // list's first count, which the start fills too).
    if (RecordSyntax::firstControl(combo.text) >= 0) {
        host.message(RecordSyntax::controlMessage(field));
        return std::nullopt;
    }
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

void fillSelector(Form& form, Host& host, const DataFolder& files)
{
    const auto table = read(files);
    form.module().clearList();
    if (!table) {
        host.message(table.error());
        return;
    }
    // A selector of a million modules helps nobody and costs the window
    // hundreds of megabytes; the rest can still be typed in and loaded.
    form.module().items = ItemList::keysOf(*table, MaxListedModules);
    if (table->size() > MaxListedModules)
        host.message(Messages::tooManyModules(MaxListedModules));
}

void LoadSelectedModule(Form& form, Host& host, const DataFolder& files)
{
    for (Control* c : {&form.spurRangeStart(), &form.spurRangeWidth(), &form.pinionRangeStart(),
                       &form.pinionRangeWidth()}) {
        c->clearList();
        c->text.clear();
    }
    const auto table = read(files);
    const QList<qsizetype> matches =
        table ? table->indexesOf(form.module().text) : QList<qsizetype>();
    if (matches.isEmpty()) {
        host.message(table ? missingModule() : table.error());
        return;
    }
    const ModuleRecord found = table->record<ModuleRecord>(matches.first());
    form.spurInterval().text = found.SpurInterval;
    form.pinionInterval().text = found.PinionInterval;
    fillCountList(form.spurRangeStart(), found.SpurListFrom, found.SpurListTo);
    form.spurRangeStart().text = found.SpurStart;
    fillWidths(form.spurRangeWidth());
    fillCountList(form.pinionRangeStart(), found.PinionListFrom, found.PinionListTo);
    form.pinionRangeStart().text = found.PinionStart;
    fillWidths(form.pinionRangeWidth());
}

void showCreationMode(Form& form)
{
    const bool creating = form.module().text == Template;
    if (creating)
        form.newModuleName().text = newNamePlaceholder();
    form.newModuleHint().visible = creating;
    form.newModuleName().visible = creating;
}

void storeTypedModule(Form& form, Host& host, const DataFolder& files, QString& remembered)
{
    remembered.clear();
    const QString name = form.newModuleName().text;
    if (name == Template || name == newNamePlaceholder() || name.isEmpty())
        return;
    if (name.contains(u'"')) {
        host.message(Messages::quoteInModuleName());
        return;
    }
    const auto spurFrom = listStart(form.spurRangeStart(), Tr::tr("スパー範囲の開始"), host);
    if (!spurFrom)
        return;
    const auto pinionFrom = listStart(form.pinionRangeStart(), Tr::tr("ピニオン範囲の開始"), host);
    if (!pinionFrom)
        return;
    // The starts go into fields 5 and 9 too, which is what loading the module
    // puts back into the start selectors.
    const ModuleRecord added{name,
                             form.spurRangeStart().text,
                             NumberText::count(*spurFrom + 30),
                             form.spurInterval().text,
                             form.spurRangeStart().text,
                             form.pinionRangeStart().text,
                             NumberText::count(*pinionFrom + 30),
                             form.pinionInterval().text,
                             form.pinionRangeStart().text};

    const auto table = read(files);
    if (!table && !table.missing()) {
        host.message(table.error());
        return;
    }
    const bool exists = table && !table->indexesOf(name).isEmpty();

    bool writeNew = true;
    if (exists && !host.askYesNo(Messages::askOverwriteModule())) {
        if (!host.askYesNo(Messages::askDeleteModule())) {
            form.newModuleHint().visible = false;
            form.newModuleName().visible = false;
            return;
        }
        remembered = form.module().text;
        writeNew = false;
    }

    const Result<RecordFile::Snapshot> now = RecordFile::replaceByName(
        files.modules(), files.modulesWork(), name,
        writeNew ? std::optional<QStringList>(RecordFile::valuesOf(added, ModuleRecord::Fields))
                 : std::nullopt,
        RecordFile::namesOf(ModuleRecord::Fields));
    if (!now) {
        host.message(now.error());
        return;
    }
    form.module().clearList();
    form.module().items = ItemList::keysOf(*now);
    form.module().text = remembered.isEmpty() ? form.newModuleName().text : remembered;
    form.newModuleName().text.clear();
    form.newModuleHint().visible = false;
    form.newModuleName().visible = false;
}

} // namespace ModuleTable
