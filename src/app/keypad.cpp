#include "keypad.h"

namespace Keypad {

QString pressDigit(const QString& entry, QChar digit)
{
    if (entry == Empty)
        return digit == u'0' ? entry : QString(digit);
    return entry + digit;
}

QString pressPoint(const QString& entry, QChar point)
{
    if (entry.contains(point) || entry == Empty)
        return entry;
    return entry + point;
}

} // namespace Keypad
