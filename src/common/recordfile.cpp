#include "recordfile.h"

#include "common/recordsyntax.h"
#include "common/textfile.h"

#include <QDateTime>
#include <QFile>
#include <QHash>
#include <algorithm>
#include <sys/stat.h>

namespace RecordFile {

namespace {

bool isBlankByte(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// Whether a line holds nothing but blanks (the ideographic space 0x8140 too).
bool isBlankLine(QByteArrayView line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (isBlankByte(line[i]))
            continue;
        if (uchar(line[i]) == 0x81 && i + 1 < line.size() && uchar(line[i + 1]) == 0x40) {
            ++i;
            continue;
        }
        return false;
    }
    return true;
}

// The first field of a line. Comma and quote never occur inside a CP932
// character, so a plain first field can be cut from the bytes before decoding.
QString keyOf(QByteArrayView line)
{
    qsizetype start = 0;
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t'))
        ++start;
    if (start < line.size() && line[start] == '"')
        return RecordSyntax::readFirstField(TextFile::decode(line));
    const qsizetype comma = line.indexOf(',', start);
    return RecordSyntax::readFirstField(
        TextFile::decode(line.first(comma < 0 ? line.size() : comma)));
}

// FNV-1a over a key's UTF-16 code units.
constexpr quint32 HashStart = 2166136261u;
quint32 hashStep(quint32 h, char16_t unit) { return (h ^ unit) * 16777619u; }
quint32 hashOf(QStringView key)
{
    quint32 h = HashStart;
    for (const QChar c : key)
        h = hashStep(h, c.unicode());
    return h;
}

// The hash of a line's key. A plain key of printable ASCII, as most are,
// reads as its bytes and is hashed without decoding it.
quint32 keyHashOf(QByteArrayView line)
{
    qsizetype start = 0;
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t'))
        ++start;
    qsizetype end = start;
    while (end < line.size() && line[end] != ',' && line[end] != '"' && uchar(line[end]) >= 0x20 &&
           uchar(line[end]) < 0x7F)
        ++end;
    if (end < line.size() && line[end] != ',')
        return hashOf(keyOf(line));
    while (end > start && line[end - 1] == ' ')
        --end;
    quint32 h = HashStart;
    for (qsizetype i = start; i < end; ++i)
        h = hashStep(h, char16_t(uchar(line[i])));
    return h;
}

struct Stamp
{
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    timespec mtime{}, ctime{};
    bool operator==(const Stamp& o) const
    {
        return dev == o.dev && ino == o.ino && size == o.size && mtime.tv_sec == o.mtime.tv_sec &&
               mtime.tv_nsec == o.mtime.tv_nsec && ctime.tv_sec == o.ctime.tv_sec &&
               ctime.tv_nsec == o.ctime.tv_nsec;
    }
};

std::optional<Stamp> stampOf(const QString& path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return Stamp{st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
}

// File times are coarse: a change within the same tick can keep them. Only a
// file left alone for a while can be told unchanged by its stamp.
bool settled(const Stamp& s)
{
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    return s.mtime.tv_sec < now - 1 && s.ctime.tv_sec < now - 1;
}

struct Cached
{
    Stamp stamp;
    Snapshot snapshot;
};
QHash<QString, Cached>& cache()
{
    static QHash<QString, Cached> c;
    return c;
}

} // namespace

Snapshot Snapshot::of(QByteArray bytes)
{
    Snapshot s;
    s.m_bytes = std::move(bytes);
    const QByteArrayView all(s.m_bytes);
    // Lists grown by doubling would hold up to twice their room at the peak.
    const qsizetype lines = std::count(all.begin(), all.end(), '\n') + 1;
    s.m_lines.reserve(lines);
    s.m_keyHashes.reserve(lines);
    TextFile::LineReader reader(all);
    for (QByteArrayView line; reader.next(line);) {
        if (isBlankLine(line))
            continue;
        s.m_lines.append({qint32(line.data() - all.data()), qint32(line.size())});
        s.m_keyHashes.append(keyHashOf(line));
    }
    return s;
}

QString Snapshot::key(qsizetype i) const { return keyOf(raw(i)); }

QStringList Snapshot::keys(qsizetype from, qsizetype count) const
{
    const qsizetype to = count < 0 ? size() : qMin(size(), from + count);
    QStringList keys;
    keys.reserve(qMax<qsizetype>(0, to - from));
    for (qsizetype i = from; i < to; ++i)
        keys.append(key(i));
    return keys;
}

QStringList Snapshot::fields(qsizetype i, int count) const
{
    QStringList fields = RecordSyntax::readFields(TextFile::decode(raw(i)), count);
    fields.resize(count);
    return fields;
}

QList<qsizetype> Snapshot::indexesOf(const QString& name) const
{
    const quint32 h = hashOf(name);
    QList<qsizetype> found;
    for (qsizetype i = 0; i < m_keyHashes.size(); ++i)
        if (m_keyHashes[i] == h && key(i) == name)
            found.append(i);
    return found;
}

Result<Snapshot> read(const QString& path)
{
    const std::optional<Stamp> stamp = stampOf(path);
    if (stamp) {
        const auto it = cache().constFind(path);
        if (it != cache().constEnd() && it->stamp == *stamp)
            return it->snapshot;
    }
    cache().remove(path);
    Result<QByteArray> file = TextFile::readBytes(path);
    if (!file)
        return file.failure();
    Snapshot snapshot = Snapshot::of(std::move(*file));
    if (stamp && settled(*stamp) && stampOf(path) == stamp)
        cache().insert(path, Cached{*stamp, snapshot});
    return snapshot;
}

Result<Snapshot> replaceByName(const QString& dataPath, const QString& workPath,
                               const QString& name, const std::optional<QStringList>& added,
                               const QStringList& fieldNames)
{
    const quint32 nameHash = hashOf(name);
    QByteArray written;
    const Result<> done = TextFile::RewriteThroughWorkFile(
        dataPath, workPath, [&](QByteArrayView current) -> Result<QByteArray> {
            QByteArray next;
            next.reserve(current.size() + 256);
            if (added) {
                if (const Result<> single = RecordSyntax::checkSingleLine(*added, fieldNames);
                    !single)
                    return single.failure();
                const TextFile::EncodeResult line =
                    TextFile::encode(RecordSyntax::writeRecord(*added));
                if (!line.ok())
                    return Failure{TextFile::unencodableMessage(line.badText)};
                next += line.bytes + "\r\n";
            }
            TextFile::LineReader reader(current);
            for (QByteArrayView line; reader.next(line);) {
                if (isBlankLine(line))
                    continue;
                if (keyHashOf(line) == nameHash && keyOf(line) == name)
                    continue;
                next += line;
                next += "\r\n";
            }
            written = next;
            return next;
        });
    if (!done)
        return done.failure();
    return Snapshot::of(std::move(written));
}

} // namespace RecordFile
