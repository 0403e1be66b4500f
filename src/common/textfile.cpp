#include "textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TextFile {

namespace {
FaultHook g_faultHook;

bool stepAllowed(const char* step) { return !g_faultHook || g_faultHook(step); }

QString fileName(const QString& path) { return QFileInfo(path).fileName(); }

QString writeFailed(const QString& path)
{
    return QStringLiteral(
               "%1 に書き込めませんでした。ディスクの空き容量と書き込み権限を確認して下さい")
        .arg(fileName(path));
}

// The bytes we refuse to load whole: far beyond any real data file.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;
} // namespace

void setFaultHook(FaultHook hook) { g_faultHook = std::move(hook); }

QStringList decodeLines(const QByteArray& bytes)
{
    QStringDecoder decoder("CP932", QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    // The decoder turns invalid bytes into control characters on some builds;
    // NUL would cut strings short elsewhere, so it never gets past here.
    text.replace(QChar(0), QChar::ReplacementCharacter);
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

ReadResult read(const QString& path)
{
    ReadResult result;
    QFile file(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        result.missing = true;
        result.error = QStringLiteral("%1 が見つかりません").arg(fileName(path));
        return result;
    }
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("%1 を読み込めませんでした").arg(fileName(path));
        return result;
    }
    if (file.size() > kMaxFileSize) {
        result.error =
            QStringLiteral("%1 が大きすぎるため読み込めませんでした").arg(fileName(path));
        return result;
    }
    // The size was checked above; reading at most one byte more than it
    // catches a file that grew meanwhile without reserving the whole limit.
    const QByteArray bytes = file.read(file.size() + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileSize) {
        result.error = QStringLiteral("%1 を読み込めませんでした").arg(fileName(path));
        return result;
    }
    result.lines = decodeLines(bytes);
    result.ok = true;
    return result;
}

EncodeResult encodeLines(const QStringList& lines)
{
    EncodeResult result;
    QStringEncoder encoder("CP932", QStringConverter::Flag::Stateless);
    for (const QString& line : lines) {
        const QByteArray bytes = encoder.encode(line);
        if (encoder.hasError()) {
            // Find the character that failed so the message can name it.
            for (qsizetype i = 0; i < line.size(); ++i) {
                const qsizetype len = line[i].isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
                QStringEncoder single("CP932", QStringConverter::Flag::Stateless);
                const QByteArray probe = single.encode(QStringView(line).mid(i, len));
                Q_UNUSED(probe);
                if (single.hasError()) {
                    result.badText = line.mid(i, len);
                    break;
                }
                i += len - 1;
            }
            if (result.badText.isEmpty())
                result.badText = line;
            result.bytes.clear();
            return result;
        }
        result.bytes += bytes;
        result.bytes += "\r\n";
    }
    return result;
}

QString unencodableMessage(const QString& badText)
{
    return QStringLiteral("「%1」はファイルに保存できない文字です。別の文字に置き換えて下さい")
        .arg(badText);
}

namespace {
// Plain POSIX calls on purpose: every write, sync, close and rename is checked.
// (QSaveFile in Qt 6.4 can report a commit as done after its buffered write
// hit a full disk, replacing the file with an empty one.)
class TempFile
{
public:
    explicit TempFile(const QString& path)
        : m_name((path + QStringLiteral(".tmp-XXXXXX")).toLocal8Bit())
    {
        m_fd = ::mkstemp(m_name.data());
    }
    ~TempFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_renamed)
            ::unlink(m_name.constData());
    }
    bool isOpen() const { return m_fd >= 0; }
    bool write(const QByteArray& bytes)
    {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(m_fd, 0666 & ~mask) != 0)
            return false;
        const char* data = bytes.constData();
        qsizetype left = bytes.size();
        while (left > 0) {
            const ssize_t n = ::write(m_fd, data, size_t(left));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            data += n;
            left -= n;
        }
        return true;
    }
    bool syncAndClose()
    {
        const bool synced = ::fsync(m_fd) == 0;
        const bool closed = ::close(m_fd) == 0;
        m_fd = -1;
        return synced && closed;
    }
    bool renameTo(const QString& path)
    {
        if (::rename(m_name.constData(), path.toLocal8Bit().constData()) != 0)
            return false;
        m_renamed = true;
        // The rename itself must reach the disk too.
        const int dir = ::open(QFileInfo(path).absolutePath().toLocal8Bit().constData(),
                               O_RDONLY | O_DIRECTORY);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
        return true;
    }

private:
    QByteArray m_name;
    int m_fd = -1;
    bool m_renamed = false;
};

std::optional<QString> saveBytes(const QString& path, const QByteArray& bytes, bool work)
{
    // A folder standing where the file should be must not be replaced.
    if (QFileInfo(path).isDir() || !stepAllowed(work ? "work-open" : "data-open"))
        return writeFailed(path);
    TempFile file(path);
    if (!file.isOpen())
        return writeFailed(path);
    if (!stepAllowed(work ? "work-write" : "data-write") || !file.write(bytes))
        return writeFailed(path);
    if (!stepAllowed(work ? "work-sync" : "data-commit") || !file.syncAndClose() ||
        !file.renameTo(path))
        return writeFailed(path);
    return std::nullopt;
}
} // namespace

std::optional<QString> writeAtomically(const QString& path, const QStringList& lines)
{
    const EncodeResult encoded = encodeLines(lines);
    if (!encoded.ok())
        return unencodableMessage(encoded.badText);
    return saveBytes(path, encoded.bytes, false);
}

std::optional<QString> writeBytesAtomically(const QString& path, const QByteArray& bytes)
{
    return saveBytes(path, bytes, false);
}

std::optional<QString> RewriteThroughWorkFile(const QString& dataPath, const QString& workPath,
                                              const Rewrite& rewrite)
{
    QLockFile lock(workPath + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(5000))
        return QStringLiteral("%1 は別のZELTANが書き換え中です。しばらくしてからやり直して下さい")
            .arg(fileName(dataPath));

    const ReadResult current = read(dataPath);
    if (!current.ok && !current.missing)
        return current.error;
    const EncodeResult encoded = encodeLines(rewrite(current.lines));
    if (!encoded.ok())
        return unencodableMessage(encoded.badText);

    if (auto error = saveBytes(workPath, encoded.bytes, true))
        return error;
    return saveBytes(dataPath, encoded.bytes, false);
}

} // namespace TextFile
