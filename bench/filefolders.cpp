#include "filefolders.h"

#include "benchwindow.h"

#include <QDirIterator>
#include <QFile>

#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileFolders {

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}

// Lines as the program writes them: CP932, each ended by CR LF.
QByteArray encoded(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += TextFile::encode(line).bytes + "\r\n";
    return bytes;
}

// The shipped files, five machines and a manual of realistic size, as
// bench_gui has them; written here, not by the program, so the folder is
// the same whatever the program would do at start-up.
bool seed(const DataFolder& files)
{
    if (!QDir().mkpath(files.folder()))
        return false;
    for (const char* name : {"module.dat", "GIA.DAT"}) {
        QFile shipped(QStringLiteral(":/data/") + QString::fromLatin1(name));
        if (!shipped.open(QIODevice::ReadOnly) ||
            !writeFile(files.path(QString::fromLatin1(name)), shipped.readAll()))
            return false;
    }
    return writeFile(files.machines(), encoded(kMachines)) &&
           writeFile(files.help(), encoded(realisticHelp()));
}

} // namespace

// Writes one data folder: the shipped files, then the big file of the case.
bool prepare(const QDir& root, const std::string& name)
{
    const DataFolder files(root.filePath(QString::fromStdString(name)));
    if (!seed(files))
        return false;
    if (name == "help-title") {
        QByteArray bytes = TextFile::encode(Manual::topicTitles().first()).bytes + "\r\n";
        bytes.append(QByteArray(TitleHelpSize - bytes.size(), ','));
        return writeFile(files.help(), bytes);
    }
    if (name == "help-commas")
        return writeFile(files.help(), QByteArray(CommaHelpSize, ','));
    if (name == "help-letters")
        return writeFile(files.help(), QByteArray("a,").repeated(LetterHelpSize / 2));
    if (name == "help-lines")
        return writeFile(files.help(), QByteArray("a\n").repeated(LetterHelpSize / 2));
    if (name == "help-huge") {
        QFile file(files.help());
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.resize(HugeHelpSize);
    }
    if (name == "modules" || name == "modules-last") {
        // The shipped modules (the saved inputs name one), then a million more.
        QFile shipped(files.modules());
        if (!shipped.open(QIODevice::ReadOnly))
            return false;
        QByteArray bytes = shipped.readAll();
        shipped.close();
        char line[64];
        for (int i = 0; i < ModuleLines; ++i)
            bytes.append(line,
                         std::snprintf(line, sizeof line, "M%d,70,100,1,70,15,30,1,15\r\n", i));
        if (!writeFile(files.modules(), bytes))
            return false;
        if (name == "modules")
            return true;
        // The last of the million as the module in use: line 6 of GIA.DAT.
        QFile saved(files.lastInputs());
        if (!saved.open(QIODevice::ReadOnly))
            return false;
        QList<QByteArray> lines = saved.readAll().split('\n');
        saved.close();
        if (lines.size() < 6)
            return false;
        lines[5] = "M" + QByteArray::number(ModuleLines - 1) + "\r";
        return writeFile(files.lastInputs(), lines.join('\n'));
    }
    if (name == "machines") {
        QStringList lines;
        lines.reserve(MachineLines);
        for (int i = 0; i < MachineLines; ++i)
            lines.append(
                QStringLiteral("マシン%1,48P,2.6,75,15,20,15,1,1").arg(i, 6, 10, QChar(u'0')));
        return writeFile(files.machines(), encoded(lines));
    }
    return name == "small";
}

// Every file a day old, as a user's files are, and on the disk: a save's
// sync must not wait for the writeback of files written a moment ago.
void dateBack(const QDir& root)
{
    const timespec past{time(nullptr) - 86400, 0};
    const timespec times[2] = {past, past};
    QDirIterator it(root.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QByteArray path = QFile::encodeName(it.next());
        utimensat(AT_FDCWD, path.constData(), times, 0);
        const int fd = open(path.constData(), O_RDONLY);
        if (fd >= 0) {
            fsync(fd);
            close(fd);
        }
    }
}

} // namespace FileFolders
