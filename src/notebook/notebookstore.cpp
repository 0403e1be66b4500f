#include "notebookstore.h"

#include "common/numbertext.h"
#include "notebook/notebookmessages.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <optional>
#include <sqlite3.h>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(NotebookStore)
};
} // namespace

namespace {

NotebookStore::FaultHook& faultHook()
{
    static NotebookStore::FaultHook hook;
    return hook;
}

bool reach(const char* step) { return !faultHook() || faultHook()(step); }

// A step the test hook failed, as a disk would.
Failure hookFailure() { return {NotebookMessages::writeFailed(QStringLiteral("I/O error"))}; }

// Each step brings the file from the version of its place to the next; the
// first builds the schema of the first release on an empty file.
const QList<QStringList>& migrations()
{
    static const QList<QStringList> steps = {
        {
            "CREATE TABLE cars (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE)",
            "CREATE TABLE tracks (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE)",
            "CREATE TABLE entries ("
            " id INTEGER PRIMARY KEY,"
            " taken INTEGER NOT NULL,"
            " car_id INTEGER NOT NULL REFERENCES cars(id),"
            " track_id INTEGER NOT NULL REFERENCES tracks(id),"
            " conditions TEXT NOT NULL DEFAULT '', secondary TEXT NOT NULL DEFAULT '',"
            " spur TEXT NOT NULL DEFAULT '', pinion TEXT NOT NULL DEFAULT '',"
            " total TEXT NOT NULL DEFAULT '', module TEXT NOT NULL DEFAULT '',"
            " tyre TEXT NOT NULL DEFAULT '', rollout TEXT NOT NULL DEFAULT '',"
            " kv TEXT NOT NULL DEFAULT '', motor_rpm TEXT NOT NULL DEFAULT '',"
            " voltage TEXT NOT NULL DEFAULT '', motor_temp TEXT NOT NULL DEFAULT '',"
            " lap TEXT NOT NULL DEFAULT '', note TEXT NOT NULL DEFAULT '')",
        },
    };
    return steps;
}

bool isNameField(const NotebookField& f)
{
    return f.member == &NotebookEntry::car || f.member == &NotebookEntry::track;
}

// The stored columns beside the date and the two names.
QStringList valueColumns()
{
    QStringList columns;
    for (const NotebookField& f : notebookFields())
        if (!isNameField(f))
            columns << QString::fromLatin1(f.column);
    return columns;
}

const QString& selectEntries()
{
    static const QString sql = [] {
        QString s = QStringLiteral("SELECT e.id, e.taken, c.name, t.name");
        for (const QString& c : valueColumns())
            s += QStringLiteral(", e.") + c;
        return s + QStringLiteral(" FROM entries e JOIN cars c ON c.id = e.car_id"
                                  " JOIN tracks t ON t.id = e.track_id");
    }();
    return sql;
}

NotebookEntry entryOf(const QSqlQuery& q)
{
    NotebookEntry e;
    e.id = q.value(0).toLongLong();
    e.taken = QDateTime::fromSecsSinceEpoch(q.value(1).toLongLong());
    e.car = q.value(2).toString();
    e.track = q.value(3).toString();
    int i = 4;
    for (const NotebookField& f : notebookFields())
        if (!isNameField(f))
            e.*f.member = q.value(i++).toString();
    return e;
}

Failure sqlFailure(const QSqlError& error) { return {NotebookMessages::writeFailed(error.text())}; }

// The file's contents are broken, as opposed to a file that cannot be reached.
bool meansDamaged(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == 11 /* SQLITE_CORRUPT */ || code == 26 /* SQLITE_NOTADB */;
}

// Qt binds a null text as NULL, which the NOT NULL columns refuse.
QString nonNull(const QString& s) { return s.isNull() ? QStringLiteral("") : s; }

Result<qint64> nameId(QSqlDatabase& db, const char* table, const QString& name)
{
    QSqlQuery q(db);
    q.prepare(
        QStringLiteral("INSERT OR IGNORE INTO %1 (name) VALUES (?)").arg(QLatin1String(table)));
    q.addBindValue(nonNull(name));
    if (!q.exec())
        return sqlFailure(q.lastError());
    q.prepare(QStringLiteral("SELECT id FROM %1 WHERE name = ?").arg(QLatin1String(table)));
    q.addBindValue(nonNull(name));
    if (!q.exec() || !q.next())
        return sqlFailure(q.lastError());
    return q.value(0).toLongLong();
}

// Writes one entry: a new one when id is 0, else over the stored one.
Result<qint64> writeEntry(QSqlDatabase& db, const NotebookEntry& e)
{
    const auto car = nameId(db, "cars", e.car);
    if (!car)
        return car.failure();
    const auto track = nameId(db, "tracks", e.track);
    if (!track)
        return track.failure();
    const QStringList columns = QStringList{"taken", "car_id", "track_id"} + valueColumns();
    QSqlQuery q(db);
    if (e.id == 0) {
        q.prepare(QStringLiteral("INSERT INTO entries (%1) VALUES (%2)")
                      .arg(columns.join(u','), QStringList(columns.size(), "?").join(u',')));
    } else {
        q.prepare(QStringLiteral("UPDATE entries SET %1 = ? WHERE id = ?")
                      .arg(columns.join(QStringLiteral(" = ?, "))));
    }
    q.addBindValue(e.taken.toSecsSinceEpoch());
    q.addBindValue(*car);
    q.addBindValue(*track);
    for (const NotebookField& f : notebookFields())
        if (!isNameField(f))
            q.addBindValue(nonNull(e.*f.member));
    if (e.id != 0)
        q.addBindValue(e.id);
    if (!q.exec())
        return sqlFailure(q.lastError());
    // An UPDATE of a run another copy deleted changes nothing and says so
    // nowhere: that is no save.
    if (e.id != 0 && q.numRowsAffected() == 0)
        return Failure{NotebookMessages::Vanished()};
    return e.id == 0 ? q.lastInsertId().toLongLong() : e.id;
}

QString dated(const QString& path, const QDateTime& now)
{
    const QString base =
        path + QStringLiteral(".damaged-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = base + QStringLiteral("-%1").arg(n);
    return name;
}

} // namespace

namespace {
// SQLite's own handle under a Qt connection; none for another driver.
sqlite3* sqliteOf(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}
} // namespace

NotebookStore::NotebookStore() = default;
NotebookStore::~NotebookStore() { close(); }

void NotebookStore::setFaultHook(FaultHook hook) { faultHook() = std::move(hook); }

QSqlDatabase NotebookStore::database() const { return QSqlDatabase::database(m_name, false); }

void NotebookStore::close()
{
    if (m_name.isEmpty())
        return;
    {
        QSqlDatabase db = database();
        db.close();
    }
    // No QSqlDatabase of this name may be alive here.
    QSqlDatabase::removeDatabase(m_name);
    m_name.clear();
}

Result<> NotebookStore::connect(const QString& path)
{
    static QAtomicInteger<quint64> counter;
    m_name = QStringLiteral("zeltan-notebook-%1").arg(counter.fetchAndAddRelaxed(1));
    m_path = path;
    std::optional<Failure> failed;
    {
        // Gone before close(): a connection still held when it is removed
        // is warned about.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        if (!db.isValid()) {
            failed = Failure{NotebookMessages::cannotOpen(
                path, Tr::tr("Qt SQL の SQLite ドライバー（libqt6sql6-sqlite）がありません"))};
        } else {
            db.setDatabaseName(path);
            if (!db.open())
                failed = Failure{NotebookMessages::cannotOpen(path, db.lastError().text())};
        }
    }
    if (failed) {
        close();
        return *failed;
    }
    // Another copy of the program writing at the same moment is waited for,
    // a little, without freezing the window.
    if (sqlite3* handle = sqliteOf(database()))
        sqlite3_busy_handler(handle, &NotebookStore::busy, this);
    return {};
}

namespace {
// The user_version a file's SQLite header holds (bytes 60-63, big-endian),
// read without SQLite: a newer program's schema may hold SQL this SQLite
// cannot parse, and every statement would then call the file damaged.
std::optional<quint32> headerVersion(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArrayView("SQLite format 3\0", 16)))
        return std::nullopt;
    const auto* b = reinterpret_cast<const uchar*>(header.constData()) + 60;
    return quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | quint32(b[3]);
}
} // namespace

Result<NotebookStore::Opened> NotebookStore::open(const QString& path, const QDateTime& now)
{
    close();
    // A newer program's file is left exactly as it is, read by nothing else.
    if (const auto found = headerVersion(path); found && *found > quint32(SchemaVersion))
        return Failure{NotebookMessages::newerFile(path, int(qMin<quint32>(*found, INT_MAX)))};
    if (const auto connected = connect(path); !connected)
        return connected.failure();
    const auto damage = quickCheck();
    if (!damage) {
        close();
        return damage.failure();
    }
    Opened opened;
    if (!damage->isEmpty()) {
        const auto moved = setAside(now);
        if (!moved)
            return moved.failure();
        opened.damagedMovedTo = *moved;
    }
    if (const Result<> ready = prepare(); !ready)
        return ready.failure();
    return opened;
}

Result<QString> NotebookStore::quickCheck()
{
    QSqlQuery q(database());
    if (!q.exec(QStringLiteral("PRAGMA quick_check"))) {
        if (!meansDamaged(q.lastError()))
            return Failure{NotebookMessages::cannotOpen(m_path, q.lastError().text())};
        return q.lastError().text();
    }
    if (!q.next() || q.value(0).toString() != QLatin1String("ok"))
        return q.value(0).toString();
    return QString();
}

Result<QString> NotebookStore::setAside(const QDateTime& now)
{
    const QString path = m_path;
    close();
    // The broken file is kept for whoever can rescue it, never overwritten.
    const QString moved = dated(path, now);
    QFile file(path);
    if (!file.rename(moved))
        return Failure{NotebookMessages::damagedNotMoved(path, file.errorString())};
    if (QFileInfo::exists(path + "-wal"))
        QFile::rename(path + "-wal", moved + "-wal");
    QFile::remove(path + "-shm");
    if (const auto connected = connect(path); !connected)
        return connected.failure();
    return moved;
}

Result<> NotebookStore::prepare()
{
    // A newer program's file is left exactly as it is.
    Result<> ready = refuseNewer();
    if (ready)
        ready = configure();
    if (ready)
        ready = migrate();
    // Without them (a read-only file of an older program) the runs still open;
    // reading the gears then tells why they are not there.
    if (ready)
        static_cast<void>(addGearTables());
    if (!ready)
        close();
    return ready;
}

Result<> NotebookStore::attach(const QString& path)
{
    close();
    if (const auto found = headerVersion(path); found && *found > quint32(SchemaVersion))
        return Failure{NotebookMessages::newerFile(path, int(qMin<quint32>(*found, INT_MAX)))};
    if (const auto connected = connect(path); !connected)
        return connected.failure();
    // Whatever is written from here on, by any other connection, shows in
    // data_version: an index read elsewhere after this is followed safely.
    m_indexedVersion = dataVersion();
    return {};
}

void NotebookStore::readAside(const QString& path,
                              const std::function<void(Result<NotebookIndex>)>& listed,
                              const std::function<void(Result<QString>)>& checked)
{
    NotebookStore store;
    if (const auto connected = store.connect(path); !connected) {
        checked(connected.failure());
        return;
    }
    // A file of this program's schema is listed before it is checked; any
    // other is checked, brought up to date, then listed, as open() does.
    const bool current = store.version() == SchemaVersion;
    if (current)
        listed(store.index());
    const auto damage = store.quickCheck();
    if (damage && damage->isEmpty() && !current) {
        if (const Result<> ready = store.prepare(); !ready) {
            checked(ready.failure());
            return;
        }
        listed(store.index());
    }
    checked(damage);
}

Result<> NotebookStore::checked(const QString& damage, const QDateTime& now, QString* movedTo)
{
    if (!damage.isEmpty()) {
        const auto moved = setAside(now);
        if (!moved)
            return moved.failure();
        *movedTo = *moved;
        m_indexedVersion = -1; // the fresh file is read again
    }
    return prepare();
}

Result<> NotebookStore::configure()
{
    QSqlQuery q(database());
    for (const char* pragma :
         {"PRAGMA foreign_keys = ON", "PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL"}) {
        if (!q.exec(QString::fromLatin1(pragma)))
            return Failure{NotebookMessages::cannotOpen(m_path, q.lastError().text())};
    }
    return {};
}

std::optional<int> NotebookStore::version() const
{
    QSqlQuery q(database());
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return std::nullopt;
    return q.value(0).toInt();
}

Result<> NotebookStore::refuseNewer()
{
    const auto found = version();
    if (!found)
        return Failure{NotebookMessages::cannotOpen(m_path, database().lastError().text())};
    if (*found > SchemaVersion)
        return Failure{NotebookMessages::newerFile(m_path, *found)};
    return {};
}

Result<> NotebookStore::migrate()
{
    for (;;) {
        const auto found = version();
        if (!found)
            return Failure{NotebookMessages::cannotOpen(m_path, database().lastError().text())};
        if (*found > SchemaVersion)
            return Failure{NotebookMessages::newerFile(m_path, *found)};
        if (*found == SchemaVersion)
            return {};
        const Result<> stepped = change([&](QSqlDatabase& db) -> Result<> {
            // Another copy may have brought the file up meanwhile.
            if (version() != found)
                return {};
            QSqlQuery q(db);
            for (const QString& sql : migrations().at(*found))
                if (!q.exec(sql))
                    return sqlFailure(q.lastError());
            if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(*found + 1)))
                return sqlFailure(q.lastError());
            return {};
        });
        if (!stepped)
            return stepped;
    }
}

int NotebookStore::busy(void* store, int count)
{
    constexpr int Step = 20; // ms
    if (count * Step >= LockPatienceMs)
        return 0;
    QThread::msleep(Step);
    if (const auto& tick = static_cast<NotebookStore*>(store)->m_waiting)
        tick();
    return 1;
}

Result<> NotebookStore::change(const std::function<Result<>(QSqlDatabase&)>& work)
{
    if (!isOpen())
        return Failure{NotebookMessages::NotOpen()};
    QSqlDatabase db = database();
    QSqlQuery q(db);
    // The write lock from the start: a reader that wants to write later could
    // be refused instead of waited for.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        if (q.lastError().nativeErrorCode() == QLatin1String("5")) // SQLITE_BUSY
            return Failure{NotebookMessages::Locked()};
        return sqlFailure(q.lastError());
    }
    Result<> done = reach("begin") ? work(db) : Result<>(hookFailure());
    if (done && !reach("written"))
        done = hookFailure();
    if (done && !q.exec(QStringLiteral("COMMIT")))
        done = sqlFailure(q.lastError());
    if (!done) {
        q.exec(QStringLiteral("ROLLBACK"));
        return done;
    }
    static_cast<void>(reach("committed"));
    return {};
}

Result<qint64> NotebookStore::add(const NotebookEntry& entry)
{
    qint64 id = 0;
    NotebookEntry fresh = entry;
    fresh.id = 0;
    const Result<> done = change([&](QSqlDatabase& db) -> Result<> {
        const auto written = writeEntry(db, fresh);
        if (!written)
            return written.failure();
        id = *written;
        return {};
    });
    if (!done)
        return done.failure();
    return id;
}

Result<int> NotebookStore::addAll(const QList<NotebookEntry>& entries, const GearInventory& gears)
{
    const Result<> done = change([&](QSqlDatabase& db) -> Result<> {
        if (const Result<> merged = mergeGears(db, gears); !merged)
            return merged;
        for (NotebookEntry e : entries) {
            e.id = 0;
            if (const auto written = writeEntry(db, e); !written)
                return written.failure();
        }
        return {};
    });
    if (!done)
        return done.failure();
    return int(entries.size());
}

Result<> NotebookStore::update(const NotebookEntry& entry)
{
    return change([&](QSqlDatabase& db) -> Result<> {
        const auto written = writeEntry(db, entry);
        return written ? Result<>() : Result<>(written.failure());
    });
}

Result<> NotebookStore::remove(qint64 id)
{
    return change([&](QSqlDatabase& db) -> Result<> {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("DELETE FROM entries WHERE id = ?"));
        q.addBindValue(id);
        return q.exec() ? Result<>() : Result<>(sqlFailure(q.lastError()));
    });
}

Result<NotebookEntry> NotebookStore::entry(qint64 id) const
{
    const auto found = entries({id});
    if (!found)
        return found.failure();
    if (found->isEmpty())
        return Failure{NotebookMessages::NothingSelected()};
    return found->first();
}

Result<QList<NotebookEntry>> NotebookStore::entries(const QList<qint64>& ids) const
{
    if (!isOpen())
        return Failure{NotebookMessages::NotOpen()};
    QSqlQuery q(database());
    q.setForwardOnly(true);
    QHash<qint64, NotebookEntry> byId;
    // A few ids are looked up; many are read in one pass.
    if (ids.size() <= 16) {
        q.prepare(selectEntries() + QStringLiteral(" WHERE e.id = ?"));
        for (qint64 id : ids) {
            q.addBindValue(id);
            if (!q.exec())
                return Failure{NotebookMessages::readFailed(q.lastError().text())};
            if (q.next())
                byId.insert(id, entryOf(q));
        }
    } else {
        const QSet<qint64> wanted(ids.begin(), ids.end());
        if (!q.exec(selectEntries()))
            return Failure{NotebookMessages::readFailed(q.lastError().text())};
        while (q.next())
            if (const qint64 id = q.value(0).toLongLong(); wanted.contains(id))
                byId.insert(id, entryOf(q));
    }
    QList<NotebookEntry> out;
    out.reserve(ids.size());
    for (qint64 id : ids)
        if (const auto it = byId.constFind(id); it != byId.constEnd())
            out.append(*it);
    return out;
}

qint64 NotebookStore::dataVersion() const
{
    QSqlQuery q(database());
    return q.exec(QStringLiteral("PRAGMA data_version")) && q.next() ? q.value(0).toLongLong() : -1;
}

bool NotebookStore::changedElsewhere() const
{
    return isOpen() && dataVersion() != m_indexedVersion;
}

namespace {

// The columns rowOf() reads, in its order.
constexpr const char* RowColumns = "e.id, e.taken, e.car_id, e.track_id, e.spur, e.pinion,"
                                   " e.total, e.rollout, e.motor_temp, e.lap";

// One entry's small row from a statement over RowColumns. Blank is none. A
// value outside its field's range (an older file, or another tool's) is kept
// as a stray: listed as stored, never charted.
NotebookRow rowOf(sqlite3_stmt* statement, QHash<std::pair<qint64, int>, QString>& strayTexts)
{
    static const NotebookField &spur = notebookField("spur"), &pinion = notebookField("pinion"),
                               &total = notebookField("total"), &rollout = notebookField("rollout"),
                               &temp = notebookField("motor_temp"), &lap = notebookField("lap");
    NotebookRow r;
    r.id = sqlite3_column_int64(statement, 0);
    auto read = [&](int i, const NotebookField& field, NotebookRow::Stray which) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
        const int size = sqlite3_column_bytes(statement, i);
        if (!text || size == 0)
            return NotebookRow::None;
        const char* first = text + (text[0] == '+' ? 1 : 0);
        const std::optional<double> number = NumberText::readDecimal(first, text + size);
        double value = number.value_or(NotebookRow::None);
        if (!number || !field.accepts(value)) {
            r.strays |= which;
            strayTexts.insert({r.id, which}, QString::fromUtf8(text, size));
            if (!std::isfinite(value))
                value = NotebookRow::None;
        }
        return value;
    };
    auto count = [&](int i, const NotebookField& field, NotebookRow::Stray which) {
        const double v = read(i, field, which);
        return NotebookRow::has(v) && !(r.strays & which) ? qint32(v) : qint32(-1);
    };
    r.taken = sqlite3_column_int64(statement, 1);
    r.car = sqlite3_column_int(statement, 2);
    r.track = sqlite3_column_int(statement, 3);
    r.spur = count(4, spur, NotebookRow::Spur);
    r.pinion = count(5, pinion, NotebookRow::Pinion);
    r.total = read(6, total, NotebookRow::Total);
    r.rollout = read(7, rollout, NotebookRow::Rollout);
    r.temp = read(8, temp, NotebookRow::Temp);
    r.lap = read(9, lap, NotebookRow::Lap);
    return r;
}

// A car's or track's name at its number; numbers no list could hold are left out.
void placeName(QList<QString>& names, qint64 id, const QString& name)
{
    if (id < 0 || id > (1 << 24))
        return;
    if (names.size() <= id)
        names.resize(id + 1);
    names[id] = name;
}

bool newestFirst(const NotebookRow& a, const NotebookRow& b)
{
    return a.taken != b.taken ? a.taken > b.taken : a.id > b.id;
}

} // namespace

Result<NotebookIndex> NotebookStore::index() const
{
    if (!isOpen())
        return Failure{NotebookMessages::NotOpen()};
    NotebookIndex index;
    QSqlQuery q(database());
    q.setForwardOnly(true);
    for (const auto& [table, names] : {std::pair{"cars", &index.cars}, {"tracks", &index.tracks}}) {
        if (!q.exec(QStringLiteral("SELECT id, name FROM %1").arg(QLatin1String(table))))
            return Failure{NotebookMessages::readFailed(q.lastError().text())};
        while (q.next())
            placeName(*names, q.value(0).toLongLong(), q.value(1).toString());
    }
    m_indexedVersion = dataVersion();
    // A hundred thousand rows through QSqlQuery make a million QVariants and
    // take longer than opening the window may; the rows go straight from
    // SQLite's own statement (the driver's handle) into the small rows.
    sqlite3* db = sqliteOf(database());
    if (!db)
        return Failure{NotebookMessages::readFailed(QStringLiteral("no SQLite handle"))};
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, (QByteArray("SELECT ") + RowColumns + " FROM entries e").constData(),
                           -1, &statement, nullptr) != SQLITE_OK)
        return Failure{NotebookMessages::readFailed(QString::fromUtf8(sqlite3_errmsg(db)))};
    {
        QSqlQuery rows(database());
        if (rows.exec(QStringLiteral("SELECT count(*) FROM entries")) && rows.next())
            index.rows.reserve(size_t(std::max<qint64>(rows.value(0).toLongLong(), 0)));
    }
    int step;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW)
        index.rows.push_back(rowOf(statement, index.strayTexts));
    const QString error = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(statement);
    if (step != SQLITE_DONE)
        return Failure{NotebookMessages::readFailed(error)};
    // Read in the table's order (a third of the time of an ordered read), which
    // is the order runs were noted in: turned round it is nearly always newest
    // first already.
    std::reverse(index.rows.begin(), index.rows.end());
    if (!std::is_sorted(index.rows.begin(), index.rows.end(), newestFirst))
        std::sort(index.rows.begin(), index.rows.end(), newestFirst);
    return index;
}

Result<> NotebookStore::follow(NotebookIndex& index, qint64 id) const
{
    if (!isOpen())
        return Failure{NotebookMessages::NotOpen()};
    // What another copy wrote is nowhere in the index: all of it is read.
    if (changedElsewhere()) {
        auto fresh = this->index();
        if (!fresh)
            return fresh.failure();
        index = std::move(*fresh);
        return {};
    }
    sqlite3* db = sqliteOf(database());
    if (!db)
        return Failure{NotebookMessages::readFailed(QStringLiteral("no SQLite handle"))};
    sqlite3_stmt* statement = nullptr;
    const QByteArray sql = QByteArray("SELECT ") + RowColumns +
                           ", c.name, t.name FROM entries e LEFT JOIN cars c ON c.id = e.car_id"
                           " LEFT JOIN tracks t ON t.id = e.track_id WHERE e.id = ?";
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr) != SQLITE_OK)
        return Failure{NotebookMessages::readFailed(QString::fromUtf8(sqlite3_errmsg(db)))};
    sqlite3_bind_int64(statement, 1, id);
    // Read first, so a failed read leaves the index as it was.
    QHash<std::pair<qint64, int>, QString> strays;
    std::optional<NotebookRow> row;
    std::optional<QString> car, track;
    const int step = sqlite3_step(statement);
    if (step == SQLITE_ROW) {
        row = rowOf(statement, strays);
        // A name with no row in its table (no file of ours has one) is left out, as index()
        // does.
        auto text = [&](int i) -> std::optional<QString> {
            const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
            if (!t)
                return std::nullopt;
            return QString::fromUtf8(t, sqlite3_column_bytes(statement, i));
        };
        car = text(10);
        track = text(11);
    }
    const QString error = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(statement);
    if (step != SQLITE_ROW && step != SQLITE_DONE)
        return Failure{NotebookMessages::readFailed(error)};

    auto& rows = index.rows;
    if (const auto old = std::find_if(rows.begin(), rows.end(),
                                      [id](const NotebookRow& r) { return r.id == id; });
        old != rows.end()) {
        for (int bit = 1; bit <= NotebookRow::Lap; bit <<= 1)
            if (old->strays & bit)
                index.strayTexts.remove({id, bit});
        rows.erase(old);
    }
    if (!row) // removed
        return {};
    if (car)
        placeName(index.cars, row->car, *car);
    if (track)
        placeName(index.tracks, row->track, *track);
    index.strayTexts.insert(strays);
    rows.insert(std::lower_bound(rows.begin(), rows.end(), *row, newestFirst), *row);
    return {};
}
