#pragma once

#include "common/result.h"

#include <QString>
#include <QStringList>

// The built-in manual: topics of help.txt, shown in the panel List2.
namespace Manual {

// The topic titles in help.txt, in the order of the manual's eight menu items
// and the four of ツール → ツールの説明; in another language, the titles of
// that language's help file.
const QStringList& topicTitles();
// The help file of the window's language: help.txt, or the translation's own
// (help-en.txt). Each is found in the data folder.
QString fileName();

// A topic as help.txt holds it: its title, then its items up to "end". A
// topic cut short (too long, or no "end") keeps the rows read and says so in
// notice; a title help.txt lacks gives no rows. Fails only when help.txt
// cannot be read.
struct Topic
{
    QStringList rows;
    QString notice;
};
Result<Topic> readTopic(const QString& helpPath, const QString& title);

} // namespace Manual
