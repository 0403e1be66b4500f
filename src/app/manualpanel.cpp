#include "manualpanel.h"

#include "manual/manual.h"

namespace ManualPanel {

namespace {
void showPanel(Form& form, bool shown = true)
{
    form.manualPanel().visible = shown;
    form.manualClose().visible = shown;
}
} // namespace

void ShowManualTopic(Form& form, Host& host, const QString& helpPath, const QString& title)
{
    form.manualPanel().clearList();
    form.manualPanel().items.append(QString());
    showPanel(form);

    const Result<Manual::Topic> topic = Manual::readTopic(helpPath, title);
    if (!topic) {
        host.message(topic.error());
        return;
    }
    // The rows read stay shown even when the topic was cut short.
    for (const QString& row : topic->rows)
        form.manualPanel().items.append(row);
    if (!topic->notice.isEmpty())
        host.message(topic->notice);
}

void close(Form& form) { showPanel(form, false); }

void reopen(Form& form, Host& host, const QString& helpPath)
{
    if (form.manualPanel().visible)
        return;
    if (!form.manualPanel().items.value(1).isEmpty())
        showPanel(form);
    else
        ShowManualTopic(form, host, helpPath, Manual::topicTitles().first());
}

} // namespace ManualPanel
