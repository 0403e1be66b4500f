#include "lastinputs.h"

#include "common/recordsyntax.h"

namespace LastInputs {

const RecordFile::Field<Form, Control> Fields[Count] = {
    {&Form::Label13, QT_TRANSLATE_NOOP("RecordFile", "マシン名")},
    {&Form::Label6, QT_TRANSLATE_NOOP("RecordFile", "２次減速比")},
    {&Form::Label7, QT_TRANSLATE_NOOP("RecordFile", "スパーギア歯数")},
    {&Form::Label8, QT_TRANSLATE_NOOP("RecordFile", "ピニオンギア歯数")},
    {&Form::Label9, QT_TRANSLATE_NOOP("RecordFile", "減速比")},
    {&Form::Combo7, QT_TRANSLATE_NOOP("RecordFile", "モジュール")},
    {&Form::Combo1, QT_TRANSLATE_NOOP("RecordFile", "スパー範囲の開始")},
    {&Form::Combo2, QT_TRANSLATE_NOOP("RecordFile", "スパー範囲の幅")},
    {&Form::Combo3, QT_TRANSLATE_NOOP("RecordFile", "ピニオン範囲の開始")},
    {&Form::Combo4, QT_TRANSLATE_NOOP("RecordFile", "ピニオン範囲の幅")},
    {&Form::Combo5, QT_TRANSLATE_NOOP("RecordFile", "スパーの計算間隔")},
    {&Form::Combo6, QT_TRANSLATE_NOOP("RecordFile", "ピニオンの計算間隔")},
};

QStringList collect(const Form& f) { return RecordFile::valuesOf(f, Fields); }

void restore(Form& f, const QStringList& values, int from, int to)
{
    RecordFile::setValues(f, Fields, values, from, to);
}

Result<> check(const QStringList& values)
{
    return RecordSyntax::checkSingleLine(values, RecordFile::namesOf(Fields));
}

QStringList toLines(const QStringList& values) { return RecordSyntax::writeLines(values); }

QStringList fromLines(const QStringList& lines) { return RecordSyntax::readLines(lines, Count); }

} // namespace LastInputs
