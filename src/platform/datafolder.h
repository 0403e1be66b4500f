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

    // A folder name given as bytes (an argument, an environment variable) as
    // the program holds it. A name Qt's file-name decoding cannot keep
    // unchanged fails: another folder must never be used in its place.
    static Result<QString> nameFromBytes(const QByteArray& bytes);

    // $XDG_DATA_HOME/zeltan, or $HOME/.local/share/zeltan when XDG_DATA_HOME
    // is unset, empty or relative (which the XDG rules say to ignore).
    static Result<QString> defaultLocation();

    // Creates the folder when missing and checks that a file can be made in
    // it, so a folder that cannot be written fails now, not at the first
    // save after the user's work.
    static Result<> makeUsable(const QString& folder);

    // Writes the shipped module.dat, GIA.DAT, help.txt and help-en.txt into the folder when
    // they are missing there (creating the folder too); fails with the first
    // file that could not be written.
    Result<> seedShippedFiles() const;

private:
    QDir m_dir;
};
