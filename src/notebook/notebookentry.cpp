#include "notebookentry.h"

#include "common/numbertext.h"
#include "notebook/notebookmessages.h"

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
    // Wide enough for any car a racer runs, from a 1/28 to a 1/5 scale, and
    // narrow enough that no chart scale has to span the range of doubles.
    // Tooth counts and ratios are what the main window takes: whole counts
    // within 16 bits, ratios above 0.
    static const QList<NotebookField> fields = {
        {"car", QT_TRANSLATE_NOOP("NotebookField", "マシン"), &E::car, F::Text},
        {"track", QT_TRANSLATE_NOOP("NotebookField", "コース"), &E::track, F::Text},
        {"conditions", QT_TRANSLATE_NOOP("NotebookField", "路面・気温"), &E::conditions, F::Text},
        {"secondary",
         QT_TRANSLATE_NOOP("NotebookField", "２次減速比"),
         &E::secondary,
         F::Number,
         {0, 100, true}},
        {"spur",
         QT_TRANSLATE_NOOP("NotebookField", "スパーギア歯数"),
         &E::spur,
         F::Count,
         {1, 32767}},
        {"pinion",
         QT_TRANSLATE_NOOP("NotebookField", "ピニオンギア歯数"),
         &E::pinion,
         F::Count,
         {1, 32767}},
        {"total",
         QT_TRANSLATE_NOOP("NotebookField", "減速比"),
         &E::total,
         F::Number,
         {0, 1000, true}},
        {"module", QT_TRANSLATE_NOOP("NotebookField", "モジュール"), &E::module, F::Text},
        {"tyre",
         QT_TRANSLATE_NOOP("NotebookField", "タイヤ径(mm)"),
         &E::tyre,
         F::Number,
         {1, 1000}},
        {"rollout",
         QT_TRANSLATE_NOOP("NotebookField", "ロールアウト(mm)"),
         &E::rollout,
         F::Number,
         {0, 100000, true}},
        {"kv", QT_TRANSLATE_NOOP("NotebookField", "モーターKV値"), &E::kv, F::Number, {1, 200000}},
        {"motor_rpm",
         QT_TRANSLATE_NOOP("NotebookField", "モーター回転数"),
         &E::motorRpm,
         F::Number,
         {1, 10000000}},
        {"voltage",
         QT_TRANSLATE_NOOP("NotebookField", "バッテリー電圧(V)"),
         &E::voltage,
         F::Number,
         {0.1, 100}},
        {"motor_temp",
         QT_TRANSLATE_NOOP("NotebookField", "モーター温度(℃)"),
         &E::motorTemp,
         F::Number,
         {-50, 300}},
        {"lap",
         QT_TRANSLATE_NOOP("NotebookField", "ベストラップ(秒)"),
         &E::lap,
         F::Number,
         {0.001, 3600}},
        {"note", QT_TRANSLATE_NOOP("NotebookField", "メモ"), &E::note, F::Text},
    };
    return fields;
}

const NotebookField& notebookField(const char* column)
{
    for (const NotebookField& f : notebookFields())
        if (qstrcmp(f.column, column) == 0)
            return f;
    Q_UNREACHABLE();
    return notebookFields().first();
}

QString NotebookField::label() const
{
    return QCoreApplication::translate("NotebookField", heading);
}

QString NotebookRange::text() const
{
    return aboveLo ? NotebookMessages::aboveUpTo(lo, hi) : NotebookMessages::fromTo(lo, hi);
}

bool NotebookField::accepts(double value) const
{
    return kind != Text && std::isfinite(value) && range.holds(value) &&
           (kind != Count || value == std::floor(value));
}

std::optional<QString> NotebookField::problem(const QString& value) const
{
    if (value.size() > MaxTextLength)
        return NotebookMessages::tooLong(label(), MaxTextLength, value.size());
    if (kind == Text || value.trimmed().isEmpty())
        return std::nullopt;
    const auto number = NumberText::toDouble(value);
    if (!number)
        return NotebookMessages::notANumber(label(), value.trimmed());
    if (!accepts(*number))
        return kind == Count ? NotebookMessages::notACount(label(), range.text())
                             : NotebookMessages::outOfRange(label(), range.text());
    return std::nullopt;
}

QList<NotebookDifference> notebookCompare(const NotebookEntry& left, const NotebookEntry& right)
{
    const QString l = notebookDateText(left.taken), r = notebookDateText(right.taken);
    QList<NotebookDifference> out = {
        {QCoreApplication::translate("NotebookField", "日時"), l, r, l != r}};
    for (const NotebookField& f : notebookFields()) {
        const QString a = (left.*f.member).trimmed(), b = (right.*f.member).trimmed();
        bool differs = a != b;
        if (differs && f.kind != NotebookField::Text) {
            const auto x = NumberText::toDouble(a), y = NumberText::toDouble(b);
            if (x && y)
                differs = *x != *y;
        }
        out.append({f.label(), left.*f.member, right.*f.member, differs});
    }
    return out;
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
