#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
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

QString danglingLink(const QString& path)
{
    return QStringLiteral("%1 のリンク先が見つからないため書き込めませんでした")
        .arg(fileName(path));
}

// The bytes we refuse to load whole: far beyond any real data file.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

// ---- CP932 ---------------------------------------------------------------

bool isLead(uchar b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool isTrail(uchar b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }
int leadIndex(uchar b) { return b <= 0x9F ? b - 0x81 : b - 0xE0 + 31; }

// The double-byte half of the code page, taken once from the converter; the
// single bytes are fixed by the Windows mapping. (The converter's own single
// bytes differ: it swaps some controls and turns bad bytes into U+001A.)
const std::array<char16_t, 60 * 256>& doubleByteTable()
{
    static const auto table = [] {
        std::array<char16_t, 60 * 256> t{};
        QStringDecoder decoder("CP932", QStringConverter::Flag::Stateless);
        for (int lead = 0; lead < 256; ++lead) {
            if (!isLead(uchar(lead)))
                continue;
            // One row of pairs at a time: every pair gives one character
            // (U+FFFD for an unassigned one), which keeps them in step.
            QByteArray row;
            QList<int> trails;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (isTrail(uchar(trail))) {
                    row += char(lead);
                    row += char(trail);
                    trails.append(trail);
                }
            }
            decoder.resetState();
            const QString s = decoder.decode(row);
            for (qsizetype k = 0; k < trails.size() && s.size() == trails.size(); ++k)
                if (s[k] != QChar::ReplacementCharacter && !s[k].isSurrogate())
                    t[size_t(leadIndex(uchar(lead)) * 256 + trails[k])] = s[k].unicode();
            if (s.size() == trails.size())
                continue;
            for (int trail : trails) { // out of step: pair by pair
                const char pair[2] = {char(lead), char(trail)};
                decoder.resetState();
                const QString one = decoder.decode(QByteArrayView(pair, 2));
                if (!decoder.hasError() && one.size() == 1 && one[0] != QChar::ReplacementCharacter)
                    t[size_t(leadIndex(uchar(lead)) * 256 + trail)] = one[0].unicode();
            }
        }
        return t;
    }();
    return table;
}

// Characters typed by JIS-minded input methods, stored as the CP932 character
// that stands at their place in the Windows code page.
QChar windowsForm(QChar c)
{
    switch (c.unicode()) {
    case 0x301C:
        return QChar(0xFF5E); // 〜 → ～ (0x8160)
    case 0x2016:
        return QChar(0x2225); // ‖ → ∥ (0x8161)
    case 0x2212:
        return QChar(0xFF0D); // − → － (0x817C)
    case 0x2014:
        return QChar(0x2015); // — → ― (0x815C)
    case 0x00A2:
        return QChar(0xFFE0); // ¢ → ￠ (0x8191)
    case 0x00A3:
        return QChar(0xFFE1); // £ → ￡ (0x8192)
    case 0x00AC:
        return QChar(0xFFE2); // ¬ → ￢ (0x81CA)
    default:
        return c;
    }
}
} // namespace

void setFaultHook(FaultHook hook) { g_faultHook = std::move(hook); }

QString decode(QByteArrayView bytes)
{
    const auto& table = doubleByteTable();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const uchar b = uchar(bytes[i]);
        char16_t u = QChar::ReplacementCharacter;
        if (b >= 0x01 && b <= 0x7F) {
            u = b;
        } else if (b >= 0xA1 && b <= 0xDF) {
            u = char16_t(0xFF61 + (b - 0xA1));
        } else if (isLead(b) && i + 1 < n && isTrail(uchar(bytes[i + 1]))) {
            const char16_t mapped = table[size_t(leadIndex(b) * 256 + uchar(bytes[i + 1]))];
            ++i;
            if (mapped)
                u = mapped;
        }
        *out++ = QChar(u);
    }
    text.truncate(out - text.constData());
    return text;
}

bool LineReader::next(QByteArrayView& line)
{
    const qsizetype n = m_bytes.size();
    if (m_pos >= n)
        return false;
    qsizetype end = m_pos;
    while (end < n && m_bytes[end] != '\n' && m_bytes[end] != '\r')
        ++end;
    line = m_bytes.sliced(m_pos, end - m_pos);
    if (end < n && m_bytes[end] == '\r' && end + 1 < n && m_bytes[end + 1] == '\n')
        ++end;
    m_pos = end + 1;
    return true;
}

QStringList decodeLines(QByteArrayView bytes)
{
    QStringList lines;
    LineReader reader(bytes);
    for (QByteArrayView line; reader.next(line);)
        lines.append(decode(line));
    return lines;
}

QString asStored(const QString& text)
{
    QString stored = text;
    for (QChar& c : stored)
        c = windowsForm(c);
    return stored;
}

EncodeResult encode(const QString& line)
{
    EncodeResult result;
    const QString text = asStored(line);
    QStringEncoder encoder("CP932", QStringConverter::Flag::Stateless);
    result.bytes = encoder.encode(text);
    // Whatever is written must read back as it was meant.
    if (!encoder.hasError() && decode(result.bytes) == text && !text.contains(QChar(0)))
        return result;
    result.bytes.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype len = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString piece = text.mid(i, len);
        QStringEncoder single("CP932", QStringConverter::Flag::Stateless);
        const QByteArray probe = single.encode(piece);
        if (single.hasError() || decode(probe) != piece || piece == QChar(0)) {
            result.badText = line.mid(i, len);
            return result;
        }
        i += len - 1;
    }
    result.badText = line;
    return result;
}

EncodeResult encodeLines(const QStringList& lines)
{
    EncodeResult result;
    for (const QString& line : lines) {
        EncodeResult one = encode(line);
        if (!one.ok())
            return one;
        result.bytes += one.bytes;
        result.bytes += "\r\n";
    }
    return result;
}

QString unencodableMessage(const QString& badText)
{
    return QStringLiteral("「%1」はファイルに保存できない文字です。別の文字に置き換えて下さい")
        .arg(badText);
}

Result<QByteArray> readBytes(const QString& path)
{
    QFile file(path);
    const QFileInfo info(path);
    if (!info.exists())
        return Failure{QStringLiteral("%1 が見つかりません").arg(fileName(path)), true};
    const Failure unreadable{QStringLiteral("%1 を読み込めませんでした").arg(fileName(path))};
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        return unreadable;
    if (file.size() > kMaxFileSize)
        return Failure{
            QStringLiteral("%1 が大きすぎるため読み込めませんでした").arg(fileName(path))};
    // The size was checked above; reading at most one byte more than it
    // catches a file that grew meanwhile without reserving the whole limit.
    QByteArray bytes = file.read(file.size() + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileSize)
        return unreadable;
    return bytes;
}

Result<QStringList> read(const QString& path)
{
    const Result<QByteArray> bytes = readBytes(path);
    if (!bytes)
        return bytes.failure();
    return decodeLines(*bytes);
}

namespace {

QByteArray local(const QString& path) { return QFile::encodeName(path); }

// Where a write to path must land: path itself, or the end of the chain of
// links it names. None for a link that leads nowhere.
std::optional<QString> writeTarget(const QString& path)
{
    struct stat st;
    if (::lstat(local(path).constData(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (!::realpath(local(path).constData(), resolved))
        return std::nullopt;
    return QFile::decodeName(resolved);
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Plain POSIX calls on purpose: every write, sync, close and rename is checked.
// (QSaveFile in Qt 6.4 can report a commit as done after its buffered write
// hit a full disk, replacing the file with an empty one.)
class TempFile
{
public:
    explicit TempFile(const QString& path) : m_name(local(path + QStringLiteral(".tmp-XXXXXX")))
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
    // The mode and group of the file it replaces, or a new file's.
    bool takeModeOf(const QString& path)
    {
        struct stat st;
        if (::stat(local(path).constData(), &st) != 0)
            return ::fchmod(m_fd, 0666 & ~currentUmask()) == 0;
        if (::fchown(m_fd, uid_t(-1), st.st_gid) != 0) {
            // Not a member of the group: the file takes ours, as any new file would.
        }
        return ::fchmod(m_fd, st.st_mode & 07777) == 0;
    }
    bool write(const QByteArray& bytes)
    {
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
        if (::rename(m_name.constData(), local(path).constData()) != 0)
            return false;
        m_renamed = true;
        // The rename itself must reach the disk too.
        const int dir =
            ::open(local(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
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

Result<> saveBytes(const QString& path, const QByteArray& bytes, bool work)
{
    const std::optional<QString> target = writeTarget(path);
    if (!target)
        return Failure{danglingLink(path)};
    const Failure failed{writeFailed(path)};
    // A folder standing where the file should be must not be replaced.
    if (QFileInfo(*target).isDir() || !stepAllowed(work ? "work-open" : "data-open"))
        return failed;
    TempFile file(*target);
    if (!file.isOpen() || !file.takeModeOf(*target))
        return failed;
    if (!stepAllowed(work ? "work-write" : "data-write") || !file.write(bytes))
        return failed;
    if (!stepAllowed(work ? "work-sync" : "data-commit") || !file.syncAndClose() ||
        !file.renameTo(*target))
        return failed;
    return {};
}

// Temporary files of a writer that was killed before its rename.
void removeLeftovers(const QString& path)
{
    const std::optional<QString> target = writeTarget(path);
    if (!target)
        return;
    const QFileInfo info(*target);
    QDir dir = info.absoluteDir();
    const QStringList names = dir.entryList({info.fileName() + QStringLiteral(".tmp-??????")},
                                            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        dir.remove(name);
}

} // namespace

Result<> writeAtomically(const QString& path, const QStringList& lines)
{
    const EncodeResult encoded = encodeLines(lines);
    if (!encoded.ok())
        return Failure{unencodableMessage(encoded.badText)};
    return saveBytes(path, encoded.bytes, false);
}

Result<> writeBytesAtomically(const QString& path, const QByteArray& bytes)
{
    return saveBytes(path, bytes, false);
}

Result<> createIfMissing(const QString& path, const QByteArray& bytes)
{
    struct stat st;
    if (::lstat(local(path).constData(), &st) == 0) {
        if (S_ISLNK(st.st_mode) && !writeTarget(path))
            return Failure{QStringLiteral("%1 はリンク先が見つかりません").arg(fileName(path))};
        return {};
    }
    return saveBytes(path, bytes, false);
}

Result<> RewriteThroughWorkFile(const QString& dataPath, const QString& workPath,
                                const Rewrite& rewrite)
{
    QLockFile lock(workPath + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(5000)) {
        if (lock.error() == QLockFile::LockFailedError)
            return Failure{
                QStringLiteral("%1 は別のZELTANが書き換え中です。しばらくしてからやり直して下さい")
                    .arg(fileName(dataPath))};
        // Retrying cannot help here: the folder itself refuses the lock file.
        return Failure{
            QStringLiteral("フォルダ %1 に書き込めません。書き込み権限と空き容量を確認して下さい")
                .arg(QDir::toNativeSeparators(QFileInfo(workPath).absolutePath()))};
    }
    removeLeftovers(dataPath);
    removeLeftovers(workPath);

    const Result<QByteArray> current = readBytes(dataPath);
    if (!current && !current.missing())
        return current.failure();
    const Result<QByteArray> next = rewrite(current ? QByteArrayView(*current) : QByteArrayView());
    if (!next)
        return next.failure();
    if (auto written = saveBytes(workPath, *next, true); !written)
        return written;
    return saveBytes(dataPath, *next, false);
}

} // namespace TextFile
