#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Data files are Shift-JIS (the Windows code page CP932) with CR LF line ends.
// Conversion happens here and nowhere else; inside the program text is Unicode.
namespace TextFile {

struct ReadResult
{
    bool ok = false;
    bool missing = false; // the file does not exist
    QStringList lines;    // without line ends; a final line end adds no empty line
    QString error;        // Japanese text for the user when !ok
};

// Reads and decodes a whole file. Bytes that are not CP932 decode to U+FFFD
// rather than failing the read, so one bad byte never hides a whole list.
ReadResult read(const QString& path);

// Decodes CP932 bytes into lines (CR LF or a lone LF end a line).
QStringList decodeLines(const QByteArray& bytes);

struct EncodeResult
{
    QByteArray bytes;
    QString badText; // the first character CP932 cannot hold, if any
    bool ok() const { return badText.isEmpty(); }
};

// Encodes lines, each ended by CR LF. A character outside CP932 is reported,
// never written as a substitute.
EncodeResult encodeLines(const QStringList& lines);

// Message for a character that cannot be written.
QString unencodableMessage(const QString& badText);

// Test hook: called before each step of a file write ("work-open",
// "work-write", "work-sync", "data-open", "data-write", "data-commit");
// returning false makes that step fail as a full disk or I/O error would.
using FaultHook = std::function<bool(const char* step)>;
void setFaultHook(FaultHook hook);

// Replaces a file whole and atomically (temporary file, then rename).
// Returns an error message, or nothing on success.
std::optional<QString> writeAtomically(const QString& path, const QStringList& lines);

// The same for bytes that are already encoded (a rendered PDF, say).
std::optional<QString> writeBytesAtomically(const QString& path, const QByteArray& bytes);

// Builds the new lines of a data file from its current lines.
using Rewrite = std::function<QStringList(const QStringList& current)>;

// The work-file scheme of the data lists: under a lock on the work file the
// data file is read, the whole new content goes into the work file (which
// stays on disk), then replaces the data file atomically. The lock spans the
// read, so two copies of the program in one folder never lose each other's
// records. A missing data file reads as empty. Returns an error message, or
// nothing on success; on failure the data file is as it was.
std::optional<QString> RewriteThroughWorkFile(const QString& dataPath, const QString& workPath,
                                              const Rewrite& rewrite);

} // namespace TextFile
