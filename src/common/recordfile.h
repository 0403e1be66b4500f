#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The two record lists (modules and machines) share one shape: records keyed
// by their first field, one a line, rewritten through a work file. A rewrite
// copies every record it does not change byte for byte, whatever it holds.
namespace RecordFile {

// A record type names its fields once, in file order, with what the user
// calls each:   static const Field<R> Fields[];
template <typename R> struct Field
{
    QString R::*member;
    const char* name;
};

template <typename R> R recordOf(const QStringList& fields)
{
    R record;
    int i = 0;
    for (const Field<R>& f : R::Fields)
        record.*f.member = fields.value(i++);
    return record;
}

template <typename R> QStringList fieldsOf(const R& record)
{
    QStringList fields;
    for (const Field<R>& f : R::Fields)
        fields.append(record.*f.member);
    return fields;
}

template <typename R> QStringList namesOf()
{
    QStringList names;
    for (const Field<R>& f : R::Fields)
        names.append(QString::fromUtf8(f.name));
    return names;
}

// A record list as read: the file's bytes, the place of every record (blank
// lines are no records) and its key. Fields are decoded only when asked for.
class Snapshot
{
public:
    static Snapshot of(QByteArray bytes);

    qsizetype size() const { return m_keys.size(); }
    const QStringList& keys() const { return m_keys; }
    // The fields of record i, padded with empty ones (or cut) to count.
    QStringList fields(qsizetype i, int count) const;
    // The bytes of record i as they stand in the file (no line end).
    QByteArrayView raw(qsizetype i) const
    {
        return QByteArrayView(m_bytes).sliced(m_lines.at(i).first, m_lines.at(i).second);
    }
    // Record i as a record type (see Field).
    template <typename R> R record(qsizetype i) const
    {
        return recordOf<R>(fields(i, int(std::size(R::Fields))));
    }
    // The indexes of the records keyed name, in file order.
    QList<qsizetype> indexesOf(const QString& name) const;

private:
    QByteArray m_bytes;
    QList<std::pair<qint32, qint32>> m_lines; // start and length of each record
    QStringList m_keys;
};

// Reads a record list (a snapshot shares its data: copies are cheap). While
// the file is unchanged (same inode, size and times) the last snapshot of it
// is given again instead of reading it anew.
Result<Snapshot> read(const QString& path);

// Rewrites the file through its work file: the added record first (if any),
// then every record whose key differs from name, in file order and with its
// own bytes. Gives the keys of the records now in the file, in order, so the
// lists on screen need not read it again. A control character in the added
// record is refused and names the field (fieldNames[i] for field i).
Result<QStringList> replaceByName(const QString& dataPath, const QString& workPath,
                                  const QString& name, const std::optional<QStringList>& added,
                                  const QStringList& fieldNames);

} // namespace RecordFile
