// The CP932 boundary: any bytes decode into lines without line ends or NUL,
// and whatever the encoder accepts decodes back to the very same lines (a
// character it cannot hold must be reported, never written as something else).

#include "common/textfile.h"
#include "fuzzsupport.h"

#include <cstddef>
#include <cstdint>

namespace {

void checkRoundTrip(const QStringList& lines)
{
    const TextFile::EncodeResult encoded = TextFile::encodeLines(lines);
    if (!encoded.ok()) {
        Fuzz::check(encoded.bytes.isEmpty(), "bytes kept after a refused character");
        Fuzz::check(lines.join(u'\n').contains(encoded.badText),
                    "the refused character is not in the text", encoded.badText);
        return;
    }
    Fuzz::check(encoded.bytes.count("\r\n") >= lines.size(), "a line lost its CR LF");
    QStringList stored;
    for (const QString& line : lines)
        stored.append(TextFile::asStored(line));
    const QStringList back = TextFile::decodeLines(encoded.bytes);
    if (back != stored) {
        QString detail;
        for (qsizetype i = 0; i < qMin(back.size(), lines.size()); ++i) {
            if (back[i] != stored[i]) {
                for (qsizetype k = 0; k < qMin(back[i].size(), stored[i].size()); ++k) {
                    if (back[i][k] != stored[i][k]) {
                        detail = QStringLiteral("U+%1 came back as U+%2")
                                     .arg(stored[i][k].unicode(), 4, 16, QChar(u'0'))
                                     .arg(back[i][k].unicode(), 4, 16, QChar(u'0'));
                        break;
                    }
                }
                break;
            }
        }
        Fuzz::fail("written lines do not read back", detail);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray raw = Fuzz::bytes(data + 1, size - 1);
    if (data[0] & 1) {
        // Any text the program could hold (typed names), as lines.
        QString text = QString::fromUtf8(raw);
        // NUL never gets past the decoder, and CR ends a line, so neither is in a line.
        text.remove(QChar(0));
        text.remove(QChar(u'\r'));
        QStringList lines = text.split(u'\n');
        checkRoundTrip(lines);
        return 0;
    }
    const QStringList lines = TextFile::decodeLines(raw);
    Fuzz::check(lines.size() <= raw.count('\n') + raw.count('\r') + 1, "more lines than line ends");
    for (const QString& line : lines) {
        Fuzz::check(!line.contains(u'\n') && !line.contains(u'\r'), "a line holds a line end");
        Fuzz::check(!line.contains(QChar(0)), "a line holds NUL");
    }
    checkRoundTrip(lines);
    return 0;
}
