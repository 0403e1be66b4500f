#pragma once

#include "form/form.h"

#include <QString>
#include <QStringList>
#include <optional>

// GIA.DAT: the twelve inputs that come back at the next start.
namespace LastInputs {

constexpr int Count = 12;

// The twelve values in file order, taken from the window.
QStringList collect(const Form& form);

// The file's lines for those values (each written so that it reads back exactly).
QStringList toLines(const QStringList& values);

// The twelve values read from the file's lines; missing lines read as empty.
QStringList fromLines(const QStringList& lines);

} // namespace LastInputs
