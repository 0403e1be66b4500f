#include "machineregistry.h"

#include "common/textfile.h"

namespace MachineRegistry {

namespace {

bool isEmptyOrZero(const Control& c) { return c.text.isEmpty() || c.text == u"0"; }

// The first failed check of "登録", or "" when the panel may be stored.
QString validate(const Form& f)
{
    if (f.Text1.text.isEmpty())
        return QStringLiteral("マシン名を入力して下さい");
    if (f.Text1.text.contains(u'"'))
        return QStringLiteral("マシン名に「\"」は使えません");
    if (f.Label20.text == u"0")
        return QStringLiteral("２次減速比が設定されていません");
    for (const Control* c : {&f.Label23, &f.Label24, &f.Label31})
        if (isEmptyOrZero(*c))
            return QStringLiteral("スパー範囲が設定されていません");
    for (const Control* c : {&f.Label26, &f.Label27, &f.Label32})
        if (isEmptyOrZero(*c))
            return QStringLiteral("ピニオン範囲が設定されていません");
    if (f.Label34.text.isEmpty())
        return QStringLiteral("モジュールが設定されていません");
    return QString();
}

// Rewrites masin.dat without the records of that name (the added one first)
// and shows the list as it now stands, none selected.
bool rewriteList(Form& f, Host& host, const DataFolder& files, const QString& name,
                 const std::optional<QStringList>& added)
{
    const RecordFile::Rewritten result = RecordFile::replaceByName(
        files.machines(), files.machinesWork(), name, added, MachineRecord::fieldNames());
    if (!result.error.isEmpty()) {
        host.message(result.error);
        return false;
    }
    f.List1.clearList();
    f.List1.items = result.names;
    return true;
}

} // namespace

MachineRecord MachineRecord::fromFields(const QStringList& f)
{
    return {f.value(0), f.value(1), f.value(2), f.value(3), f.value(4),
            f.value(5), f.value(6), f.value(7), f.value(8)};
}

QStringList MachineRecord::fields() const
{
    return {Name,        Module,     SecondaryRatio, SpurStart,     SpurSpan,
            PinionStart, PinionSpan, SpurInterval,   PinionInterval};
}

const QStringList& MachineRecord::fieldNames()
{
    static const QStringList names = {
        QStringLiteral("マシン名"),          QStringLiteral("モジュール"),
        QStringLiteral("２次減速比"),        QStringLiteral("スパー範囲の開始"),
        QStringLiteral("スパー範囲の幅"),    QStringLiteral("ピニオン範囲の開始"),
        QStringLiteral("ピニオン範囲の幅"),  QStringLiteral("スパーの計算間隔"),
        QStringLiteral("ピニオンの計算間隔")};
    return names;
}

std::shared_ptr<const RecordFile::Snapshot> read(const DataFolder& files)
{
    return RecordFile::read(files.machines());
}

void ensureExists(Host& host, const DataFolder& files)
{
    if (const auto error = TextFile::createIfMissing(files.machines(), QByteArray()))
        host.message(*error);
}

void fillList(Form& form, Host& host, const DataFolder& files)
{
    const auto registry = read(files);
    if (!registry->missing && !registry->error.isEmpty()) // a missing one is made at start-up
        host.message(registry->error);
    form.List1.clearList();
    form.List1.items = registry->keys();
}

void registerMachine(Form& f, Host& host, const DataFolder& files)
{
    const QString problem = validate(f);
    if (!problem.isEmpty()) {
        host.message(problem);
        return;
    }
    const MachineRecord added{f.Text1.text,   f.Label34.text, f.Label20.text,
                              f.Label23.text, f.Label24.text, f.Label26.text,
                              f.Label27.text, f.Label31.text, f.Label32.text};
    if (!rewriteList(f, host, files, added.Name, added.fields()))
        return;
    f.Text1.text.clear();
    f.Label20.text = QStringLiteral("0");
    for (Control* c :
         {&f.Label23, &f.Label24, &f.Label26, &f.Label27, &f.Label31, &f.Label32, &f.Label34})
        c->text.clear();
}

void deleteSelected(Form& f, Host& host, const DataFolder& files)
{
    const QString name = f.List1.listText();
    if (name.isEmpty()) {
        host.message(QStringLiteral("マシン名を選択して下さい"));
        return;
    }
    if (!rewriteList(f, host, files, name, std::nullopt))
        return;
    f.Text1.text.clear();
    f.Label20.text = QStringLiteral("0");
    for (Control* c : {&f.Label23, &f.Label24, &f.Label26, &f.Label27})
        c->text.clear();
}

QList<MachineRecord> recordsNamed(const QString& name, Host& host, const DataFolder& files)
{
    const auto registry = read(files);
    if (!registry->error.isEmpty())
        host.message(registry->error);
    QList<MachineRecord> matches;
    for (const qsizetype i : registry->indexesOf(name))
        matches.append(MachineRecord::fromFields(registry->fields(i, MachineRecord::FieldCount)));
    return matches;
}

void transferAll(Form& f)
{
    f.Text1.text = f.Label13.text;
    f.Label20.text = f.Label6.text;
    f.Label23.text = f.Combo1.text;
    f.Label24.text = f.Combo2.text;
    f.Label26.text = f.Combo3.text;
    f.Label27.text = f.Combo4.text;
    f.Label31.text = f.Combo5.text;
    f.Label32.text = f.Combo6.text;
    f.Label34.text = f.Combo7.text;
}

void transferSecondary(Form& f) { f.Label20.text = f.Label6.text; }

void transferSpur(Form& f)
{
    f.Label23.text = f.Combo1.text;
    f.Label24.text = f.Combo2.text;
    f.Label31.text = f.Combo5.text;
}

void transferPinion(Form& f)
{
    f.Label26.text = f.Combo3.text;
    f.Label27.text = f.Combo4.text;
    f.Label32.text = f.Combo6.text;
}

void transferModule(Form& f) { f.Label34.text = f.Combo7.text; }

} // namespace MachineRegistry
