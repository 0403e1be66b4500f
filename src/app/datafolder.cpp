#include "datafolder.h"

#include <QFile>

// The shipped files are compiled into the static core library; its resource
// initialiser must be referenced or the linker drops it.
static void initShippedResources() { Q_INIT_RESOURCE(data); }

QString DataFolder::seedShippedFiles() const
{
    initShippedResources();
    if (!m_dir.exists() && !QDir().mkpath(m_dir.absolutePath()))
        return QStringLiteral("データフォルダ %1 を作成できませんでした").arg(m_dir.absolutePath());
    for (const char* name : {"module.dat", "GIA.DAT", "help.txt"}) {
        const QString target = path(QString::fromLatin1(name));
        if (QFile::exists(target))
            continue;
        QFile shipped(QStringLiteral(":/data/") + QString::fromLatin1(name));
        QFile out(target);
        if (!shipped.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly) ||
            out.write(shipped.readAll()) != shipped.size() || !out.flush()) {
            out.remove();
            return QStringLiteral("%1 を作成できませんでした").arg(QString::fromLatin1(name));
        }
        out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                           QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
    return QString();
}
