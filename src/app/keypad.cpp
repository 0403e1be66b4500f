#include "keypad.h"

#include "common/messages.h"
#include "common/numbertext.h"

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

Result<QString> taken(const QString& entry, As as)
{
    if (as == As::Text)
        return entry;
    if (const auto count = NumberText::toCount(entry))
        return NumberText::count(*count);
    return Failure{NumberText::isNumberText(entry) ? Messages::entryBeyondTeeth(entry)
                                                   : Messages::entryNotANumber(entry)};
}

} // namespace Keypad
