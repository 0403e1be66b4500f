#pragma once

#include "common/recordfile.h"
#include "common/result.h"
#include "form/form.h"

#include <QString>
#include <QStringList>

// GIA.DAT: the twelve inputs that come back at the next start.
namespace LastInputs {

constexpr int Count = 12;

// The lines in file order, each the text of a control; the one place that
// order is written. The module comes before the ranges, which loading it
// would overwrite.
extern const RecordFile::Field<Form, Control> Fields[Count];
constexpr int ModuleLine = 5;

// The twelve values in file order, taken from the window.
QStringList collect(const Form& form);

// Puts the values of lines from…to−1 back into the window.
void restore(Form& form, const QStringList& values, int from, int to);

// Whether the values can be stored (no control character in any).
Result<> check(const QStringList& values);

// The file's lines for those values (each written so that it reads back exactly).
QStringList toLines(const QStringList& values);

// The twelve values read from the file's lines; missing lines read as empty.
QStringList fromLines(const QStringList& lines);

} // namespace LastInputs
