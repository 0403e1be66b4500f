#pragma once

#include "common/messages.h"

#include <QCoreApplication>
#include <QString>

// What the setting notebook tells the user, in one place.
namespace NotebookMessages {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(NotebookMessages)
};

inline QString Title() { return Tr::tr("セッティング記録"); }
// The charts' words, on the screen and on the page alike.
inline QString noRunsToChart() { return Tr::tr("グラフにする記録がありません"); }
inline QString latestMark() { return Tr::tr("最新"); }

inline QString cannotOpen(const QString& path, const QString& reason)
{
    return Tr::tr("セッティング記録のファイル %1 を開けませんでした：\n%2").arg(path, reason);
}
inline QString newerFile(const QString& path, int version)
{
    return Tr::tr("セッティング記録のファイル %1 は新しい版のZELTAN（形式 %2）で"
                  "作られているため、この版では開けません")
        .arg(path, QString::number(version));
}
inline QString damaged(const QString& movedTo)
{
    return Tr::tr("セッティング記録のファイルが壊れていました。\n"
                  "壊れたファイルは %1 に移し、新しい記録ファイルを作りました。")
        .arg(movedTo);
}
inline QString damagedNotMoved(const QString& path, const QString& reason)
{
    return Tr::tr("セッティング記録のファイル %1 が壊れていますが、"
                  "別の名前に移せませんでした：\n%2")
        .arg(path, reason);
}
inline QString writeFailed(const QString& reason)
{
    return Tr::tr("セッティング記録に書き込めませんでした（何も変更していません）：\n%1")
        .arg(reason);
}
inline QString readFailed(const QString& reason)
{
    return Tr::tr("セッティング記録を読めませんでした：\n%1").arg(reason);
}
using Messages::notANumber;
// A field's range as its messages name it.
inline QString fromTo(double lo, double hi)
{
    return Tr::tr("%1～%2").arg(QString::number(lo, 'g', 10), QString::number(hi, 'g', 10));
}
inline QString aboveUpTo(double lo, double hi)
{
    return Tr::tr("%1より大きく%2以下")
        .arg(QString::number(lo, 'g', 10), QString::number(hi, 'g', 10));
}
// "ベストラップ(秒)は 0.001～3600 の範囲で入力して下さい"
inline QString outOfRange(const QString& field, const QString& range)
{
    return Tr::tr("%1は %2 の範囲で入力して下さい").arg(field, range);
}
inline QString notACount(const QString& field, const QString& range)
{
    return Tr::tr("%1は %2 の整数で入力して下さい").arg(field, range);
}
inline QString tooLong(const QString& field, qsizetype most, qsizetype has)
{
    return Tr::tr("%1は%2文字までです（%3文字あります）").arg(field).arg(most).arg(has);
}
// Marks a value stored outside its range, in the list and the editor.
inline QString StrayMark() { return QStringLiteral("※"); }
inline QString StrayHint()
{
    return Tr::tr("※ 範囲外の値です（記録のまま表示し、グラフには入れません）");
}
inline QString BadDate() { return Tr::tr("日時は「2026/12/07 15:30」の形で入力して下さい"); }
// What 記録する, 保存, 削除 and この設定を呼び出す did, said to a screen reader.
inline QString Recorded() { return Tr::tr("記録しました"); }
inline QString Saved() { return Tr::tr("保存しました"); }
inline QString Deleted() { return Tr::tr("削除しました"); }
inline QString Restored() { return Tr::tr("設定を呼び出しました"); }
// Another program (a second ZELTAN in a long import, the sqlite3 tool)
// holds the notebook's write lock.
inline QString Locked()
{
    return Tr::tr(
        "別のプログラム（別のZELTANやsqlite3など）がセッティング記録のファイルを使っているため、"
        "書き込めませんでした。\n入力した内容は残っています。少し待ってからもう一度保存して下さい"
        "。");
}
// A run deleted by another copy while it was being edited here.
inline QString Vanished() { return Tr::tr("この記録は別のZELTANで削除されています"); }
inline QString AskSaveVanished()
{
    return Tr::tr(
        "この記録は別のZELTANで削除されています。\n入力した内容を新しい記録として保存しますか？\n"
        "（「いいえ」なら入力した内容は欄に残ります）");
}
inline QString NothingSelected() { return Tr::tr("記録が選ばれていません"); }
inline QString AskDelete() { return Tr::tr("選択した記録を削除しますか？"); }
inline QString AskSaveDraft() { return Tr::tr("編集中の記録を保存しますか？"); }
inline QString CompareTooFew() { return Tr::tr("比べるには記録が2件以上必要です"); }
inline QString NoCar() { return Tr::tr("マシンが選ばれていません"); }
inline QString NotOpen() { return Tr::tr("セッティング記録のファイルが開かれていません"); }
inline QString pngSaved(const QString& path)
{
    return Tr::tr("PNGファイルに保存しました：\n%1").arg(path);
}
inline QString csvLine(int line, const QString& problem)
{
    return Tr::tr("CSVファイルの%1行目：%2").arg(line).arg(problem);
}
inline QString CsvNoHeader()
{
    return Tr::tr("CSVファイルの1行目がセッティング記録の見出しではありません");
}
inline QString CsvUnclosedQuote() { return Tr::tr("引用符が閉じていません"); }
inline QString csvFieldCount(int found, int wanted)
{
    return Tr::tr("項目が%1個あります（%2個のはずです）").arg(found).arg(wanted);
}
inline QString importPreview(int adding, int duplicates, const QString& list)
{
    return Tr::tr("%1件の記録を追加します（すでにある%2件は追加しません）。\n%3\n"
                  "追加してよろしいですか？")
        .arg(adding)
        .arg(duplicates)
        .arg(list);
}
inline QString importNothing(int duplicates)
{
    return Tr::tr("追加する記録はありません（%1件はすでにあります）").arg(duplicates);
}
inline QString imported(int added, int duplicates)
{
    return Tr::tr("%1件の記録を追加しました（重複%2件は追加していません）")
        .arg(added)
        .arg(duplicates);
}
inline QString moreEntries(int count) { return Tr::tr("ほか%1件").arg(count); }

// ---- The line over the list for one car on one track ----
// Each is a whole sentence, for a translator to reorder.
// A field the best run did not note.
inline QString notNoted() { return Tr::tr("記録なし"); }
inline QString trackMemory(const QString& lap, const QString& gears, const QString& rollout,
                           const QString& temp, const QString& newest, qsizetype runs)
{
    return Tr::tr("このコースのベストラップ %1（ピニオン/スパー %2、ロールアウト %3、"
                  "モーター温度 %4）、最新の走行 %5、全%6回。")
        .arg(lap, gears, rollout, temp, newest)
        .arg(runs);
}
inline QString trackMemoryNoLap(const QString& newest, qsizetype runs)
{
    return Tr::tr("このコースのベストラップの記録はありません。最新の走行 %1、全%2回。")
        .arg(newest)
        .arg(runs);
}
// The advice is a prediction and says what it rests on.
inline QString rolloutAdvice(const QString& limit, const QString& rollout, int runs)
{
    return Tr::tr("%1℃以下に収まる最大のロールアウト %2 mm（予測、%3回の走行から）。")
        .arg(limit, rollout)
        .arg(runs);
}
inline QString rolloutAdviceAboveTried(const QString& limit, const QString& rollout, int runs,
                                       const QString& largest)
{
    return Tr::tr("%1℃以下に収まる最大のロールアウト %2 mm（予測、%3回の走行から。"
                  "試した最大の %4 mm より先で、確かではありません）。")
        .arg(limit, rollout)
        .arg(runs)
        .arg(largest);
}
inline QString rolloutAdviceBelowTried(const QString& limit, const QString& rollout, int runs,
                                       const QString& smallest)
{
    return Tr::tr("%1℃以下に収まる最大のロールアウト %2 mm（予測、%3回の走行から。"
                  "試した最小の %4 mm より小さく、確かではありません）。")
        .arg(limit, rollout)
        .arg(runs)
        .arg(smallest);
}
inline QString noAdviceFewRuns(int runs, int needed)
{
    return Tr::tr("モーター温度のある走行が%1回のため、ロールアウトの目安はまだ出せません"
                  "（%2回から出します）。")
        .arg(runs)
        .arg(needed);
}
inline QString noAdviceOneRollout()
{
    return Tr::tr("どの走行も同じロールアウトのため、ロールアウトの目安は出せません。");
}
inline QString noAdviceNotHotter()
{
    return Tr::tr("ロールアウトを大きくしてもモーター温度が上がっていないため、"
                  "ロールアウトの目安は出せません。");
}
inline QString noAdviceWeakFit(const QString& r2)
{
    return Tr::tr("ロールアウトとモーター温度の関係がはっきりしないため（R² %1、0.5未満）、"
                  "ロールアウトの目安は出せません。")
        .arg(r2);
}
inline QString noAdviceOverLimit(const QString& limit)
{
    return Tr::tr("どのロールアウトでもモーター温度が%1℃を超える予測のため、"
                  "ロールアウトの目安は出せません。")
        .arg(limit);
}

} // namespace NotebookMessages
