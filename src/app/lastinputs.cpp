#include "lastinputs.h"

#include "common/recordsyntax.h"

namespace LastInputs {

const Field Fields[Count] = {
    {&Form::Label13, "マシン名"},
    {&Form::Label6, "２次減速比"},
    {&Form::Label7, "スパーギア歯数"},
    {&Form::Label8, "ピニオンギア歯数"},
    {&Form::Label9, "減速比"},
    {&Form::Combo7, "モジュール"},
    {&Form::Combo1, "スパー範囲の開始"},
    {&Form::Combo2, "スパー範囲の幅"},
    {&Form::Combo3, "ピニオン範囲の開始"},
    {&Form::Combo4, "ピニオン範囲の幅"},
    {&Form::Combo5, "スパーの計算間隔"},
    {&Form::Combo6, "ピニオンの計算間隔"},
};

QStringList collect(const Form& f)
{
    QStringList values;
    for (const Field& field : Fields)
        values.append((f.*field.control).text);
    return values;
}

void restore(Form& f, const QStringList& values, int from, int to)
{
    for (int i = from; i < to; ++i)
        (f.*Fields[i].control).text = values.value(i);
}

Result<> check(const QStringList& values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        if (RecordSyntax::firstControl(values[i]) >= 0)
            return Failure{RecordSyntax::controlMessage(QString::fromUtf8(Fields[i].name))};
    return {};
}

QStringList toLines(const QStringList& values)
{
    QStringList lines;
    for (const QString& v : values)
        lines.append(RecordSyntax::writeField(v));
    return lines;
}

QStringList fromLines(const QStringList& lines)
{
    QStringList values;
    for (int i = 0; i < Count; ++i)
        values.append(i < lines.size() ? RecordSyntax::readFirstField(lines[i]) : QString());
    return values;
}

} // namespace LastInputs
