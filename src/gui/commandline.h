#pragma once

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
    QString dataFolder; // --data-dir as an absolute path, ready for use; "" for the default
};

// arguments as in main's argv, the program's name first. Qt's own options
// (-platform, -style …) pass through for QApplication.
Outcome parse(const QStringList& arguments);

// Creates the folder when missing and checks a file can be made in it:
// "" when it is usable, otherwise why not.
QString checkDataFolder(const QString& folder);

} // namespace CommandLine
