#include "fileattributes.h"

#include <QList>

#include <cerrno>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace FileAttributes {

namespace {

// A list of names or one value, sized by asking first; it may grow between
// the two calls, hence the loop.
template <typename Call> int readSized(QByteArray& out, Call call)
{
    for (;;) {
        const ssize_t size = call(nullptr, 0);
        if (size < 0)
            return errno;
        out.resize(size);
        const ssize_t got = call(out.data(), size_t(size));
        if (got >= 0) {
            out.resize(got);
            return 0;
        }
        if (errno != ERANGE)
            return errno;
    }
}

QList<QByteArray> namesOf(const QByteArray& list)
{
    QList<QByteArray> names = list.split('\0');
    names.removeAll(QByteArray());
    return names;
}

bool unsupported(int error) { return error == ENOTSUP; }

// Extended attributes (the ACL among them): the new file gets exactly the
// old one's. What it inherited from the folder (a default ACL) goes first.
int copyExtended(const QByteArray& path, int fd)
{
    QByteArray oldList, newList;
    if (const int e = readSized(
            oldList, [&](char* b, size_t n) { return ::listxattr(path.constData(), b, n); }))
        return unsupported(e) ? 0 : e;
    if (const int e = readSized(newList, [&](char* b, size_t n) { return ::flistxattr(fd, b, n); }))
        return unsupported(e) ? 0 : e;
    const QList<QByteArray> keep = namesOf(oldList);
    for (const QByteArray& name : namesOf(newList))
        if (!keep.contains(name) && ::fremovexattr(fd, name.constData()) != 0 && errno != ENODATA)
            return errno;
    for (const QByteArray& name : keep) {
        QByteArray value;
        if (const int e = readSized(value, [&](char* b, size_t n) {
                return ::getxattr(path.constData(), name.constData(), b, n);
            }))
            return e == ENODATA ? 0 : e;
        if (::fsetxattr(fd, name.constData(), value.constData(), size_t(value.size()), 0) != 0)
            return errno;
    }
    return 0;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

int copy(const QByteArray& path, int fd)
{
    struct stat st;
    if (::stat(path.constData(), &st) != 0)
        return errno;
    // Owner first: a change of owner clears the set-id bits the mode restores.
    if (::fchown(fd, st.st_uid, st.st_gid) != 0 || ::fchmod(fd, st.st_mode & 07777) != 0)
        return errno;
    return copyExtended(path, fd);
}

int forNewFile(int fd)
{
    return ::fchmod(fd, (0666 & ~currentUmask()) | S_IRUSR | S_IWUSR) == 0 ? 0 : errno;
}

} // namespace FileAttributes
