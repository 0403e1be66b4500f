#pragma once

#include "calc/drive.h"

#include <QString>
#include <QStringList>

// drive.dat: what the 走行計算 window keeps between runs, one value a line:
// the inputs, the reference setup, and the inputs the reference was taken with.
namespace DriveFile {

inline const QString FileName = QStringLiteral("drive.dat");

struct Contents
{
    Drive::Inputs inputs;
    Drive::Setup reference;
    Drive::Inputs referenceInputs;
};

QStringList toLines(const Contents& contents);
Contents fromLines(const QStringList& lines); // missing lines read as empty

} // namespace DriveFile
