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

// What the user calls each value, in file order.
const QStringList& fieldNames();

// A message when a value cannot be stored (a control character in it).
std::optional<QString> problem(const QStringList& values);

// The file's lines for those values (each written so that it reads back exactly).
QStringList toLines(const QStringList& values);

// The twelve values read from the file's lines; missing lines read as empty.
QStringList fromLines(const QStringList& lines);

} // namespace LastInputs
