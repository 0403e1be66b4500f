#pragma once

// The cases of bench_files, each run in a child process of its own over a
// data folder the driver prepared. Each prints its figures as key=value
// tokens (times in ms, memory in kB) and any message text as "# " lines.

#include <QString>

namespace FileCases {

// Without a window: Giadsp and Form_Load, as the tests drive it.
int load(const QString& folder);                  // start-up alone
int topic(const QString& folder, int iterations); // then manualTopic_Click(0)
int pick(const QString& folder, int iterations);  // then List1_Click on rows far apart

// Through the real MainWindow (QApplication, AppSetup, start, show).
int window(const QString& folder, int argc, char** argv); // to the first frame
int windowTopic(const QString& folder, int iterations, int argc, char** argv);
int windowPick(const QString& folder, int iterations, int argc, char** argv);
// SET presses, opening the module list, picking its last module, SET again.
int windowCombo(const QString& folder, int iterations, int argc, char** argv);

} // namespace FileCases
