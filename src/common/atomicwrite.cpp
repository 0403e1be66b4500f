#include "textfile.h"

#include "common/fileattributes.h"
#include "common/filesystemcalls.h"
#include "common/messages.h"
#include "common/textfileparts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Writing the data files whole or not at all: through a work file, synced,
// renamed over the old one, keeping its owner, mode and attributes.
namespace TextFile {

using namespace Parts;

namespace {

FaultHook g_faultHook;

QString danglingLink(const QString& path)
{
    return Tr::tr("%1 のリンク先が見つからないため書き込めませんでした").arg(fileName(path));
}

} // namespace

void setFaultHook(FaultHook hook) { g_faultHook = std::move(hook); }

namespace {

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

// Whether target may be replaced, and whether there is a file to replace. A
// file we cannot read holds what we never loaded, and one without its write
// permission was protected on purpose: both are kept as they are.
Result<bool> replaceable(const QString& target, const QString& shown)
{
    const QByteArray name = local(target);
    const RegularFile file(name);
    switch (file.outcome()) {
    case RegularFile::Outcome::Open:
        break;
    case RegularFile::Outcome::NoStat:
        return isMissing(file.error()) ? Result<bool>(false)
                                       : Failure{Messages::cannotWrite(shown, file.error())};
    case RegularFile::Outcome::NotAFile:
        return Failure{Messages::notAFile(shown)};
    case RegularFile::Outcome::NoOpen:
        return Failure{Messages::unreadableKept(shown, file.error())};
    }
    // No write bit at all holds even for root, who may write anything else.
    if ((file.status().st_mode & 0222) == 0 ||
        ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0)
        return Failure{Messages::readOnlyKept(shown)};
    return true;
}

// Temporary files of writes killed before their rename. One younger than an
// hour may be another copy's write in progress, so it stays.
void sweepLeftovers(const QString& target)
{
    const QFileInfo info(target);
    const QByteArray prefix = local(info.fileName()) + ".tmp-";
    DIR* dir = ::opendir(local(info.absolutePath()).constData());
    if (!dir)
        return;
    const time_t hourAgo = ::time(nullptr) - 3600;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArrayView name(entry->d_name);
        struct stat st;
        if (name.size() == prefix.size() + 6 && name.startsWith(prefix) &&
            ::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && st.st_mtime < hourAgo)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

// A temporary file beside the target that replaces it. Plain POSIX calls on
// purpose: the outcome of every write, sync, close and rename is looked at.
// (QSaveFile in Qt 6.4 can report a commit as done after its buffered write
// hit a full disk, replacing the file with an empty one.)
class TempFile
{
public:
    TempFile(const QString& target, const char* kind)
        : m_target(local(target)), m_name(m_target + ".tmp-XXXXXX"), m_kind(kind)
    {
    }
    ~TempFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (m_created && !m_renamed)
            ::unlink(m_name.constData());
    }

    // Writes bytes and puts them in the target's place: 0, or the errno of
    // the step that failed. replacing: whether a file is there to take over.
    int replace(const QByteArray& bytes, bool replacing)
    {
        m_fd = ::mkostemp(m_name.data(), O_CLOEXEC);
        m_created = m_fd >= 0;
        if (!step("open", m_created))
            return m_error;
        if (const int kept =
                replacing ? FileAttributes::copy(m_target, m_fd) : FileAttributes::forNewFile(m_fd))
            return kept;
        if (!step("write", writeAll(bytes)) || !step("sync", fileSystemCalls().fsync(m_fd) == 0))
            return m_error;
        const int fd = std::exchange(m_fd, -1);
        if (::close(fd) != 0)
            return errno;
        m_renamed = fileSystemCalls().rename(m_name.constData(), m_target.constData()) == 0;
        if (!step("rename", m_renamed))
            return m_error;
        // The rename itself must reach the disk too. (EINVAL: a file system
        // that cannot sync a folder.)
        const int dir = ::open(local(QFileInfo(QFile::decodeName(m_target)).absolutePath()),
                               O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const bool synced = dir >= 0 && (fileSystemCalls().fsync(dir) == 0 || errno == EINVAL);
        const int error = errno;
        if (dir >= 0)
            ::close(dir);
        errno = error;
        return step("folder-sync", synced) ? 0 : m_error;
    }

private:
    // The test hook sees the outcome of every call and may turn a success
    // into a failure, so a call left out or an outcome ignored shows there.
    bool step(const char* name, bool ok)
    {
        const QByteArray full = QByteArray(m_kind) + '-' + name;
        if (ok && g_faultHook && !g_faultHook(full.constData())) {
            errno = EIO;
            ok = false;
        }
        if (!ok)
            m_error = errno ? errno : EIO;
        return ok;
    }
    bool writeAll(const QByteArray& bytes)
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

    QByteArray m_target;
    QByteArray m_name;
    const char* m_kind;
    int m_fd = -1;
    int m_error = 0;
    bool m_created = false;
    bool m_renamed = false;
};

Result<> saveBytes(const QString& path, const QByteArray& bytes, const char* kind)
{
    const std::optional<QString> target = writeTarget(path);
    if (!target)
        return Failure{danglingLink(path)};
    const Result<bool> replacing = replaceable(*target, fileName(path));
    if (!replacing)
        return replacing.failure();
    sweepLeftovers(*target);
    TempFile file(*target, kind);
    if (const int error = file.replace(bytes, *replacing))
        return Failure{Messages::cannotWrite(fileName(path), error)};
    return {};
}

} // namespace

Result<> writeAtomically(const QString& path, const QStringList& lines)
{
    const EncodeResult encoded = encodeLines(lines);
    if (!encoded.ok())
        return Failure{unencodableMessage(encoded.badText)};
    return saveBytes(path, encoded.bytes, "data");
}

Result<> writeBytesAtomically(const QString& path, const QByteArray& bytes)
{
    return saveBytes(path, bytes, "data");
}

Result<> createIfMissing(const QString& path, const QByteArray& bytes)
{
    struct stat st;
    if (::lstat(local(path).constData(), &st) == 0) {
        if (S_ISLNK(st.st_mode) && !writeTarget(path))
            return Failure{Tr::tr("%1 はリンク先が見つかりません").arg(fileName(path))};
        return {};
    }
    return saveBytes(path, bytes, "data");
}

Result<> RewriteThroughWorkFile(const QString& dataPath, const QString& workPath,
                                const Rewrite& rewrite)
{
    QLockFile lock(workPath + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(5000)) {
        if (lock.error() == QLockFile::LockFailedError)
            return Failure{
                Tr::tr("%1 は別のZELTANが書き換え中です。しばらくしてからやり直して下さい")
                    .arg(fileName(dataPath))};
        // Retrying cannot help here: the folder itself refuses the lock file.
        return Failure{
            Tr::tr("フォルダ %1 に書き込めません。書き込み権限と空き容量を確認して下さい")
                .arg(QDir::toNativeSeparators(QFileInfo(workPath).absolutePath()))};
    }
    // A data file that may not be replaced is refused before any work file.
    if (const std::optional<QString> target = writeTarget(dataPath)) {
        if (const Result<bool> may = replaceable(*target, fileName(dataPath)); !may)
            return may.failure();
    }
    const Result<QByteArray> current = readBytes(dataPath);
    if (!current && !current.missing())
        return current.failure();
    const Result<QByteArray> next = rewrite(current ? QByteArrayView(*current) : QByteArrayView());
    if (!next)
        return next.failure();
    if (auto written = saveBytes(workPath, *next, "work"); !written)
        return written;
    return saveBytes(dataPath, *next, "data");
}

} // namespace TextFile
