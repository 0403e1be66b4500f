#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Data files are Shift-JIS (the Windows code page CP932) with CR LF line ends.
// Conversion happens here and nowhere else; inside the program text is Unicode.
namespace TextFile {

// Decodes CP932 bytes with the Windows mapping. A byte or pair that is not
// CP932 (0x80, 0xA0, 0xFD–0xFF, a lead byte without its trail, an unassigned
// pair) and NUL become U+FFFD, so one bad byte never hides a whole list.
QString decode(QByteArrayView bytes);

// Walks the lines of a file's bytes: CR LF, LF and a lone CR each end a line,
// and a final line end adds no empty line.
class LineReader
{
public:
    explicit LineReader(QByteArrayView bytes) : m_bytes(bytes) {}
    bool next(QByteArrayView& line);

private:
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

// Decodes bytes into lines.
QStringList decodeLines(QByteArrayView bytes);

struct EncodeResult
{
    QByteArray bytes;
    QString badText; // the first character CP932 cannot hold, if any
    bool ok() const { return badText.isEmpty(); }
};

// The text as it reads back once stored: the JIS forms below turned into the
// Windows code page's characters.
QString asStored(const QString& text);

// Encodes one line (no line end). The JIS forms Japanese input methods type
// for characters CP932 holds under other code points (〜 U+301C, − U+2212 …)
// are stored as those characters' bytes; anything else CP932 cannot hold is
// reported, never written as a substitute.
EncodeResult encode(const QString& line);

// Encodes lines, each ended by CR LF.
EncodeResult encodeLines(const QStringList& lines);

// Message for a character that cannot be written.
QString unencodableMessage(const QString& badText);

// A file's bytes as they lie on disk; a missing file fails with missing set.
// Only a regular file is opened (a FIFO is never waited on).
Result<QByteArray> readBytes(const QString& path);

// A whole (small) file decoded into lines, without their line ends.
Result<QStringList> read(const QString& path);

// Test hook: sees the outcome of each call of a file write ("work-open",
// "work-write", "work-sync", "work-rename", "work-folder-sync", the same
// with "data-") once it succeeded; returning false turns it into a failure
// (EIO), as a full disk or an I/O error would.
using FaultHook = std::function<bool(const char* step)>;
void setFaultHook(FaultHook hook);

// The longest file name whose temporary file (11 bytes more) still fits the
// file system's limit of 255 bytes.
inline constexpr qsizetype MaxFileNameBytes = 255 - 11;

// Replaces a file whole and atomically: a temporary file in the same folder,
// written, synced, then renamed over it, and the folder synced. A symbolic
// link stays a link: its target is replaced in the target's own folder. The
// file keeps its owner, group, mode, ACL and other extended attributes; a new
// file gets 0666 less the umask, never less than the owner's read and write.
// A file that is not a regular one, cannot be read or has lost its write
// permission is not replaced. Temporary files of killed writes older than an
// hour are removed. On failure the old file is as it was, and the message
// ends with the system's reason.
Result<> writeAtomically(const QString& path, const QStringList& lines);
Result<> writeBytesAtomically(const QString& path, const QByteArray& bytes);

// Writes a new file only where nothing of that name exists (a dangling link
// included, which is reported rather than followed). Done when the file was
// written or already there.
Result<> createIfMissing(const QString& path, const QByteArray& bytes);

// Builds a data file's new bytes from its current ones, or fails when the
// change cannot be made.
using Rewrite = std::function<Result<QByteArray>(QByteArrayView current)>;

// The work-file scheme of the data lists: under a lock on the work file the
// data file is read, the whole new content goes into the work file (which
// stays on disk), then replaces the data file atomically. The lock spans the
// read, so two copies of the program in one folder never lose each other's
// records. A missing data file reads as empty. On failure the data file is as it was.
Result<> RewriteThroughWorkFile(const QString& dataPath, const QString& workPath,
                                const Rewrite& rewrite);

} // namespace TextFile
