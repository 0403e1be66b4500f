#include "drivefile.h"

#include "common/recordfile.h"
#include "common/recordsyntax.h"

namespace DriveFile {

namespace {
using Drive::Inputs;
using Drive::Setup;

const RecordFile::Field<Inputs> InputFields[] = {
    {&Inputs::tyreDiameter, QT_TRANSLATE_NOOP("RecordFile", "タイヤ径")},
    {&Inputs::kv, QT_TRANSLATE_NOOP("RecordFile", "モーターKV値")},
    {&Inputs::voltage, QT_TRANSLATE_NOOP("RecordFile", "バッテリー電圧")},
    {&Inputs::motorRpm, QT_TRANSLATE_NOOP("RecordFile", "モーター回転数")},
    {&Inputs::moduleName, QT_TRANSLATE_NOOP("RecordFile", "メイン画面のモジュール")},
    {&Inputs::moduleTyped, QT_TRANSLATE_NOOP("RecordFile", "モジュール")},
};
const RecordFile::Field<Setup> SetupFields[] = {
    {&Setup::secondary, QT_TRANSLATE_NOOP("RecordFile", "２次減速比")},
    {&Setup::spur, QT_TRANSLATE_NOOP("RecordFile", "スパーギア歯数")},
    {&Setup::pinion, QT_TRANSLATE_NOOP("RecordFile", "ピニオンギア歯数")},
};
constexpr qsizetype InputCount = qsizetype(std::size(InputFields));
constexpr qsizetype SetupCount = qsizetype(std::size(SetupFields));
} // namespace

QStringList toLines(const Contents& c)
{
    return RecordSyntax::writeLines(RecordFile::valuesOf(c.inputs, InputFields) +
                                    RecordFile::valuesOf(c.reference, SetupFields) +
                                    RecordFile::valuesOf(c.referenceInputs, InputFields));
}

Contents fromLines(const QStringList& lines)
{
    const QStringList values = RecordSyntax::readLines(lines, InputCount + SetupCount + InputCount);
    Contents c;
    RecordFile::setValues(c.inputs, InputFields, values.first(InputCount));
    RecordFile::setValues(c.reference, SetupFields, values.sliced(InputCount, SetupCount));
    RecordFile::setValues(c.referenceInputs, InputFields, values.sliced(InputCount + SetupCount));
    return c;
}

} // namespace DriveFile
