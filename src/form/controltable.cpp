#include "controltable.h"

#include "common/colour.h"

#include <QHash>

namespace ControlTable {

namespace {
using Colour::number;
using K = ControlKind;
using A = TextAlign;

constexpr int Black = 0;
const int Lilac = number(192, 192, 255); // text of headings and quantities
const int Blue = number(0, 0, 255);
constexpr int D = Look::Default;
constexpr int F = Look::Face;
constexpr int T = Look::Transparent;

ControlSpec label(const char* name, int l, int t, int w, int h, const QString& caption, int size,
                  bool bold, int fg, int bg, bool border, A align, bool hidden = false)
{
    return {QString::fromLatin1(name),
            K::Label,
            l,
            t,
            w,
            h,
            caption,
            GothicFace,
            size,
            bold,
            fg,
            bg,
            border,
            align,
            hidden};
}

ControlSpec heading(const char* name, int l, int t, int w, int h, const QString& caption)
{
    return label(name, l, t, w, h, caption, 9, false, Lilac, Black, true, A::Centre);
}

ControlSpec control(const char* name, K kind, int l, int t, int w, int h,
                    const QString& caption = QString(), int fg = D, int bg = D, bool hidden = false,
                    int size = 9)
{
    return {QString::fromLatin1(name),
            kind,
            l,
            t,
            w,
            h,
            caption,
            GothicFace,
            size,
            false,
            fg,
            bg,
            false,
            A::Left,
            hidden};
}

// The role column: what a user calls each control, as a screen reader says it.
QString roleOf(const QString& name)
{
    static const QHash<QString, QString> roles = [] {
        const char* table[][2] = {
            {"Label13", "マシン名の表示"},
            {"Label1", "２次減速比の見出し"},
            {"Label2", "スパーギア歯数の見出し"},
            {"Label3", "ピニオンギア歯数の見出し"},
            {"Label4", "減速比の見出し"},
            {"Label6", "２次減速比"},
            {"Label7", "スパーギア歯数"},
            {"Label8", "ピニオンギア歯数"},
            {"Label9", "減速比"},
            {"Command18", "２次減速比を計算"},
            {"Command19", "スパーギア歯数を計算"},
            {"Command20", "ピニオンギア歯数を計算"},
            {"Command21", "減速比を計算"},
            {"Command1", "２次減速比 SET"},
            {"Command2", "スパーギア歯数 SET"},
            {"Command3", "ピニオンギア歯数 SET"},
            {"Command4", "減速比 SET"},
            {"Label11", "キーパッドの入力"},
            {"Command6", "7"},
            {"Command7", "8"},
            {"Command8", "9"},
            {"Command9", "4"},
            {"Command10", "5"},
            {"Command11", "6"},
            {"Command12", "1"},
            {"Command13", "2"},
            {"Command14", "3"},
            {"Command15", "0"},
            {"Command16", "小数点"},
            {"Command17", "入力のクリア"},
            {"Label12", "状況表示"},
            {"Command5", "指定減速比調査"},
            {"Check1", "計算時に一方のギア数を変更しない"},
            {"Command29", "表再作成"},
            {"Label16", "指定減速比調査時のパラメータ"},
            {"Label35", "新しいモジュールの説明"},
            {"Text2", "新しいモジュール名"},
            {"Label33", "モジュール選択の見出し"},
            {"Label5", "スパー範囲の表示"},
            {"Label10", "ピニオン範囲の表示"},
            {"Combo7", "モジュール選択"},
            {"Combo1", "スパー範囲の開始"},
            {"Combo2", "スパー範囲の幅"},
            {"Combo5", "スパーの計算間隔"},
            {"Combo3", "ピニオン範囲の開始"},
            {"Combo4", "ピニオン範囲の幅"},
            {"Combo6", "ピニオンの計算間隔"},
            {"Label14", "スパー範囲の＋"},
            {"Label15", "ピニオン範囲の＋"},
            {"Label29", "スパーの計算間隔の見出し"},
            {"Label30", "ピニオンの計算間隔の見出し"},
            {"Label17", "マシン登録＆選択"},
            {"Label28", "登録マシン一覧の見出し"},
            {"List1", "登録マシン一覧"},
            {"Label18", "マシン名の見出し"},
            {"Text1", "マシン名"},
            {"Label19", "登録する２次減速比の見出し"},
            {"Label20", "登録する２次減速比"},
            {"Label21", "モジュール設定の見出し"},
            {"Label34", "登録するモジュール"},
            {"Label22", "登録するスパー範囲の見出し"},
            {"Label23", "登録するスパー範囲の開始"},
            {"Label24", "登録するスパー範囲の幅"},
            {"Label31", "登録するスパーの計算間隔"},
            {"Label25", "登録するピニオン範囲の見出し"},
            {"Label26", "登録するピニオン範囲の開始"},
            {"Label27", "登録するピニオン範囲の幅"},
            {"Label32", "登録するピニオンの計算間隔"},
            {"Command22", "マシンを登録"},
            {"Command23", "上部データから全数値を転記"},
            {"Command24", "２次減速比を転記"},
            {"Command25", "スパー範囲を転記"},
            {"Command26", "ピニオン範囲を転記"},
            {"Command28", "モジュールを転記"},
            {"Command27", "マシンを削除"},
            {"MSFlexGrid1", "減速比表"},
            {"List2", "取り扱い説明"},
            {"Command30", "取り扱い説明を閉じる"},
        };
        QHash<QString, QString> h;
        for (const auto& [name, role] : table)
            h.insert(QString::fromLatin1(name), QString::fromUtf8(role));
        return h;
    }();
    return roles.value(name);
}

QList<ControlSpec> buildControls()
{
    QList<ControlSpec> c;
    ControlSpec title = label("Label13", 240, 240, 14775, 615, QStringLiteral("ギア比確認ツール"),
                              26, true, number(128, 128, 255), Black, true, A::Centre);
    title.face = MinchoFace;
    c << title;

    // Quantity panel: name, value, selector, SET per row.
    const char* names[] = {"Label1", "Label2", "Label3", "Label4"};
    const char* values[] = {"Label6", "Label7", "Label8", "Label9"};
    const char* selectors[] = {"Command18", "Command19", "Command20", "Command21"};
    const char* sets[] = {"Command1", "Command2", "Command3", "Command4"};
    const QString titles[] = {QStringLiteral("２次減速比"), QStringLiteral("スパーギア歯数"),
                              QStringLiteral("ピニオンギア歯数"), QStringLiteral("減速比")};
    for (int row = 0; row < 4; ++row) {
        const int top = 1080 + 600 * row;
        c << label(names[row], 240, top, 3255, 375, titles[row], 16, true, Lilac, Black, true,
                   A::Left);
        c << label(values[row], 3600, top, 2175, 375, QString(), 16, true, Lilac, Black, true,
                   A::Right);
        c << control(selectors[row], K::Button, 5880, top, 375, 375,
                     row == 3 ? QStringLiteral("★") : QString());
        c << control(sets[row], K::Button, 6360, top, 1095, 375, QStringLiteral("SET"));
    }

    // Keypad: display and twelve keys in four rows of three.
    c << label("Label11", 7560, 1080, 1815, 375, QStringLiteral("0"), 14, true, number(0, 255, 0),
               Black, true, A::Right);
    const char* keys[] = {"7", "8", "9", "4", "5", "6", "1", "2", "3", "0", "・", "CLS"};
    for (int k = 0; k < 12; ++k) {
        const QString name = QStringLiteral("Command%1").arg(6 + k);
        ControlSpec key = control("", K::Button, 7560 + 600 * (k % 3), 1440 + 600 * (k / 3), 615,
                                  615, QString::fromUtf8(keys[k]));
        key.name = name;
        c << key;
    }

    // Status line and survey controls.
    c << label("Label12", 240, 3480, 5535, 375, QStringLiteral("減速比を計算表示します"), 16, true,
               Blue, F, true, A::Centre);
    c << control("Command5", K::Button, 5880, 3480, 1575, 375, QStringLiteral("指定減速比調査"));
    c << control("Check1", K::Check, 240, 3960, 4935, 375,
                 QStringLiteral("スパー、ピニオンの計算実行時に一方のギア数を変更しない"));
    c << control("Command29", K::Button, 7560, 3960, 1815, 375, QStringLiteral("表再作成"));

    // Survey-parameter box.
    c << heading("Label16", 480, 4560, 8655, 255, QStringLiteral("指定減速比調査時のパラメータ"));
    c << label("Label35", 480, 4800, 6375, 275,
               QStringLiteral("XXモジュールを選択した場合表再作成で新しいモジュールを作れます"), 9,
               false, D, D, true, A::Left, true);
    c << control("Text2", K::Text, 6840, 4800, 2295, 270, QStringLiteral("??モジュール"), D, F,
                 true);
    c << heading("Label33", 480, 5160, 2175, 255, QStringLiteral("モジュール選択"));
    c << heading("Label5", 2640, 5160, 3255, 255, QStringLiteral("スパー範囲"));
    c << heading("Label10", 5880, 5160, 3255, 255, QStringLiteral("ピニオン範囲"));
    c << control("Combo7", K::Combo, 480, 5400, 2175, 300, QStringLiteral("Combo7"), D, F);
    // A range row: start, "＋", width, "計算間隔", interval; spur and pinion alike.
    auto rangeRow = [&c](int left, const char* start, const char* plus, const char* width,
                         const char* intervalHeading, const char* interval) {
        auto selector = [](const char* name, int l, int w) {
            return control(name, K::Combo, l, 5400, w, 300, QString::fromLatin1(name), D, F);
        };
        c << selector(start, left, 735);
        c << label(plus, left + 720, 5445, 375, 255, QStringLiteral("＋"), 10, true, D, T, false,
                   A::Centre);
        c << selector(width, left + 1080, 735);
        c << label(intervalHeading, left + 1800, 5460, 855, 255, QStringLiteral("計算間隔"), 9,
                   false, D, D, false, A::Right);
        c << selector(interval, left + 2760, 495);
    };
    rangeRow(2640, "Combo1", "Label14", "Combo2", "Label29", "Combo5");
    rangeRow(5880, "Combo3", "Label15", "Combo4", "Label30", "Combo6");

    // Machine panel.
    auto value = [](const char* name, int l, int t, int w, int h, A align,
                    const QString& caption = QString()) {
        return label(name, l, t, w, h, caption, 9, false, Blue, F, true, align);
    };
    c << heading("Label17", 480, 6360, 8655, 255, QStringLiteral("マシン登録＆選択"));
    c << heading("Label28", 480, 6840, 3735, 255,
                 QStringLiteral("登録マシン一覧（選択で上部に転記します）"));
    c << control("List1", K::List, 480, 7080, 3735, 2040, QString(), Blue, F);
    c << heading("Label18", 4320, 6840, 3135, 255, QStringLiteral("マシン名"));
    c << control("Text1", K::Text, 4320, 7080, 3135, 270, QString(), Blue, F);
    c << heading("Label19", 7440, 6840, 1695, 255, QStringLiteral("２次減速比"));
    c << value("Label20", 7440, 7080, 1695, 270, A::Right, QStringLiteral("0"));
    c << heading("Label21", 4320, 7440, 2415, 255, QStringLiteral("モジュール設定"));
    c << value("Label34", 6720, 7440, 2415, 255, A::Left);
    c << heading("Label22", 4320, 7800, 1335, 255, QStringLiteral("スパー範囲"));
    c << value("Label23", 5640, 7800, 495, 255, A::Right);
    c << value("Label24", 6120, 7800, 375, 255, A::Right);
    c << value("Label31", 6480, 7800, 255, 255, A::Right);
    c << heading("Label25", 6720, 7800, 1335, 255, QStringLiteral("ピニオン範囲"));
    c << value("Label26", 8040, 7800, 495, 255, A::Right);
    c << value("Label27", 8520, 7800, 375, 255, A::Right);
    c << value("Label32", 8880, 7800, 255, 255, A::Right);
    c << control("Command22", K::Button, 4320, 8160, 735, 975, QStringLiteral("登録"));
    c << control("Command23", K::Button, 5040, 8160, 3375, 495,
                 QStringLiteral("上部データから該当全数値転記する"));
    c << control("Command24", K::Button, 5040, 8640, 855, 495, QStringLiteral("2次減速"));
    c << control("Command25", K::Button, 5880, 8640, 855, 495, QStringLiteral("スパー"));
    c << control("Command26", K::Button, 6720, 8640, 855, 495, QStringLiteral("ピニオン"));
    c << control("Command28", K::Button, 7560, 8640, 855, 495, QStringLiteral("ﾓｼﾞｭｰﾙ"));
    c << control("Command27", K::Button, 8400, 8160, 735, 975, QStringLiteral("削除"));

    // Right-hand panel: the grid, the manual over it, and its close button on top.
    c << control("MSFlexGrid1", K::Grid, 9480, 1080, 5535, 8175);
    c << control("List2", K::List, 9480, 1080, 5535, 8160, QString(), number(0, 192, 0),
                 number(255, 255, 192), true);
    c << control("Command30", K::Button, 13800, 8760, 855, 375, QStringLiteral("閉じる"), D, D,
                 true);
    for (ControlSpec& desc : c)
        desc.role = roleOf(desc.name);
    return c;
}
} // namespace

const QList<ControlSpec>& controls()
{
    static const QList<ControlSpec> table = buildControls();
    return table;
}

const ControlSpec* find(const QString& name)
{
    for (const ControlSpec& desc : controls())
        if (desc.name == name)
            return &desc;
    return nullptr;
}

const QList<LineSpec>& lines()
{
    static const int blue = Colour::number(0, 0, 255);
    static const QList<LineSpec> table = {
        {"Line1", 240, 4440, 9360, 4440, blue},   {"Line2", 240, 4440, 240, 6000, blue},
        {"Line3", 9360, 4440, 9360, 6000, blue},  {"Line4", 240, 6000, 9360, 6000, blue},
        {"Line5", 6600, 3840, 6600, 4440, blue},  {"Line6", 240, 6240, 9360, 6240, blue},
        {"Line7", 240, 9240, 240, 6240, blue},    {"Line8", 9360, 6240, 9360, 9240, blue},
        {"Line9", 240, 9240, 9360, 9240, blue},   {"Line10", 7080, 4440, 7080, 4080, blue},
        {"Line11", 7560, 4080, 7080, 4080, blue},
    };
    return table;
}

const QList<MenuSpec>& menus()
{
    static const QList<MenuSpec> table = {
        {"owaru", "終了", "", "Ctrl+Q"},
        {"toriatukai", "取り扱い説明", "", "F1"},
        {"tzigensoku", "２次減速比計算方法", "toriatukai"},
        {"tspgia", "スパーギア数計算方法", "toriatukai"},
        {"tpinion", "ピニオンギア数計算方法", "toriatukai"},
        {"tgensokuhi", "減速比の計算方法", "toriatukai"},
        {"tsitei", "指定減速比調査方法", "toriatukai"},
        {"tsiteipr", "指定減速比パラメータ設定方法", "toriatukai"},
        {"tmasinst", "マシンの指定＆登録方法", "toriatukai"},
        {"tprinto", "プリントの方法", "toriatukai"},
        {"torisetutoziru", "取り扱い説明閉じる", "toriatukai"},
        {"torisetuhiraku", "前回の取説を開く", "toriatukai"},
        {"purinto", "プリント", "", "Ctrl+P"},
        {"verinf", "ﾊﾞｰｼﾞｮﾝ情報", ""},
        // Tools beyond the window's own four menus.
        {"tuuru", "ツール", ""},
        {"soukou", "走行計算", "tuuru", "Ctrl+R"},
        {"purebyuu", "印刷プレビュー", "tuuru"},
        {"insatu", "印刷…", "tuuru", "Ctrl+Shift+P"},
        {"pdfhozon", "PDFに保存…", "tuuru"},
        {"csvhozon", "CSVで保存…", "tuuru"},
    };
    return table;
}

const QStringList& focusOrder()
{
    static const QStringList order = [] {
        auto commands = [](int from, int to) {
            QStringList names;
            for (int i = from; i <= to; ++i)
                names << QStringLiteral("Command%1").arg(i);
            return names;
        };
        return commands(1, 21) +
               QStringList{"Check1", "Combo1", "Combo2", "Combo3", "Combo4", "List1", "Text1"} +
               commands(22, 27) +
               QStringList{"Combo5",    "Combo6", "MSFlexGrid1", "Combo7",   "Command28",
                           "Command29", "Text2",  "List2",       "Command30"};
    }();
    return order;
}

const QList<FooterText>& footer()
{
    static const QList<FooterText> lines = {
        {250, 9350,
         QStringLiteral("Gear investigation system   Program maker is Terrun Corporation"),
         GothicFace, 26, true, true, Colour::number(100, 150, 200)},
        {350, 10000, ContactLine, GothicFace, 10, false, false, Colour::number(100, 100, 200)},
    };
    return lines;
}

} // namespace ControlTable
