#include "textfile.h"

#include "common/cp932table.h"
#include "common/textfileparts.h"

#include <QStringDecoder>
#include <QStringEncoder>

// The CP932 text of the data files: decoded, encoded, split into lines.
namespace TextFile {

using Parts::Tr;

namespace {

// Characters typed by JIS-minded input methods, stored as the CP932 character
// that stands at their place in the Windows code page.
QChar windowsForm(QChar c)
{
    switch (c.unicode()) {
    case 0x301C:
        return QChar(0xFF5E); // 〜 → ～ (0x8160)
    case 0x2016:
        return QChar(0x2225); // ‖ → ∥ (0x8161)
    case 0x2212:
        return QChar(0xFF0D); // − → － (0x817C)
    case 0x2014:
        return QChar(0x2015); // — → ― (0x815C)
    case 0x00A2:
        return QChar(0xFFE0); // ¢ → ￠ (0x8191)
    case 0x00A3:
        return QChar(0xFFE1); // £ → ￡ (0x8192)
    case 0x00AC:
        return QChar(0xFFE2); // ¬ → ￢ (0x81CA)
    default:
        return c;
    }
}
} // namespace

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const uchar b = uchar(bytes[i]);
        char16_t u = QChar::ReplacementCharacter;
        if (b >= 0x01 && b <= 0x7F) {
            u = b;
        } else if (b >= 0xA1 && b <= 0xDF) {
            u = char16_t(0xFF61 + (b - 0xA1));
        } else if (Cp932::isLead(b) && i + 1 < n && Cp932::isTrail(uchar(bytes[i + 1]))) {
            // The single bytes are fixed by the Windows mapping; the pairs
            // come from the table compiled from the converter.
            const char16_t mapped = Cp932::DoubleBytes[Cp932::pairIndex(b, uchar(bytes[i + 1]))];
            ++i;
            if (mapped)
                u = mapped;
        }
        *out++ = QChar(u);
    }
    text.truncate(out - text.constData());
    return text;
}

bool LineReader::next(QByteArrayView& line)
{
    const qsizetype n = m_bytes.size();
    if (m_pos >= n)
        return false;
    qsizetype end = m_pos;
    while (end < n && m_bytes[end] != '\n' && m_bytes[end] != '\r')
        ++end;
    line = m_bytes.sliced(m_pos, end - m_pos);
    if (end < n && m_bytes[end] == '\r' && end + 1 < n && m_bytes[end + 1] == '\n')
        ++end;
    m_pos = end + 1;
    return true;
}

QStringList decodeLines(QByteArrayView bytes)
{
    QStringList lines;
    LineReader reader(bytes);
    for (QByteArrayView line; reader.next(line);)
        lines.append(decode(line));
    return lines;
}

QString asStored(const QString& text)
{
    QString stored = text;
    for (QChar& c : stored)
        c = windowsForm(c);
    return stored;
}

EncodeResult encode(const QString& line)
{
    EncodeResult result;
    const QString text = asStored(line);
    QStringEncoder encoder("CP932", QStringConverter::Flag::Stateless);
    result.bytes = encoder.encode(text);
    // Whatever is written must read back as it was meant.
    if (!encoder.hasError() && decode(result.bytes) == text && !text.contains(QChar(0)))
        return result;
    result.bytes.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype len = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString piece = text.mid(i, len);
        QStringEncoder single("CP932", QStringConverter::Flag::Stateless);
        const QByteArray probe = single.encode(piece);
        if (single.hasError() || decode(probe) != piece || piece == QChar(0)) {
            result.badText = line.mid(i, len);
            return result;
        }
        i += len - 1;
    }
    result.badText = line;
    return result;
}

EncodeResult encodeLines(const QStringList& lines)
{
    EncodeResult result;
    for (const QString& line : lines) {
        EncodeResult one = encode(line);
        if (!one.ok())
            return one;
        result.bytes += one.bytes;
        result.bytes += "\r\n";
    }
    return result;
}

QString unencodableMessage(const QString& badText)
{
    return Tr::tr("「%1」はファイルに保存できない文字です。別の文字に置き換えて下さい")
        .arg(badText);
}

} // namespace TextFile
