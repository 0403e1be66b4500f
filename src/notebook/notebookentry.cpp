#include "notebookentry.h"

bool NotebookEntry::sameRun(const NotebookEntry& o) const
{
    if (taken.toSecsSinceEpoch() != o.taken.toSecsSinceEpoch())
        return false;
    for (const NotebookField& f : notebookFields())
        if (this->*f.member != o.*f.member)
            return false;
    return true;
}

const QList<NotebookField>& notebookFields()
{
    using E = NotebookEntry;
    using F = NotebookField;
    static const QList<NotebookField> fields = {
        {"car", QStringLiteral("マシン"), &E::car, F::Text},
        {"track", QStringLiteral("コース"), &E::track, F::Text},
        {"conditions", QStringLiteral("路面・気温"), &E::conditions, F::Text},
        {"secondary", QStringLiteral("２次減速比"), &E::secondary, F::Number},
        {"spur", QStringLiteral("スパーギア歯数"), &E::spur, F::Count},
        {"pinion", QStringLiteral("ピニオンギア歯数"), &E::pinion, F::Count},
        {"total", QStringLiteral("減速比"), &E::total, F::Number},
        {"module", QStringLiteral("モジュール"), &E::module, F::Text},
        {"tyre", QStringLiteral("タイヤ径(mm)"), &E::tyre, F::Number},
        {"rollout", QStringLiteral("ロールアウト(mm)"), &E::rollout, F::Number},
        {"kv", QStringLiteral("モーターKV値"), &E::kv, F::Number},
        {"motor_rpm", QStringLiteral("モーター回転数"), &E::motorRpm, F::Number},
        {"voltage", QStringLiteral("バッテリー電圧(V)"), &E::voltage, F::Number},
        {"motor_temp", QStringLiteral("モーター温度(℃)"), &E::motorTemp, F::Number},
        {"lap", QStringLiteral("ベストラップ(秒)"), &E::lap, F::Number},
        {"note", QStringLiteral("メモ"), &E::note, F::Text},
    };
    return fields;
}

QDateTime notebookParseDate(const QString& text)
{
    const QString t = text.trimmed();
    for (const char* format :
         {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm", "yyyy/MM/dd HH:mm:ss", "yyyy/MM/dd HH:mm"}) {
        const QDateTime d = QDateTime::fromString(t, QString::fromLatin1(format));
        if (d.isValid())
            return d;
    }
    return QDateTime();
}
