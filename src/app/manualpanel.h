#pragma once

#include "form/form.h"
#include "platform/host.h"

#include <QString>

// The manual's panel (List2 with its close button Command30): shows the
// topics manual/ reads, tells the user through the host what cut one short.
namespace ManualPanel {

// Replaces the panel's rows by an empty row and the topic read from help.txt
// (its title, then its items up to "end"), and shows the panel.
void ShowManualTopic(Form& form, Host& host, const QString& helpPath, const QString& title);

// Hides the panel; the rows stay for reopening.
void close(Form& form);

// Shows the panel again with the rows as they were; loads the first topic
// when no topic was loaded before.
void reopen(Form& form, Host& host, const QString& helpPath);

} // namespace ManualPanel
