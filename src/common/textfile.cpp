#include "textfile.h"

#include "common/messages.h"
#include "common/textfileparts.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

// Reading the data files whole, refusing what is not a regular file.
namespace TextFile {

using namespace Parts;

namespace {

// The bytes we refuse to load whole: far beyond any real data file.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

std::optional<QByteArray> readAll(int fd, qsizetype limit)
{
    QByteArray bytes(limit, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < limit) {
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(limit - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return bytes;
}

} // namespace

Result<QByteArray> readBytes(const QString& path)
{
    const QString shown = fileName(path);
    const RegularFile file(local(path));
    switch (file.outcome()) {
    case RegularFile::Outcome::Open:
        break;
    case RegularFile::Outcome::NoStat:
        return isMissing(file.error()) ? Failure{Tr::tr("%1 が見つかりません").arg(shown), true}
                                       : Failure{Messages::cannotRead(shown, file.error())};
    case RegularFile::Outcome::NotAFile:
        return Failure{Messages::notAFile(shown)};
    case RegularFile::Outcome::NoOpen:
        return Failure{Messages::cannotRead(shown, file.error())};
    }
    const Failure tooBig{Tr::tr("%1 が大きすぎるため読み込めませんでした").arg(shown)};
    if (file.status().st_size > kMaxFileSize)
        return tooBig;
    // One byte more than the size catches a file that grew meanwhile without
    // reserving the whole limit.
    std::optional<QByteArray> bytes = readAll(file.fd(), qsizetype(file.status().st_size) + 1);
    if (!bytes)
        return Failure{Messages::cannotRead(shown, errno)};
    if (bytes->size() > kMaxFileSize)
        return tooBig;
    return std::move(*bytes);
}

Result<QStringList> read(const QString& path)
{
    const Result<QByteArray> bytes = readBytes(path);
    if (!bytes)
        return bytes.failure();
    return decodeLines(*bytes);
}

} // namespace TextFile
