#include "datafolder.h"

#include "common/textfile.h"

#include <QFile>
#include <QFileInfo>

// The shipped files are compiled into the static core library; its resource
// initialiser must be referenced or the linker drops it.
static void initShippedResources() { Q_INIT_RESOURCE(data); }

Result<> DataFolder::seedShippedFiles() const
{
    initShippedResources();
    if (!m_dir.exists() && !QDir().mkpath(m_dir.absolutePath()))
        return Failure{
            QStringLiteral("データフォルダ %1 を作成できませんでした").arg(m_dir.absolutePath())};
    for (const char* name : {"module.dat", "GIA.DAT", "help.txt"}) {
        const QString target = path(QString::fromLatin1(name));
        // An empty shipped file is what an older version left when it was
        // stopped while seeding; no user keeps one on purpose.
        const QFileInfo info(target);
        const bool leftEmpty = info.isFile() && !info.isSymLink() && info.size() == 0;
        if (info.exists() && !leftEmpty)
            continue; // a file the user has: the shipped one is not even read
        QFile shipped(QStringLiteral(":/data/") + QString::fromLatin1(name));
        if (!shipped.open(QIODevice::ReadOnly))
            return Failure{
                QStringLiteral("%1 を作成できませんでした").arg(QString::fromLatin1(name))};
        const QByteArray bytes = shipped.readAll();
        const Result<> written = leftEmpty ? TextFile::writeBytesAtomically(target, bytes)
                                           : TextFile::createIfMissing(target, bytes);
        if (!written)
            return written;
    }
    return {};
}
