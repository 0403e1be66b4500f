#pragma once

#include "calc/ownedgears.h"
#include "common/usertext.h"

#include <QCoreApplication>
#include <QString>

// What the gears owned, the mounts and the surveys over them tell the user.
namespace GearMessages {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(GearMessages)
};

inline QString Title() { return Tr::tr("手持ちギア"); }
inline QString SpurField() { return Tr::tr("手持ちのスパーギア"); }
inline QString PinionField() { return Tr::tr("手持ちのピニオンギア"); }

// A typed list refused: field, module and the limits name it whole.
inline QString problem(const OwnedGears::Parsed& parsed, const QString& field,
                       const QString& module, OwnedGears::Limits limits)
{
    const QString piece = UserText::elided(parsed.piece);
    switch (parsed.problem) {
    case OwnedGears::Problem::None:
        break;
    case OwnedGears::Problem::NotANumber:
        return Tr::tr("%1の「%2」は歯数でも「17-25」のような範囲でもありません").arg(field, piece);
    case OwnedGears::Problem::Backwards:
        return Tr::tr("%1の「%2」は範囲が逆です（「17-25」のように小さい歯数から書いて下さい）")
            .arg(field, piece);
    case OwnedGears::Problem::OutsideLimits:
        return Tr::tr("%1の「%2」は、%3 で使える歯数（%4～%5）を外れています")
            .arg(field, piece, module)
            .arg(limits.least)
            .arg(limits.most);
    }
    return QString();
}
inline QString mountNotCount(const QString& value)
{
    return Tr::tr("マウントの歯数の和「%1」は 1～999 の整数で、中心距離なら「27.5mm」の形で"
                  "入力して下さい")
        .arg(UserText::elided(value));
}
inline QString mountMmNeedsPitch(const QString& module)
{
    return Tr::tr("%1 はピッチ（48P・0.5M など）ではないため、マウントを中心距離（mm）では"
                  "登録できません。歯数の和で入力して下さい")
        .arg(module);
}
inline QString mountBackwards(int least, int most)
{
    return Tr::tr("マウントの歯数の和の最小 %1 が最大 %2 より大きくなっています")
        .arg(least)
        .arg(most);
}
inline QString mountNoCar() { return Tr::tr("マウントを登録するマシン名を入力して下さい"); }
inline QString NoModule() { return Tr::tr("モジュールが選ばれていません"); }
// Said after every change lands in the file.
inline QString gearsSaved(const QString& module, int spurs, int pinions)
{
    return Tr::tr("%1 の手持ちギアを保存しました（スパー%2枚、ピニオン%3枚）")
        .arg(module)
        .arg(spurs)
        .arg(pinions);
}
inline QString mountSaved(const QString& car, const QString& module, int least, int most)
{
    return Tr::tr("%1 の %2 のマウントを保存しました（歯数の和 %3～%4）")
        .arg(car, module)
        .arg(least)
        .arg(most);
}
inline QString mountForgotten(const QString& car, const QString& module)
{
    return Tr::tr("%1 の %2 のマウントの登録を消しました（どの組合せも載るものとします）")
        .arg(car, module);
}

// ---- Surveys over the gears owned (走行計算) ----
inline QString noneOwned(const QString& module)
{
    return Tr::tr("%1 の手持ちギアが登録されていません（手持ちギア…で登録できます）").arg(module);
}
inline QString noneFits(const QString& module, const QString& car, int least, int most)
{
    return Tr::tr("%1 の手持ちギアに、%2 のマウント（歯数の和 %3～%4）に載る組合せがありません")
        .arg(module, car)
        .arg(least)
        .arg(most);
}
// Lengths come with their unit ("30.12 mm", "1.186 in", Units::lengthSpaced).
// One ranked pair: "ピニオン31/スパー112 減速比 8.1290、ロールアウト 30.12 mm、+0.4%".
inline QString pair(int pinion, int spur, const QString& total, const QString& rollout,
                    const QString& off)
{
    return Tr::tr("ピニオン%1/スパー%2　減速比 %3、ロールアウト %4、%5%")
        .arg(pinion)
        .arg(spur)
        .arg(total, rollout, off);
}
inline QString ownedFound(const QString& field, const QString& wanted, const QString& rollout,
                          int inBand, const QString& band)
{
    return Tr::tr("手持ちのギアだけで %1 %2（ロールアウト %3）を調べました。"
                  "%5以内の組合せは%4通りです（近い順）：")
        .arg(field, wanted, rollout)
        .arg(inBand)
        .arg(band);
}
inline QString ownedNoneInBand(const QString& field, const QString& wanted, const QString& band,
                               const QString& nearest)
{
    return Tr::tr("手持ちのギアだけで %1 %2 を調べましたが、%3以内の組合せはありません。"
                  "最も近いのは %4 です。")
        .arg(field, wanted, band, nearest);
}
inline QString keepFound(const QString& old, const QString& tyre)
{
    return Tr::tr("基準のロールアウト %1 をタイヤ径 %2 で保つ手持ちの組合せ（近い順）：")
        .arg(old, tyre);
}
inline QString keepFoundRun(const QString& old, const QString& taken, const QString& tyre)
{
    return Tr::tr("%2 の記録のロールアウト %1 をタイヤ径 %3 で保つ"
                  "手持ちの組合せ（近い順）：")
        .arg(old, taken, tyre);
}
// Old and new rollout side by side.
inline QString keepPair(int pinion, int spur, const QString& old, const QString& now,
                        const QString& off)
{
    return Tr::tr("ピニオン%1/スパー%2　ロールアウト %3 → %4（%5%）")
        .arg(pinion)
        .arg(spur)
        .arg(old, now, off);
}
inline QString keepNoReference()
{
    return Tr::tr("基準のセッティングがありません。先に「基準にする」を押して下さい");
}

// The advice's last words when gears are owned.
inline QString adviceOwned(int pinion, int spur)
{
    return Tr::tr("→ 手持ち %1/%2").arg(spur).arg(pinion);
}
inline QString adviceOwnedNone() { return Tr::tr("→ 手持ちで収まる組合せなし"); }

// A CSV's gears and mounts.
inline QString importGearsOnly(int modules, int mounts)
{
    return Tr::tr(
               "追加する記録はありませんが、手持ちギア %1 モジュール分とマウント %2 件があります。"
               "\n手持ちギアに加え、マウントは同じマシンとモジュールのものを置き換えます。"
               "よろしいですか？")
        .arg(modules)
        .arg(mounts);
}
inline QString importGearsToo(int modules, int mounts)
{
    return Tr::tr("ほかに手持ちギア %1 モジュール分とマウント %2 件（手持ちギアに加え、"
                  "マウントは置き換えます）")
        .arg(modules)
        .arg(mounts);
}
inline QString importedGears(int modules, int mounts)
{
    return Tr::tr("手持ちギア %1 モジュール分とマウント %2 件を読み込みました")
        .arg(modules)
        .arg(mounts);
}

inline QString TempLimitTitle() { return Tr::tr("温度上限"); }
inline QString tempLimitAsk()
{
    return Tr::tr("ロールアウトの目安で、モーター温度をこの温度以下に収めます（℃）：");
}
inline QString tempLimitNotSaved(const QString& path)
{
    return Tr::tr("温度上限を設定ファイル %1 に保存できませんでした。"
                  "この起動のあいだだけ使います")
        .arg(path);
}

} // namespace GearMessages
