#include "textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace TextFile {

namespace {
FaultHook g_faultHook;

bool stepAllowed(const char* step) { return !g_faultHook || g_faultHook(step); }

QString fileName(const QString& path) { return QFileInfo(path).fileName(); }

QString writeFailed(const QString& path)
{
    return QStringLiteral("%1 に書き込めませんでした。ディスクの空き容量と書き込み権限を確認して下さい")
        .arg(fileName(path));
}

// The bytes we refuse to load whole: far beyond any real data file.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;
} // namespace

void setFaultHook(FaultHook hook) { g_faultHook = std::move(hook); }

QStringList decodeLines(const QByteArray& bytes)
{
    QStringDecoder decoder("CP932", QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    // The decoder turns invalid bytes into control characters on some builds;
    // NUL would cut strings short elsewhere, so it never gets past here.
    text.replace(QChar(0), QChar::ReplacementCharacter);
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

ReadResult read(const QString& path)
{
    ReadResult result;
    QFile file(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        result.missing = true;
        result.error = QStringLiteral("%1 が見つかりません").arg(fileName(path));
        return result;
    }
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("%1 を読み込めませんでした").arg(fileName(path));
        return result;
    }
    if (file.size() > kMaxFileSize) {
        result.error = QStringLiteral("%1 が大きすぎるため読み込めませんでした").arg(fileName(path));
        return result;
    }
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileSize) {
        result.error = QStringLiteral("%1 を読み込めませんでした").arg(fileName(path));
        return result;
    }
    result.lines = decodeLines(bytes);
    result.ok = true;
    return result;
}

EncodeResult encodeLines(const QStringList& lines)
{
    EncodeResult result;
    QStringEncoder encoder("CP932", QStringConverter::Flag::Stateless);
    for (const QString& line : lines) {
        const QByteArray bytes = encoder.encode(line);
        if (encoder.hasError()) {
            // Find the character that failed so the message can name it.
            for (qsizetype i = 0; i < line.size(); ++i) {
                const qsizetype len = line[i].isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
                QStringEncoder single("CP932", QStringConverter::Flag::Stateless);
                const QByteArray probe = single.encode(QStringView(line).mid(i, len));
                Q_UNUSED(probe);
                if (single.hasError()) {
                    result.badText = line.mid(i, len);
                    break;
                }
                i += len - 1;
            }
            if (result.badText.isEmpty())
                result.badText = line;
            result.bytes.clear();
            return result;
        }
        result.bytes += bytes;
        result.bytes += "\r\n";
    }
    return result;
}

QString unencodableMessage(const QString& badText)
{
    return QStringLiteral("「%1」はファイルに保存できない文字です。別の文字に置き換えて下さい").arg(badText);
}

namespace {
std::optional<QString> saveBytes(const QString& path, const QByteArray& bytes, bool work)
{
    QSaveFile file(path);
    // A folder standing where the file should be must not be replaced.
    if (QFileInfo(path).isDir() || !stepAllowed(work ? "work-open" : "data-open") ||
        !file.open(QIODevice::WriteOnly))
        return writeFailed(path);
    if (!stepAllowed(work ? "work-write" : "data-write") || file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return writeFailed(path);
    }
    if (!stepAllowed(work ? "work-sync" : "data-commit") || !file.commit())
        return writeFailed(path);
    return std::nullopt;
}
} // namespace

std::optional<QString> writeAtomically(const QString& path, const QStringList& lines)
{
    const EncodeResult encoded = encodeLines(lines);
    if (!encoded.ok())
        return unencodableMessage(encoded.badText);
    return saveBytes(path, encoded.bytes, false);
}

std::optional<QString> RewriteThroughWorkFile(const QString& dataPath, const QString& workPath,
                                              const Rewrite& rewrite)
{
    QLockFile lock(workPath + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(5000))
        return QStringLiteral("%1 は別のZELTANが書き換え中です。しばらくしてからやり直して下さい")
            .arg(fileName(dataPath));

    const ReadResult current = read(dataPath);
    if (!current.ok && !current.missing)
        return current.error;
    const EncodeResult encoded = encodeLines(rewrite(current.lines));
    if (!encoded.ok())
        return unencodableMessage(encoded.badText);

    if (auto error = saveBytes(workPath, encoded.bytes, true))
        return error;
    return saveBytes(dataPath, encoded.bytes, false);
}

} // namespace TextFile
