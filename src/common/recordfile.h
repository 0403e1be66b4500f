#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <type_traits>

// The two record lists (modules and machines) share one shape: records keyed
// by their first field, one a line, rewritten through a work file. A rewrite
// copies every record it does not change byte for byte, whatever it holds.
// Their fields are described as those of every other data file.
namespace RecordFile {

// Every data file names its fields once, in file order, with what the
// messages call each: a record type (static const Field<R> Fields[]) for the
// record lists, a table of its own for a file of one value a line (GIA.DAT,
// drive.dat). A field is a text member of R, or a member whose .text it is
// (a control of the window).
template <typename R, typename M = QString> struct Field
{
    M R::*member;
    const char* name;

    const QString& of(const R& r) const { return textOf(r.*member); }
    QString& of(R& r) const { return textOf(r.*member); }

private:
    template <typename T> static auto& textOf(T& m)
    {
        if constexpr (std::is_same_v<std::remove_const_t<T>, QString>)
            return m;
        else
            return m.text;
    }
};

template <typename R, typename M, std::size_t N>
QStringList valuesOf(const R& r, const Field<R, M> (&fields)[N])
{
    QStringList values;
    values.reserve(qsizetype(N));
    for (const Field<R, M>& f : fields)
        values.append(f.of(r));
    return values;
}

// Fields from…to−1 take values[from…to−1]; missing values read as empty.
template <typename R, typename M, std::size_t N>
void setValues(R& r, const Field<R, M> (&fields)[N], const QStringList& values, qsizetype from = 0,
               qsizetype to = qsizetype(N))
{
    for (qsizetype i = from; i < to; ++i)
        fields[i].of(r) = values.value(i);
}

template <typename R, typename M, std::size_t N> QStringList namesOf(const Field<R, M> (&fields)[N])
{
    QStringList names;
    for (const Field<R, M>& f : fields)
        names.append(QCoreApplication::translate("RecordFile", f.name));
    return names;
}

// A record list as read: the file's bytes, the place of every record (blank
// lines are no records) and a hash of its key. Keys and fields are decoded
// only when asked for, so a list of a million records costs little more than
// its bytes.
class Snapshot
{
public:
    static Snapshot of(QByteArray bytes);

    qsizetype size() const { return m_lines.size(); }
    // The key (first field) of record i, decoded anew on every call.
    QString key(qsizetype i) const;
    // The keys of records from…from+count−1 (count < 0: to the end).
    QStringList keys(qsizetype from = 0, qsizetype count = -1) const;
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
        R r;
        setValues(r, R::Fields, fields(i, int(std::size(R::Fields))));
        return r;
    }
    // The indexes of the records keyed name, in file order.
    QList<qsizetype> indexesOf(const QString& name) const;
    // Whether both are the same reading of a file (copies share it).
    bool sharesWith(const Snapshot& other) const
    {
        return m_bytes.constData() == other.m_bytes.constData();
    }

private:
    QByteArray m_bytes;
    QList<std::pair<qint32, qint32>> m_lines; // start and length of each record
    QList<quint32> m_keyHashes;               // to find a name without decoding every key
};

// Reads a record list (a snapshot shares its data: copies are cheap). While
// the file is unchanged (same inode, size and times) the last snapshot of it
// is given again instead of reading it anew.
Result<Snapshot> read(const QString& path);

// Rewrites the file through its work file: the added record first (if any),
// then every record whose key differs from name, in file order and with its
// own bytes. Gives the records now in the file, so the lists on screen need
// not read it again. A control character in the added
// record is refused and names the field (see RecordSyntax::checkSingleLine).
Result<Snapshot> replaceByName(const QString& dataPath, const QString& workPath,
                               const QString& name, const std::optional<QStringList>& added,
                               const QStringList& fieldNames);

} // namespace RecordFile
