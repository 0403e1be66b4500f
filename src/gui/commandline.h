#pragma once

#include "language.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The program's command line, worked out before any window or display
// exists, so --help and --version work on a bare terminal.
namespace CommandLine {

// The exit status of a command-line mistake or an unusable data folder.
inline constexpr int UsageError = 2;

struct Outcome
{
    bool openWindow = true;
    int exitCode = 0;   // when the window is not opened
    QString out;        // for standard output: the help or the version
    QString error;      // for standard error
    QString dataFolder; // --data-dir or the default folder, absolute, made and writable
    std::optional<Language::Choice> language; // --lang
};

// argv as main has it, the program's name first: file names are bytes. Qt's
// own options (-platform, -style …) pass through for QApplication.
Outcome parse(const QList<QByteArray>& argv);

// The language --lang asks for, read before anything is parsed, so that the
// help and the command line's own messages are in it; none when it is absent
// or not one the program speaks (parse then says so).
std::optional<Language::Choice> languageAsked(const QList<QByteArray>& argv);

} // namespace CommandLine
