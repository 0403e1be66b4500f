#pragma once

#include "common/result.h"
#include "notebook/gearinventory.h"
#include "notebook/notebookentry.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QSqlDatabase;

// The setting notebook on disk: one SQLite file (Qt SQL), UTF-8 inside, WAL,
// foreign keys on, every change one transaction. Each store is one
// connection of its own; two programs (or threads) on one file wait for each
// other (busy timeout) instead of failing or losing a record.
class NotebookStore
{
public:
    // The schema this program writes (PRAGMA user_version).
    static constexpr int SchemaVersion = 1;

    NotebookStore();
    ~NotebookStore();
    NotebookStore(const NotebookStore&) = delete;
    NotebookStore& operator=(const NotebookStore&) = delete;

    struct Opened
    {
        // Where a damaged file was moved before a fresh one was made, or "".
        QString damagedMovedTo;
    };
    // Opens (or creates) the file, checks it (PRAGMA quick_check) and brings
    // an older schema up to date. A damaged file is moved aside under a
    // dated name and a fresh one made; a file of a newer program is refused.
    Result<Opened> open(const QString& path, const QDateTime& now = QDateTime::currentDateTime());
    bool isOpen() const { return !m_name.isEmpty(); }

    // open() in parts, so a window need not wait for the check and the read.
    // attach() connects without checking (a newer program's file refused as
    // by open()), then readAside() reads the index and checks the file on a
    // connection of its own, on any thread: listed() gets the index of a file
    // of this schema before the check, of any other after it; checked() the
    // damage found ("" none). Last, checked() here does what open() does with
    // that outcome: a damaged file set aside and a fresh one made (its name in
    // movedTo), the schema brought up to date. Nothing may be written between
    // attach() and checked().
    Result<> attach(const QString& path);
    static void readAside(const QString& path,
                          const std::function<void(Result<NotebookIndex>)>& listed,
                          const std::function<void(Result<QString>)>& checked);
    Result<> checked(const QString& damage, const QDateTime& now, QString* movedTo);
    void close();
    QString path() const { return m_path; }

    Result<qint64> add(const NotebookEntry& entry);
    // All or none, with the gears and mounts a CSV brought (merged as merge() does).
    Result<int> addAll(const QList<NotebookEntry>& entries, const GearInventory& gears = {});
    Result<> update(const NotebookEntry& entry);
    Result<> remove(qint64 id);

    Result<NotebookEntry> entry(qint64 id) const;
    // The entries of ids in that order (ids no longer there are left out).
    Result<QList<NotebookEntry>> entries(const QList<qint64>& ids) const;
    // Every entry, small, newest first.
    Result<NotebookIndex> index() const;
    // Brings an index this store read up to date after this store added,
    // edited or removed the run id: that one row is read, not all of them.
    // When another connection changed the file meanwhile, all is read again.
    Result<> follow(NotebookIndex& index, qint64 id) const;
    // Whether another connection changed the file since the last index().
    bool changedElsewhere() const;

    // The gears owned and the cars' mounts (tables made on opening when
    // missing, so a file stays readable by a program that knows only runs).
    Result<GearInventory> inventory() const;
    // Replaces one module's lists; both empty forgets the module.
    Result<> setGears(const OwnedGearList& gears);
    // Replaces one car's mount for a module; most 0 forgets it.
    Result<> setMount(const CarMount& mount);
    // What a CSV brings: its gears added to those owned, its mounts over
    // those of the same car and module. All or none.
    Result<> merge(const GearInventory& incoming);

    // Another program holding the write lock is waited for this long, then
    // told as such (Locked); while waiting, tick runs every few hundredths
    // of a second, so a window can keep drawing.
    static constexpr int LockPatienceMs = 1500;
    void setWaiting(std::function<void()> tick) { m_waiting = std::move(tick); }

    // Test hook: called at "begin", "written" (inside the transaction, before
    // COMMIT) and "committed" of every change; false fails the step as an
    // I/O error would (the transaction is rolled back).
    using FaultHook = std::function<bool(const char* step)>;
    static void setFaultHook(FaultHook hook);
    // Whether the file is of this program's schema: reading it then changes nothing.
    bool isCurrent() const { return version() == SchemaVersion; }

private:
    QSqlDatabase database() const;
    Result<> connect(const QString& path);
    std::optional<int> version() const;
    Result<> refuseNewer();
    // The damage PRAGMA quick_check finds ("" none); a failure when the file
    // cannot be reached at all.
    Result<QString> quickCheck();
    // Moves a damaged file aside under a dated name and connects to a fresh one.
    Result<QString> setAside(const QDateTime& now);
    // Refuses a newer schema, configures the connection and migrates (closed on failure).
    Result<> prepare();
    Result<> configure();
    Result<> migrate();
    Result<> addGearTables();
    static Result<> mergeGears(QSqlDatabase& db, const GearInventory& incoming);
    Result<> change(const std::function<Result<>(QSqlDatabase&)>& work);
    qint64 dataVersion() const;

    static int busy(void* store, int count);

    std::function<void()> m_waiting;
    QString m_name; // the Qt SQL connection, unique per store
    QString m_path;
    mutable qint64 m_indexedVersion = -1;
};
