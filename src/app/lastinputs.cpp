#include "lastinputs.h"

#include "common/recordsyntax.h"

namespace LastInputs {

QStringList collect(const Form& f)
{
    return {f.machineTitle().text,     f.secondaryRatio().text, f.spurTeeth().text,
            f.pinionTeeth().text,      f.totalRatio().text,     f.module().text,
            f.spurRangeStart().text,   f.spurRangeWidth().text, f.pinionRangeStart().text,
            f.pinionRangeWidth().text, f.spurInterval().text,   f.pinionInterval().text};
}

const QStringList& fieldNames()
{
    static const QStringList names = {QStringLiteral("マシン名"),
                                      QStringLiteral("２次減速比"),
                                      QStringLiteral("スパーギア歯数"),
                                      QStringLiteral("ピニオンギア歯数"),
                                      QStringLiteral("減速比"),
                                      QStringLiteral("モジュール"),
                                      QStringLiteral("スパー範囲の開始"),
                                      QStringLiteral("スパー範囲の幅"),
                                      QStringLiteral("ピニオン範囲の開始"),
                                      QStringLiteral("ピニオン範囲の幅"),
                                      QStringLiteral("スパーの計算間隔"),
                                      QStringLiteral("ピニオンの計算間隔")};
    return names;
}

std::optional<QString> problem(const QStringList& values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        if (RecordSyntax::firstControl(values[i]) >= 0)
            return RecordSyntax::controlMessage(fieldNames().value(i));
    return std::nullopt;
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
