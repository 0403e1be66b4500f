#include "manual.h"

#include "common/recordsyntax.h"
#include "common/textfile.h"

namespace Manual {

namespace {
const QString EndItem = QStringLiteral("end");

void showPanel(Form& form)
{
    form.List2.visible = true;
    form.Command30.visible = true;
}
} // namespace

const QStringList& topicTitles()
{
    static const QStringList titles = {
        QStringLiteral("２次減速比の調査"),       QStringLiteral("スパーギア歯数の調査"),
        QStringLiteral("ピニオンギア歯数の調査"), QStringLiteral("減速比の調査"),
        QStringLiteral("指定減速比の調査"),       QStringLiteral("指定減速比調査時のパラメータ"),
        QStringLiteral("マシンの選択＆登録"),     QStringLiteral("計算結果のプリント"),
    };
    return titles;
}

QStringList items(const QStringList& lines)
{
    QStringList result;
    for (const QString& line : lines)
        result.append(RecordSyntax::readFields(line));
    return result;
}

void ShowManualTopic(Form& form, Host& host, const QString& helpPath, const QString& title)
{
    form.List2.clearList();
    form.List2.items.append(QString());
    showPanel(form);

    const TextFile::ReadResult file = TextFile::read(helpPath);
    if (!file.ok) {
        host.message(file.error);
        return;
    }
    const QStringList all = items(file.lines);
    const qsizetype start = all.indexOf(title);
    if (start < 0)
        return;
    for (qsizetype i = start; i < all.size(); ++i) {
        if (all[i] == EndItem)
            return;
        form.List2.items.append(all[i]);
    }
    host.message(QStringLiteral("取り扱い説明「%1」の終わり（end）が見つかりません").arg(title));
}

void close(Form& form)
{
    form.List2.visible = false;
    form.Command30.visible = false;
}

void reopen(Form& form, Host& host, const QString& helpPath)
{
    if (form.List2.visible)
        return;
    if (!form.List2.items.value(1).isEmpty())
        showPanel(form);
    else
        ShowManualTopic(form, host, helpPath, topicTitles().first());
}

} // namespace Manual
