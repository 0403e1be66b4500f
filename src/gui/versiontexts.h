#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// The version dialog "verdsp": caption, client size and its seven labels.
namespace VersionTexts {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(VersionTexts)
};

inline QString caption() { return Tr::tr("Zeltanバージョン情報"); }
constexpr int ClientWidth = 4680;  // twips
constexpr int ClientHeight = 3345; // twips

struct LabelSpec
{
    const char* name;
    int top;
    bool centred;
    QString caption;
};

inline const QList<LabelSpec>& labels()
{
    static const QList<LabelSpec> table = {
        {"Label1", 120, true, Tr::tr("RCカーを愛するすべてのレーサーへ")},
        {"Label2", 600, true, Tr::tr("RC-EPカーギア比確認　ZELTAN")},
        {"Label3", 960, true, QStringLiteral("Ver.1.00.0005 2004/9/2")},
        {"Label4", 1320, true, Tr::tr("開発")},
        {"Label5", 1680, false, Tr::tr("テルン株式会社　代表 照井 太郎")},
        {"Label6", 2040, false, Tr::tr("〒150-0002 東京都渋谷区渋谷9-99-9")},
        {"Label7", 2400, false, Tr::tr("TEL 03-0000-0000　info@terrun.example")},
    };
    return table;
}
constexpr int LabelLeft = 240, LabelWidth = 4095, LabelHeight = 255;
constexpr int OkLeft = 1560, OkTop = 2760, OkWidth = 1455, OkHeight = 375;

} // namespace VersionTexts
