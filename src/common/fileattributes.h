#pragma once

#include <QByteArray>
#include <sys/types.h>

// What a rewritten file must keep of the one it replaces: owner, group, mode,
// ACL and every other extended attribute, so a rewrite never widens or
// narrows anyone's rights.
namespace FileAttributes {

// Gives the new file at fd everything of the file at path (followed if a
// link). Returns 0, or the errno of the first thing that could not be kept.
int copy(const QByteArray& path, int fd);

// A file of our own: 0666 less the umask, but always readable and writable
// by its owner, so the next start can read it and the next save replace it.
int forNewFile(int fd);

} // namespace FileAttributes
