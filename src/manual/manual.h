#pragma once

#include "form/form.h"
#include "platform/host.h"

#include <QString>
#include <QStringList>

// The built-in manual: topics of help.txt shown in the panel List2.
namespace Manual {

// The topic titles in help.txt, in the order of the manual's eight menu items
// and the four of ツール → ツールの説明; in another language, the titles of
// that language's help file.
const QStringList& topicTitles();
// The help file of the window's language: help.txt, or the translation's own
// (help-en.txt). Each is found in the data folder.
QString fileName();

// Replaces the panel's rows by an empty row and the topic read from help.txt
// (its title, then its items up to "end"), and shows the panel.
void ShowManualTopic(Form& form, Host& host, const QString& helpPath, const QString& title);

// Hides the panel; the rows stay for reopening.
void close(Form& form);

// Shows the panel again with the rows as they were; loads the first topic
// when no topic was loaded before.
void reopen(Form& form, Host& host, const QString& helpPath);

} // namespace Manual
