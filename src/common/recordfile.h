#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The two record lists (modules and machines) share one shape: records of a
// fixed number of fields keyed by the first, rewritten through a work file.
namespace RecordFile {

struct Records
{
    QList<QStringList> records; // each padded or cut to the field count
    bool missing = false;       // the file does not exist
    QString error;              // a message when the file is missing or cannot be read
};

Records read(const QString& path, int fieldCount);

struct Rewritten
{
    QString error;     // a message when the file was left as it was
    QStringList names; // the keys of the records now in the file, in order
};

// Rewrites the file through its work file: the added record first (if any),
// then every record whose key differs from name, in file order. The keys come
// back so the lists on screen need not read the file again.
Rewritten replaceByName(const QString& dataPath, const QString& workPath, int fieldCount,
                        const QString& name, const std::optional<QStringList>& added);

} // namespace RecordFile
