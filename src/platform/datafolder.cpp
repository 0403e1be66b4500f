#include "datafolder.h"

#include "common/messages.h"
#include "common/textfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

// The shipped files are compiled into the static core library; its resource
// initialiser must be referenced or the linker drops it.
static void initShippedResources() { Q_INIT_RESOURCE(data); }

namespace {

// What the files tell the user, through Qt's translation.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Files)
};

QString shown(const QString& folder) { return QDir::toNativeSeparators(folder); }

// mkdir -p that keeps the system's reason: 0 or an errno.
int makePath(const QByteArray& path)
{
    struct stat st;
    if (::stat(path.constData(), &st) == 0)
        return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    const qsizetype slash = path.lastIndexOf('/');
    if (slash > 0)
        if (const int error = makePath(path.first(slash)))
            return error;
    return ::mkdir(path.constData(), 0777) == 0 || errno == EEXIST ? 0 : errno;
}

} // namespace

Result<QString> DataFolder::nameFromBytes(const QByteArray& bytes)
{
    const QString name = QFile::decodeName(bytes);
    if (QFile::encodeName(name) != bytes)
        return Failure{
            Tr::tr("フォルダ名「%1」には、このシステムの文字コードで読めないバイトがあります")
                .arg(name)};
    return name;
}

Result<QString> DataFolder::defaultLocation()
{
    const QString zeltan = QStringLiteral("zeltan");
    if (const QByteArray xdg = qgetenv("XDG_DATA_HOME"); xdg.startsWith('/')) {
        const Result<QString> base = nameFromBytes(xdg);
        return base ? Result<QString>(QDir(*base).filePath(zeltan)) : base;
    }
    const QByteArray home = qgetenv("HOME");
    if (!home.startsWith('/'))
        return Failure{Tr::tr("HOME が設定されていないため、データフォルダの場所を決められません")};
    const Result<QString> base = nameFromBytes(home);
    return base ? Result<QString>(QDir(*base).filePath(QStringLiteral(".local/share/") + zeltan))
                : base;
}

Result<> DataFolder::makeUsable(const QString& folder)
{
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return Failure{Tr::tr("データフォルダ「%1」はフォルダではありません").arg(shown(folder))};
    if (const int error = makePath(QFile::encodeName(folder)))
        return Failure{Messages::withReason(
            Tr::tr("データフォルダ「%1」を作成できません").arg(shown(folder)), error)};
    QByteArray probe = QFile::encodeName(QDir(folder).filePath(QStringLiteral(".zeltan-XXXXXX")));
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return Failure{Messages::withReason(
            Tr::tr("データフォルダ「%1」に書き込めません").arg(shown(folder)), errno)};
    ::close(fd);
    ::unlink(probe.constData());
    return {};
}

Result<> DataFolder::seedShippedFiles() const
{
    initShippedResources();
    if (!m_dir.exists() && !QDir().mkpath(m_dir.absolutePath()))
        return Failure{
            Tr::tr("データフォルダ %1 を作成できませんでした").arg(m_dir.absolutePath())};
    for (const char* name : {"module.dat", "GIA.DAT", "help.txt", "help-en.txt"}) {
        const QString target = path(QString::fromLatin1(name));
        // An empty shipped file is what an older version left when it was
        // stopped while seeding; no user keeps one on purpose.
        const QFileInfo info(target);
        const bool leftEmpty = info.isFile() && !info.isSymLink() && info.size() == 0;
        if (info.exists() && !leftEmpty)
            continue; // a file the user has: the shipped one is not even read
        QFile shipped(QStringLiteral(":/data/") + QString::fromLatin1(name));
        if (!shipped.open(QIODevice::ReadOnly))
            return Failure{Tr::tr("%1 を作成できませんでした").arg(QString::fromLatin1(name))};
        const QByteArray bytes = shipped.readAll();
        const Result<> written = leftEmpty ? TextFile::writeBytesAtomically(target, bytes)
                                           : TextFile::createIfMissing(target, bytes);
        if (!written)
            return written;
    }
    return {};
}
