#pragma once

// Shared by the fuzz targets: a host that never blocks, one working folder per
// process reset to the shipped files before each input, and a check that
// aborts (a crash to libFuzzer, a failure to the replay test) with a reason.

#include "app/giadsp.h"
#include "common/recordfile.h"
#include "common/textfile.h"
#include "form/form.h"
#include "platform/datafolder.h"
#include "support/fakehost.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The shipped files live in zeltan_core's resources; a static library links
// them in only when something names them. Must stand at global scope.
inline void initShippedData()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(data);
        return true;
    }();
    (void)done;
}

namespace Fuzz {

[[noreturn]] inline void fail(const char* what, const QString& detail = QString())
{
    std::fprintf(stderr, "fuzz invariant broken: %s %s\n", what, qUtf8Printable(detail));
    std::abort();
}

inline void check(bool ok, const char* what, const QString& detail = QString())
{
    if (!ok)
        fail(what, detail);
}

// What must hold of the window after any handler, whatever the files held.
inline void checkWindow(const FakeHost& host, const Form& f)
{
    check(host.busyDepth == 0, "busy pointer left on");
    for (const Control* c : {&f.Combo1, &f.Combo3})
        check(c->items.size() <= 1000, "range list beyond its cap");
    check(f.MSFlexGrid1.rows() <= 201 && f.MSFlexGrid1.cols() <= 201, "grid beyond 200 values");
}

// The records of a list file other than those keyed name, as their bytes:
// what a rewrite for name must keep exactly.
inline QList<QByteArray> recordsWithout(const QByteArray& file, const QString& name)
{
    const RecordFile::Snapshot records = RecordFile::Snapshot::of(file);
    QList<QByteArray> kept;
    for (qsizetype i = 0; i < records.size(); ++i)
        if (records.keys()[i] != name)
            kept.append(records.raw(i).toByteArray());
    return kept;
}

inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// One folder for the whole run: a fresh folder per input would measure mkdir.
class Folder
{
public:
    // In memory where there is a tmpfs: every save syncs to disk, which would
    // make the data-file targets measure the disk instead of the code.
    Folder()
        : m_dir(QDir(QStringLiteral("/dev/shm")).exists()
                    ? QStringLiteral("/dev/shm/zeltan-fuzz-XXXXXX")
                    : QDir::tempPath() + QStringLiteral("/zeltan-fuzz-XXXXXX"))
    {
        initShippedData();
        check(m_dir.isValid(), "no temporary folder");
    }

    QString path() const { return m_dir.path(); }
    DataFolder files() const { return DataFolder(m_dir.path()); }

    // Back to a first start: only the shipped files, no machines, no work files.
    void reset() const
    {
        QDir dir(m_dir.path());
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
            dir.remove(name);
        const Result<> seeded = files().seedShippedFiles();
        check(bool(seeded), "seeding the shipped files failed", seeded.error());
    }

    void put(const QString& name, const QByteArray& content) const
    {
        QFile f(files().path(name));
        check(f.open(QIODevice::WriteOnly) && f.write(content) == content.size(),
              "cannot write the input file", name);
    }

    QByteArray read(const QString& name) const
    {
        QFile f(files().path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
};

inline const Folder& folder()
{
    static const Folder f;
    return f;
}

// The window over the fuzz folder, loaded as at a start and checked.
struct Window
{
    FakeHost host;
    Giadsp app{host, folder().path()};
    Form& form = app.form();
    Window()
    {
        app.Form_Load();
        checkWindow(host, form);
    }
};

// A first start where one record list holds the input: the list as its
// reader sees it (an existing file always reads).
inline RecordFile::Snapshot startWith(const QString& name, const QByteArray& raw)
{
    folder().reset();
    folder().put(name, raw);
    Result<RecordFile::Snapshot> records = RecordFile::read(folder().files().path(name));
    check(bool(records), "an existing record file did not read", records.error());
    return *records;
}

} // namespace Fuzz
