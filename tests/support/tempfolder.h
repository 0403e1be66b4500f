#pragma once

#include "common/textfile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh working folder per test, with helpers to put and read data files as
// the program stores them (CP932, CR LF).
class TempFolder
{
public:
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

    void write(const QString& name, const QStringList& lines) const
    {
        writeBytes(name, TextFile::encodeLines(lines).bytes);
    }
    void writeBytes(const QString& name, const QByteArray& bytes) const
    {
        QFile f(file(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
    QByteArray bytes(const QString& name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList lines(const QString& name) const
    {
        const Result<QStringList> read = TextFile::read(file(name));
        return read ? *read : QStringList();
    }
    bool exists(const QString& name) const { return QFile::exists(file(name)); }

private:
    QTemporaryDir m_dir;
};

// CP932 bytes of lines, each ended by CR LF, for byte-for-byte comparisons.
inline QByteArray cp932(const QStringList& lines) { return TextFile::encodeLines(lines).bytes; }
