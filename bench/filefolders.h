#pragma once

// The data folders of bench_files: the shipped files, five machines and a
// manual of realistic size, then one big file that gives the folder its name.

#include <QDir>
#include <QtGlobal>

#include <string>

namespace FileFolders {

constexpr qint64 MiB = 1024 * 1024;
constexpr qint64 TitleHelpSize = 64 * MiB - 1024; // just under the largest file read
constexpr qint64 CommaHelpSize = 60000000;
constexpr qint64 HugeHelpSize = 1024 * MiB; // sparse: refused by its size
// The costliest shapes found for a help.txt without the title: one-letter
// items, as many as fit, split by commas or by line ends.
constexpr qint64 LetterHelpSize = 64 * MiB - 1024;
constexpr int ModuleLines = 1000000;
constexpr int MachineLines = 100000;

// Writes the folder `name` under root ("small", "help-title", "modules" …).
bool prepare(const QDir& root, const std::string& name);

// Dates every file under root a day back and syncs it to the disk.
void dateBack(const QDir& root);

} // namespace FileFolders
