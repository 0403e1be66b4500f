#pragma once

#include "common/usertext.h"

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

// The messages about values, calculations and files, each worded once: calc/
// returns them, app/ shows them. A value the user typed is quoted elided in
// the middle when long.
namespace Messages {

// Each sentence through Qt's translation, the Japanese text its source: the
// window reads the same, and a catalogue can word it anew.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Messages)
};

// The 16-bit range a count must stay in, as every message gives it.
inline QString CountRange() { return Tr::tr("（-32768～32767）"); }

// ---- Values and calculations ----------------------------------------------

// "２次減速比が設定されていません", "スパー範囲が設定されていません" …
inline QString notSet(const QString& what) { return Tr::tr("%1が設定されていません").arg(what); }

// "スパー範囲の開始「abc」は数値ではありません"
inline QString notANumber(const QString& field, const QString& value)
{
    return Tr::tr("%1「%2」は数値ではありません").arg(field, UserText::elided(value));
}

// "スパー範囲の幅「40000」が範囲（-32768～32767）を超えています"
inline QString beyondCounts(const QString& field, const QString& value)
{
    return Tr::tr("%1「%2」が範囲%3を超えています")
        .arg(field, UserText::elided(value), CountRange());
}

// "タイヤ径は0より大きい値を指定して下さい"
inline QString notPositive(const QString& field)
{
    return Tr::tr("%1は0より大きい値を指定して下さい").arg(field);
}

// "ピニオンギア歯数が0のため計算できません"
inline QString zeroDivisor(const QString& what)
{
    return Tr::tr("%1が0のため計算できません").arg(what);
}

// "計算した減速比が大きすぎて表示できません"
inline QString tooLargeToShow(const QString& what)
{
    return Tr::tr("計算した%1が大きすぎて表示できません").arg(what);
}

// "計算したスパーギア歯数が範囲（-32768～32767）を超えています"
inline QString computedBeyondCounts(const QString& what)
{
    return Tr::tr("計算した%1が範囲%2を超えています").arg(what, CountRange());
}

// "２次減速比「1000…000」が大きすぎて計算できません"
inline QString tooLargeToCalculate(const QString& field, const QString& value)
{
    return Tr::tr("%1「%2」が大きすぎて計算できません").arg(field, UserText::elided(value));
}

// "指定ロールアウト「99999」から求めた減速比が小さすぎます"
inline QString ratioTooSmall(const QString& field, const QString& value)
{
    return Tr::tr("%1「%2」から求めた減速比が小さすぎます").arg(field, UserText::elided(value));
}

// What is wrong with the reference setup's 走行条件: "基準のタイヤ径が設定されていません"
inline QString ofReference(const QString& sentence) { return Tr::tr("基準の%1").arg(sentence); }

// The status line after a survey: "48P 指定減速比 8.00000", and without a pair
// in the ranges "48P 指定減速比 8.00000 該当なし".
inline QString surveyed(const QString& module, const QString& wanted)
{
    return Tr::tr("%1 指定減速比 %2").arg(module, wanted);
}
inline QString surveyedNone(const QString& module, const QString& wanted)
{
    return Tr::tr("%1 指定減速比 %2 該当なし").arg(module, wanted);
}

// A range's heading: "スパー範囲 ( 75～90 )".
inline QString rangeLabel(const QString& title, const QString& start, const QString& end)
{
    return Tr::tr("%1 ( %2～%3 )").arg(title, start, end);
}

// ---- The keypad ------------------------------------------------------------

// "入力「40000」が歯数の範囲（-32768～32767）を超えています"
inline QString entryBeyondTeeth(const QString& entry)
{
    return Tr::tr("入力「%1」が歯数の範囲%2を超えています")
        .arg(UserText::elided(entry), CountRange());
}

// "入力「1.2.3」は数値ではありません"
inline QString entryNotANumber(const QString& entry) { return notANumber(Tr::tr("入力"), entry); }

// The status line after a noted run's gearing came back: "記録を呼び出しました（22/84）".
inline QString restored(const QString& pinion, const QString& spur)
{
    return Tr::tr("記録を呼び出しました（%1/%2）").arg(pinion, spur);
}
inline QString moduleNotInTable(const QString& module)
{
    return Tr::tr("モジュール「%1」はモジュール表にないため、今のモジュールのままです")
        .arg(UserText::elided(module));
}

// ---- Ranges of teeth -------------------------------------------------------

// "スパーの計算間隔は1以上にして下さい"
inline QString intervalBelowOne(const QString& axis)
{
    return Tr::tr("%1の計算間隔は1以上にして下さい").arg(axis);
}

// "ピニオン範囲の終わり（開始＋幅）が範囲（-32768～32767）を超えています"
inline QString rangeEndBeyondCounts(const QString& axis)
{
    return Tr::tr("%1範囲の終わり（開始＋幅）が範囲%2を超えています").arg(axis, CountRange());
}

// "スパー範囲の値が多すぎます（200個まで）。幅を小さくするか計算間隔を大きくして下さい"
inline QString tooManyValues(const QString& axis, int most)
{
    return Tr::tr("%1範囲の値が多すぎます（%2個まで）。幅を小さくするか計算間隔を大きくして下さい")
        .arg(axis)
        .arg(most);
}

// "ピニオン範囲に0が含まれているため計算できません"
inline QString pinionRangeHoldsZero()
{
    return Tr::tr("ピニオン範囲に0が含まれているため計算できません");
}

// "64Pの歯数の範囲が広すぎます（200個まで）"
inline QString pitchRangeTooWide(const QString& pitch, int most)
{
    return Tr::tr("%1の歯数の範囲が広すぎます（%2個まで）").arg(pitch).arg(most);
}

// ---- Modules and machines --------------------------------------------------

// "スパー範囲の開始「7.5」は整数で指定して下さい"
inline QString notWhole(const QString& field, const QString& value)
{
    return Tr::tr("%1「%2」は整数で指定して下さい").arg(field, UserText::elided(value));
}
// A module's list runs 30 counts from its start.
inline QString listStartTooLarge(const QString& field, const QString& value)
{
    return Tr::tr("%1「%2」が大きすぎます（32737まで）").arg(field, UserText::elided(value));
}
inline QString tooManyModules(int listed)
{
    return Tr::tr("module.dat のモジュールが多すぎるため、先頭の%1件だけを一覧に表示します")
        .arg(listed);
}
inline QString quoteInModuleName() { return Tr::tr("モジュール名に「\"」は使えません"); }
inline QString askOverwriteModule()
{
    return Tr::tr("同じモジュールが有りますが、上書きしますか？");
}
inline QString askDeleteModule() { return Tr::tr("同じモジュールが有りますが、削除しますか？"); }
inline QString enterMachineName() { return Tr::tr("マシン名を入力して下さい"); }
inline QString quoteInMachineName() { return Tr::tr("マシン名に「\"」は使えません"); }
inline QString pickMachine() { return Tr::tr("マシン名を選択して下さい"); }

// ---- Files: our sentence, then the system's own text for the error --------

// "GIA.DAT に書き込めませんでした：No space left on device"
inline QString withReason(const QString& sentence, int error)
{
    return Tr::tr("%1：%2").arg(sentence, qt_error_string(error));
}

inline QString cannotRead(const QString& file, int error)
{
    return withReason(Tr::tr("%1 を読み込めませんでした").arg(file), error);
}

inline QString cannotWrite(const QString& file, int error)
{
    return withReason(Tr::tr("%1 に書き込めませんでした").arg(file), error);
}

// A file we could not read holds what we never loaded: it is not replaced.
inline QString unreadableKept(const QString& file, int error)
{
    return withReason(Tr::tr("%1 を読み込めないため保存しませんでした").arg(file), error);
}

inline QString readOnlyKept(const QString& file)
{
    return Tr::tr("%1 は読み取り専用のため保存しませんでした").arg(file);
}

// A folder, FIFO, device or socket where a data file belongs.
inline QString notAFile(const QString& file)
{
    return Tr::tr("%1 は通常のファイルではないため使えません").arg(file);
}

} // namespace Messages
