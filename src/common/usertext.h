#pragma once

#include <QString>

namespace UserText {

// A value as a message quotes it: a long one (a pasted page, a 600-digit
// entry) keeps its start and end with "…" between, so the box stays readable.
inline QString elided(const QString& value, qsizetype max = 40)
{
    if (value.size() <= max)
        return value;
    const qsizetype head = (max - 1) / 2;
    return value.left(head) + QChar(0x2026) + value.right(max - 1 - head);
}

} // namespace UserText

// A text that is a key rather than a word to the user: a field name in a data
// file, a CSV heading, a help.txt topic, a font's family. It stays as written
// in every language, so a translation can never change a file.
#define ZELTAN_KEY(text) text
