#pragma once

#include "common/result.h"

#include <QChar>
#include <QString>

// The keypad builds a number as text in its display; "0" means nothing typed.
namespace Keypad {

inline const QString Empty = QStringLiteral("0");

// A digit key: "0" does not extend an empty entry, any other digit replaces it.
QString pressDigit(const QString& entry, QChar digit);

// The point key adds "." once, and never to an empty entry. The whole entry is
// checked, so however long it grows it never takes a second point.
// (The key is always "."; it is taken so every key press has one shape.)
QString pressPoint(const QString& entry, QChar point = u'.');

// How a SET button takes the entry: a ratio as typed, or a number of teeth
// rounded to a whole count (halves to even) within 16 bits.
enum class As { Text, Count };

// The entry as its target shows it, or why it cannot be taken.
Result<QString> taken(const QString& entry, As as);

} // namespace Keypad
