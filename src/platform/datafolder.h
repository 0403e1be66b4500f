#pragma once

#include "common/result.h"

#include <QDir>
#include <QString>

// The working folder and the names of the files the program keeps there.
class DataFolder
{
public:
    explicit DataFolder(const QString& folder) : m_dir(folder) {}

    QString path(const QString& fileName) const { return m_dir.filePath(fileName); }
    QString folder() const { return m_dir.absolutePath(); }

    QString lastInputs() const { return path(QStringLiteral("GIA.DAT")); }
    QString modules() const { return path(QStringLiteral("module.dat")); }
    QString modulesWork() const { return path(QStringLiteral("modulewk.dat")); }
    QString machines() const { return path(QStringLiteral("masin.dat")); }
    QString machinesWork() const { return path(QStringLiteral("mawork.dat")); }
    QString help() const { return path(QStringLiteral("help.txt")); }

    // Writes the shipped module.dat, GIA.DAT and help.txt into the folder when
    // they are missing there (creating the folder too); fails with the first
    // file that could not be written.
    Result<> seedShippedFiles() const;

private:
    QDir m_dir;
};
