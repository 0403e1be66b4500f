#pragma once

// What the readers and the writer of text files share: their messages'
// catalogue, how a path is named to the system, and a regular file opened
// without waiting.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TextFile::Parts {

// What the files tell the user, through Qt's translation.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Files)
};

inline QString fileName(const QString& path) { return QFileInfo(path).fileName(); }

inline QByteArray local(const QString& path) { return QFile::encodeName(path); }

inline bool isMissing(int error) { return error == ENOENT || error == ENOTDIR; }

// Reads what fd holds, at most limit bytes; errno on failure.
// A regular file opened for reading without waiting: a FIFO in its place
// would wait for a writer for ever. Tells which step failed, with errno.
class RegularFile
{
public:
    enum class Outcome { Open, NoStat, NotAFile, NoOpen };

    explicit RegularFile(const QByteArray& name)
    {
        if (::stat(name.constData(), &m_stat) != 0) {
            m_error = errno;
            m_outcome = Outcome::NoStat;
        } else if (!S_ISREG(m_stat.st_mode)) {
            m_outcome = Outcome::NotAFile;
        } else if (m_fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); m_fd < 0) {
            m_error = errno;
            m_outcome = Outcome::NoOpen;
        } else if (::fstat(m_fd, &m_stat) != 0 || !S_ISREG(m_stat.st_mode)) {
            m_outcome = Outcome::NotAFile; // swapped since the check
        }
    }
    ~RegularFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    Outcome outcome() const { return m_outcome; }
    int error() const { return m_error; }
    int fd() const { return m_fd; }
    const struct stat& status() const { return m_stat; }

private:
    struct stat m_stat = {};
    int m_fd = -1;
    int m_error = 0;
    Outcome m_outcome = Outcome::Open;
};

} // namespace TextFile::Parts
