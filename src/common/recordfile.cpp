#include "recordfile.h"

#include "common/recordsyntax.h"
#include "common/textfile.h"

namespace RecordFile {

Records read(const QString& path, int fieldCount)
{
    Records result;
    const TextFile::ReadResult file = TextFile::read(path);
    result.missing = file.missing;
    if (!file.ok) {
        result.error = file.error;
        return result;
    }
    result.records = RecordSyntax::readRecords(file.lines, fieldCount);
    return result;
}

Rewritten replaceByName(const QString& dataPath, const QString& workPath, int fieldCount,
                        const QString& name, const std::optional<QStringList>& added)
{
    Rewritten result;
    const auto error =
        TextFile::RewriteThroughWorkFile(dataPath, workPath, [&](const QStringList& current) {
            QStringList lines;
            result.names.clear();
            if (added) {
                lines.append(RecordSyntax::writeRecord(*added));
                result.names.append(added->value(0));
            }
            for (const QStringList& fields : RecordSyntax::readRecords(current, fieldCount)) {
                if (fields.value(0) != name) {
                    lines.append(RecordSyntax::writeRecord(fields));
                    result.names.append(fields.value(0));
                }
            }
            return lines;
        });
    if (error) {
        result.error = *error;
        result.names.clear();
    }
    return result;
}

} // namespace RecordFile
