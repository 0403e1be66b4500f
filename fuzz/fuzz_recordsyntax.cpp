// The field syntax of every data file: any line must read without a crash,
// every record must come out with exactly the asked field count, and fields
// written back by the same syntax must read back exactly.

#include "common/recordfile.h"
#include "common/recordsyntax.h"
#include "common/textfile.h"
#include "fuzzsupport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the decoding (file bytes or any Unicode) and the
    // record width; the rest is the text.
    const uint8_t mode = data[0];
    const QByteArray raw = Fuzz::bytes(data + 1, size - 1);
    const QStringList lines =
        mode & 1 ? TextFile::decodeLines(raw) : QString::fromUtf8(raw).split(u'\n');
    const int fieldCount = (mode >> 1) % 16;

    for (const QString& line : lines) {
        const QStringList fields = RecordSyntax::readFields(line);
        Fuzz::check(!fields.isEmpty(), "readFields gave no field", line);
        Fuzz::check(RecordSyntax::readFirstField(line) == fields.first(),
                    "readFirstField differs from the first of readFields", line);
        const QString written = RecordSyntax::writeRecord(fields);
        Fuzz::check(RecordSyntax::readFields(written) == fields,
                    "a written record does not read back", line + u'|' + written);
        for (const QString& field : fields) {
            Fuzz::check(RecordSyntax::readFirstField(RecordSyntax::writeField(field)) == field,
                        "a written field does not read back", field);
        }
    }

    const RecordFile::Snapshot records = RecordFile::Snapshot::of(raw);
    Fuzz::check(records.size() <= TextFile::decodeLines(raw).size(), "more records than lines");
    for (qsizetype i = 0; i < records.size(); ++i)
        Fuzz::check(records.fields(i, fieldCount).size() == fieldCount,
                    "record not cut or padded to the count");
    return 0;
}
