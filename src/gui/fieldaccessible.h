#pragma once

#include <QString>

class QApplication;

// What a screen reader reads of a text field. Qt 6.4 tells AT-SPI a field's
// text attributes over zero-length ranges, and Orca then reads "3900" as
// "390"; and a field tabbed into while empty says nothing, its caret event
// having come before its focus event. Here every QLineEdit reports one
// attribute run over its whole text, and an empty field taking the focus has
// its name said by its window's announcer.
namespace FieldAccessible {

void install(QApplication& app);
// What is said of an empty field taking the focus: "モーターKV値、空欄".
QString emptyField(const QString& name);

} // namespace FieldAccessible
