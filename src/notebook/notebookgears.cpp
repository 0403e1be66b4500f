// NotebookStore's gears owned and cars' mounts, beside the runs in the same file.

#include "notebookstore.h"

#include "notebook/notebookmessages.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {
Failure sqlFailure(const QSqlError& error) { return {NotebookMessages::writeFailed(error.text())}; }
// Qt binds a null text as NULL, which the NOT NULL columns refuse.
QString nonNull(const QString& s) { return s.isNull() ? QStringLiteral("") : s; }
} // namespace

Result<> NotebookStore::addGearTables()
{
    static const QStringList tables = {
        "CREATE TABLE IF NOT EXISTS owned_gears (module TEXT NOT NULL,"
        " kind TEXT NOT NULL CHECK (kind IN ('spur', 'pinion')), teeth INTEGER NOT NULL,"
        " PRIMARY KEY (module, kind, teeth))",
        "CREATE TABLE IF NOT EXISTS mounts (car TEXT NOT NULL, module TEXT NOT NULL,"
        " least INTEGER NOT NULL, most INTEGER NOT NULL, PRIMARY KEY (car, module))",
    };
    {
        // A file that has them is not written to: it may be read-only.
        QSqlQuery q(database());
        if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'"
                                   " AND name IN ('owned_gears', 'mounts')")) ||
            !q.next())
            return Failure{NotebookMessages::cannotOpen(m_path, q.lastError().text())};
        if (q.value(0).toInt() == int(tables.size()))
            return {};
    }
    return change([&](QSqlDatabase& db) -> Result<> {
        QSqlQuery q(db);
        for (const QString& sql : tables)
            if (!q.exec(sql))
                return sqlFailure(q.lastError());
        return {};
    });
}

namespace {
Result<> writeGears(QSqlDatabase& db, const OwnedGearList& gears, bool replace)
{
    QSqlQuery q(db);
    if (replace) {
        q.prepare(QStringLiteral("DELETE FROM owned_gears WHERE module = ?"));
        q.addBindValue(nonNull(gears.module));
        if (!q.exec())
            return sqlFailure(q.lastError());
    }
    q.prepare(
        QStringLiteral("INSERT OR IGNORE INTO owned_gears (module, kind, teeth) VALUES (?, ?, ?)"));
    for (const auto& [kind, teeth] :
         {std::pair{"spur", &gears.spurs}, std::pair{"pinion", &gears.pinions}}) {
        for (int t : *teeth) {
            q.addBindValue(nonNull(gears.module));
            q.addBindValue(QString::fromLatin1(kind));
            q.addBindValue(t);
            if (!q.exec())
                return sqlFailure(q.lastError());
        }
    }
    return {};
}

Result<> writeMount(QSqlDatabase& db, const CarMount& m)
{
    QSqlQuery q(db);
    if (m.most <= 0) {
        q.prepare(QStringLiteral("DELETE FROM mounts WHERE car = ? AND module = ?"));
        q.addBindValue(nonNull(m.car));
        q.addBindValue(nonNull(m.module));
    } else {
        q.prepare(QStringLiteral(
            "INSERT OR REPLACE INTO mounts (car, module, least, most) VALUES (?, ?, ?, ?)"));
        q.addBindValue(nonNull(m.car));
        q.addBindValue(nonNull(m.module));
        q.addBindValue(m.least);
        q.addBindValue(m.most);
    }
    return q.exec() ? Result<>() : Result<>(sqlFailure(q.lastError()));
}
} // namespace

Result<GearInventory> NotebookStore::inventory() const
{
    if (!isOpen())
        return Failure{NotebookMessages::NotOpen()};
    GearInventory inv;
    QSqlQuery q(database());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT module, kind, teeth FROM owned_gears"
                               " ORDER BY module, kind, teeth")))
        return Failure{NotebookMessages::readFailed(q.lastError().text())};
    while (q.next()) {
        const QString module = q.value(0).toString();
        if (inv.gears.isEmpty() || inv.gears.last().module != module)
            inv.gears.append({module, {}, {}});
        (q.value(1).toString() == QLatin1String("spur") ? inv.gears.last().spurs
                                                        : inv.gears.last().pinions)
            << q.value(2).toInt();
    }
    if (!q.exec(QStringLiteral("SELECT car, module, least, most FROM mounts ORDER BY car, module")))
        return Failure{NotebookMessages::readFailed(q.lastError().text())};
    while (q.next())
        inv.mounts.append(
            {q.value(0).toString(), q.value(1).toString(), q.value(2).toInt(), q.value(3).toInt()});
    return inv;
}

Result<> NotebookStore::setGears(const OwnedGearList& gears)
{
    return change([&](QSqlDatabase& db) { return writeGears(db, gears, true); });
}

Result<> NotebookStore::setMount(const CarMount& mount)
{
    return change([&](QSqlDatabase& db) { return writeMount(db, mount); });
}

Result<> NotebookStore::mergeGears(QSqlDatabase& db, const GearInventory& incoming)
{
    for (const OwnedGearList& g : incoming.gears)
        if (auto done = writeGears(db, g, false); !done)
            return done;
    for (const CarMount& m : incoming.mounts)
        if (auto done = writeMount(db, m); !done)
            return done;
    return {};
}

Result<> NotebookStore::merge(const GearInventory& incoming)
{
    return change([&](QSqlDatabase& db) { return mergeGears(db, incoming); });
}
