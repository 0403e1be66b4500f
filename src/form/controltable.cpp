#include "controltable.h"

#include "common/colour.h"
#include "common/usertext.h"

#include <QCoreApplication>
#include <QLatin1String>

#include <algorithm>
#include <array>
#include <iterator>

namespace ControlTable {

namespace {
using Colour::number;

constexpr int Black = 0;
constexpr int Lilac = number(192, 192, 255); // text of headings and quantities
constexpr int Blue = number(0, 0, 255);
constexpr int TitleBlue = number(128, 128, 255);
constexpr int Green = number(0, 255, 0);       // the keypad's display
constexpr int ManualGreen = number(0, 192, 0); // the manual's text on cream
constexpr int ManualCream = number(255, 255, 192);

constexpr auto Button = ControlKind::Button;
constexpr auto Combo = ControlKind::Combo;
constexpr auto List = ControlKind::List;
constexpr auto Text = ControlKind::Text;
constexpr auto Check = ControlKind::Check;
constexpr auto Grid = ControlKind::Grid;
constexpr auto Right = TextAlign::Right;
constexpr auto Centre = TextAlign::Centre;

// The tables name their words in Japanese. They are built once, after the
// program has chosen its language, so a window reads them translated.
QString word(const QString& source)
{
    return source.isEmpty()
               ? source
               : QCoreApplication::translate("ControlTable", source.toUtf8().constData());
}

// What the id lists say of each id, in the ids' order.
struct IdFacts
{
    const char* name;
    const char* alias;
    const char* click;
};

constexpr IdFacts Facts[] = {
#define ZELTAN_PLAIN(name) {#name, "", ""},
#define ZELTAN_ALIASED(name, alias) {#name, #alias, ""},
#define ZELTAN_CLICKED(name) {#name, "", #name "_Click"},
#define ZELTAN_BOTH(name, alias) {#name, #alias, #name "_Click"},
#define ZELTAN_TOPIC(name) {#name, "", "manualTopic_Click"},
    ZELTAN_IDS(ZELTAN_PLAIN, ZELTAN_ALIASED, ZELTAN_CLICKED, ZELTAN_BOTH, ZELTAN_TOPIC)
#undef ZELTAN_PLAIN
#undef ZELTAN_ALIASED
#undef ZELTAN_CLICKED
#undef ZELTAN_BOTH
#undef ZELTAN_TOPIC
};
static_assert(std::size(Facts) == ControlIds::Count);

const IdFacts& factsOf(ControlId id) { return Facts[ControlIds::index(id)]; }

// The entries with what their ids give them.
template <typename Row> QList<Row> completed(QList<Row> table)
{
    for (Row& s : table) {
        const IdFacts& facts = factsOf(s.id);
        s.name = QString::fromLatin1(facts.name);
        s.click = QString::fromLatin1(facts.click);
        if constexpr (requires { s.alias; })
            s.alias = QString::fromLatin1(facts.alias);
    }
    return table;
}

template <typename Row> QList<Row> translated(QList<Row> table)
{
    for (Row& s : table) {
        if constexpr (requires { s.storedCaption; })
            if (s.storedCaption) {
                s.role = word(s.role);
                continue;
            }
        s.caption = word(s.caption);
        if constexpr (requires { s.role; })
            s.role = word(s.role);
    }
    return table;
}

} // namespace

QString nameOf(ControlId id) { return QString::fromLatin1(factsOf(id).name); }

std::optional<ControlId> idOf(QStringView name)
{
    // A hundred names, looked up only for names from outside: a scan is enough.
    for (std::size_t i = 0; i < ControlIds::Count; ++i)
        if (name == QLatin1String(Facts[i].name))
            return static_cast<ControlId>(i);
    return std::nullopt;
}

QString shownText(const ControlSpec& desc, const QString& text)
{
    return desc.storedCaption && text == desc.caption ? word(text) : text;
}

QString windowCaption() { return QCoreApplication::translate("ControlTable", "ギア比確認"); }

QString contactLine()
{
    return QCoreApplication::translate(
        "ControlTable",
        "〒150-0002 東京都渋谷区渋谷9-99-9 テルン株式会社　TEL 03-0000-0000　FAX 03-0000-0001　"
        "E-mail info@terrun.example　http://www.terrun.example/");
}

const QList<ControlSpec>& controls()
{
    // In the window's creation order: later controls lie over earlier ones.
    // Kept by hand at a few lines an entry (clang-format gives each field a line).
    // clang-format off
    static const QList<ControlSpec> table = completed(translated<ControlSpec>({
        // The machine's name over everything.
        {.id = ControlId::Label13, .left = 240, .top = 240, .width = 14775, .height = 615,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "ギア比確認ツール"), .face = MinchoFace, .pointSize = 26, .bold = true,
         .foreground = TitleBlue, .background = Black, .bordered = true, .align = Centre,
         .role = QT_TRANSLATE_NOOP("ControlTable", "マシン名の表示"), .storedCaption = true},

        // Quantity panel: name, value, selector, SET per row.
        {.id = ControlId::Label1, .left = 240, .top = 1080, .width = 3255, .height = 375,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "２次減速比"), .pointSize = 16, .bold = true, .foreground = Lilac,
         .background = Black, .bordered = true, .role = QT_TRANSLATE_NOOP("ControlTable", "２次減速比の見出し")},
        {.id = ControlId::Label6, .left = 3600, .top = 1080, .width = 2175, .height = 375, .pointSize = 16,
         .bold = true, .foreground = Lilac, .background = Black, .bordered = true, .align = Right,
         .role = QT_TRANSLATE_NOOP("ControlTable", "２次減速比")},
        {.id = ControlId::Command18, .kind = Button, .left = 5880, .top = 1080, .width = 375,
         .height = 375, .role = QT_TRANSLATE_NOOP("ControlTable", "２次減速比を計算"), .tab = 18,
         .picksQuantity = true},
        {.id = ControlId::Command1, .kind = Button, .left = 6360, .top = 1080, .width = 1095,
         .height = 375, .caption = "SET", .role = QT_TRANSLATE_NOOP("ControlTable", "２次減速比 SET"), .tab = 1},
        {.id = ControlId::Label2, .left = 240, .top = 1680, .width = 3255, .height = 375,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "スパーギア歯数"), .pointSize = 16, .bold = true, .foreground = Lilac,
         .background = Black, .bordered = true, .role = QT_TRANSLATE_NOOP("ControlTable", "スパーギア歯数の見出し")},
        {.id = ControlId::Label7, .left = 3600, .top = 1680, .width = 2175, .height = 375, .pointSize = 16,
         .bold = true, .foreground = Lilac, .background = Black, .bordered = true, .align = Right,
         .role = QT_TRANSLATE_NOOP("ControlTable", "スパーギア歯数")},
        {.id = ControlId::Command19, .kind = Button, .left = 5880, .top = 1680, .width = 375,
         .height = 375, .role = QT_TRANSLATE_NOOP("ControlTable", "スパーギア歯数を計算"), .tab = 19,
         .picksQuantity = true},
        {.id = ControlId::Command2, .kind = Button, .left = 6360, .top = 1680, .width = 1095,
         .height = 375, .caption = "SET", .role = QT_TRANSLATE_NOOP("ControlTable", "スパーギア歯数 SET"), .tab = 2},
        {.id = ControlId::Label3, .left = 240, .top = 2280, .width = 3255, .height = 375,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "ピニオンギア歯数"), .pointSize = 16, .bold = true, .foreground = Lilac,
         .background = Black, .bordered = true, .role = QT_TRANSLATE_NOOP("ControlTable", "ピニオンギア歯数の見出し")},
        {.id = ControlId::Label8, .left = 3600, .top = 2280, .width = 2175, .height = 375, .pointSize = 16,
         .bold = true, .foreground = Lilac, .background = Black, .bordered = true, .align = Right,
         .role = QT_TRANSLATE_NOOP("ControlTable", "ピニオンギア歯数")},
        {.id = ControlId::Command20, .kind = Button, .left = 5880, .top = 2280, .width = 375,
         .height = 375, .role = QT_TRANSLATE_NOOP("ControlTable", "ピニオンギア歯数を計算"), .tab = 20,
         .picksQuantity = true},
        {.id = ControlId::Command3, .kind = Button, .left = 6360, .top = 2280, .width = 1095,
         .height = 375, .caption = "SET", .role = QT_TRANSLATE_NOOP("ControlTable", "ピニオンギア歯数 SET"),
         .tab = 3},
        {.id = ControlId::Label4, .left = 240, .top = 2880, .width = 3255, .height = 375,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "減速比"), .pointSize = 16, .bold = true, .foreground = Lilac,
         .background = Black, .bordered = true, .role = QT_TRANSLATE_NOOP("ControlTable", "減速比の見出し")},
        {.id = ControlId::Label9, .left = 3600, .top = 2880, .width = 2175, .height = 375, .pointSize = 16,
         .bold = true, .foreground = Lilac, .background = Black, .bordered = true, .align = Right,
         .role = QT_TRANSLATE_NOOP("ControlTable", "減速比")},
        {.id = ControlId::Command21, .kind = Button, .left = 5880, .top = 2880, .width = 375,
         .height = 375, .caption = "★", .role = QT_TRANSLATE_NOOP("ControlTable", "減速比を計算"), .tab = 21,
         .picksQuantity = true},
        {.id = ControlId::Command4, .kind = Button, .left = 6360, .top = 2880, .width = 1095,
         .height = 375, .caption = "SET", .role = QT_TRANSLATE_NOOP("ControlTable", "減速比 SET"), .tab = 4},

        // Keypad: display and twelve keys in four rows of three.
        {.id = ControlId::Label11, .left = 7560, .top = 1080, .width = 1815, .height = 375, .caption = "0",
         .pointSize = 14, .bold = true, .foreground = Green, .background = Black, .bordered = true,
         .align = Right, .role = QT_TRANSLATE_NOOP("ControlTable", "キーパッドの入力")},
        {.id = ControlId::Command6, .kind = Button, .left = 7560, .top = 1440, .width = 615, .height = 615,
         .caption = "7", .role = "7", .tab = 6, .keys = {Qt::Key_7}},
        {.id = ControlId::Command7, .kind = Button, .left = 8160, .top = 1440, .width = 615, .height = 615,
         .caption = "8", .role = "8", .tab = 7, .keys = {Qt::Key_8}},
        {.id = ControlId::Command8, .kind = Button, .left = 8760, .top = 1440, .width = 615, .height = 615,
         .caption = "9", .role = "9", .tab = 8, .keys = {Qt::Key_9}},
        {.id = ControlId::Command9, .kind = Button, .left = 7560, .top = 2040, .width = 615, .height = 615,
         .caption = "4", .role = "4", .tab = 9, .keys = {Qt::Key_4}},
        {.id = ControlId::Command10, .kind = Button, .left = 8160, .top = 2040, .width = 615,
         .height = 615, .caption = "5", .role = "5", .tab = 10,
         .keys = {Qt::Key_5}},
        {.id = ControlId::Command11, .kind = Button, .left = 8760, .top = 2040, .width = 615,
         .height = 615, .caption = "6", .role = "6", .tab = 11,
         .keys = {Qt::Key_6}},
        {.id = ControlId::Command12, .kind = Button, .left = 7560, .top = 2640, .width = 615,
         .height = 615, .caption = "1", .role = "1", .tab = 12,
         .keys = {Qt::Key_1}},
        {.id = ControlId::Command13, .kind = Button, .left = 8160, .top = 2640, .width = 615,
         .height = 615, .caption = "2", .role = "2", .tab = 13,
         .keys = {Qt::Key_2}},
        {.id = ControlId::Command14, .kind = Button, .left = 8760, .top = 2640, .width = 615,
         .height = 615, .caption = "3", .role = "3", .tab = 14,
         .keys = {Qt::Key_3}},
        {.id = ControlId::Command15, .kind = Button, .left = 7560, .top = 3240, .width = 615,
         .height = 615, .caption = "0", .role = "0", .tab = 15,
         .keys = {Qt::Key_0}},
        {.id = ControlId::Command16, .kind = Button, .left = 8160, .top = 3240, .width = 615,
         .height = 615, .caption = QT_TRANSLATE_NOOP("ControlTable", "・"), .role = QT_TRANSLATE_NOOP("ControlTable", "小数点"), .tab = 16,
         .keys = {Qt::Key_Period, Qt::Key_Comma}},
        {.id = ControlId::Command17, .kind = Button, .left = 8760, .top = 3240, .width = 615,
         .height = 615, .caption = "CLS", .role = QT_TRANSLATE_NOOP("ControlTable", "入力のクリア"), .tab = 17,
         .keys = {Qt::Key_Escape, Qt::Key_Delete}},

        // Status line and survey controls.
        {.id = ControlId::Label12, .left = 240, .top = 3480, .width = 5535, .height = 375,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "減速比を計算表示します"), .pointSize = 16, .bold = true, .foreground = Blue,
         .background = Look::Face, .bordered = true, .align = Centre, .role = QT_TRANSLATE_NOOP("ControlTable", "状況表示")},
        {.id = ControlId::Command5, .kind = Button, .left = 5880, .top = 3480, .width = 1575,
         .height = 375, .caption = QT_TRANSLATE_NOOP("ControlTable", "指定減速比調査"), .role = QT_TRANSLATE_NOOP("ControlTable", "指定減速比調査"),
         .tab = 5},
        {.id = ControlId::Check1, .kind = Check, .left = 240, .top = 3960, .width = 4935, .height = 375,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "スパー、ピニオンの計算実行時に一方のギア数を変更しない"),
         .role = QT_TRANSLATE_NOOP("ControlTable", "計算時に一方のギア数を変更しない"), .tab = 22},
        {.id = ControlId::Command29, .kind = Button, .left = 7560, .top = 3960, .width = 1815,
         .height = 375, .caption = QT_TRANSLATE_NOOP("ControlTable", "表再作成"), .role = QT_TRANSLATE_NOOP("ControlTable", "表再作成"), .tab = 40},

        // Survey-parameter box: modules, then a range row each for spur and pinion
        // (start, "＋", width, "計算間隔", interval).
        {.id = ControlId::Label16, .left = 480, .top = 4560, .width = 8655, .height = 255,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "指定減速比調査時のパラメータ"), .foreground = Lilac, .background = Black,
         .bordered = true, .align = Centre, .role = QT_TRANSLATE_NOOP("ControlTable", "指定減速比調査時のパラメータ")},
        {.id = ControlId::Label35, .left = 480, .top = 4800, .width = 6375, .height = 275,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "XXモジュールを選択した場合表再作成で新しいモジュールを作れます"),
         .bordered = true, .hiddenAtStart = true, .role = QT_TRANSLATE_NOOP("ControlTable", "新しいモジュールの説明")},
        {.id = ControlId::Text2, .kind = Text, .left = 6840, .top = 4800, .width = 2295, .height = 270,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "??モジュール"), .background = Look::Face, .hiddenAtStart = true,
         .role = QT_TRANSLATE_NOOP("ControlTable", "新しいモジュール名"), .tab = 41},
        {.id = ControlId::Label33, .left = 480, .top = 5160, .width = 2175, .height = 255,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "モジュール選択"), .foreground = Lilac, .background = Black, .bordered = true,
         .align = Centre, .role = QT_TRANSLATE_NOOP("ControlTable", "モジュール選択の見出し")},
        {.id = ControlId::Label5, .left = 2640, .top = 5160, .width = 3255, .height = 255,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "スパー範囲"), .foreground = Lilac, .background = Black, .bordered = true,
         .align = Centre, .role = QT_TRANSLATE_NOOP("ControlTable", "スパー範囲の表示")},
        {.id = ControlId::Label10, .left = 5880, .top = 5160, .width = 3255, .height = 255,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "ピニオン範囲"), .foreground = Lilac, .background = Black, .bordered = true,
         .align = Centre, .role = QT_TRANSLATE_NOOP("ControlTable", "ピニオン範囲の表示")},
        {.id = ControlId::Combo7, .kind = Combo, .left = 480, .top = 5400, .width = 2175, .height = 300,
         .caption = "Combo7", .background = Look::Face, .role = QT_TRANSLATE_NOOP("ControlTable", "モジュール選択"),
         .tab = 38},
        {.id = ControlId::Combo1, .kind = Combo, .left = 2640, .top = 5400, .width = 735, .height = 300,
         .caption = "Combo1", .background = Look::Face, .role = QT_TRANSLATE_NOOP("ControlTable", "スパー範囲の開始"),
         .tab = 23},
        {.id = ControlId::Label14, .left = 3360, .top = 5445, .width = 375, .height = 255, .caption = QT_TRANSLATE_NOOP("ControlTable", "＋"),
         .pointSize = 10, .bold = true, .background = Look::Transparent, .align = Centre,
         .role = QT_TRANSLATE_NOOP("ControlTable", "スパー範囲の＋")},
        {.id = ControlId::Combo2, .kind = Combo, .left = 3720, .top = 5400, .width = 735, .height = 300,
         .caption = "Combo2", .background = Look::Face, .role = QT_TRANSLATE_NOOP("ControlTable", "スパー範囲の幅"),
         .tab = 24},
        {.id = ControlId::Label29, .left = 4440, .top = 5460, .width = 855, .height = 255,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "計算間隔"), .align = Right, .role = QT_TRANSLATE_NOOP("ControlTable", "スパーの計算間隔の見出し")},
        {.id = ControlId::Combo5, .kind = Combo, .left = 5400, .top = 5400, .width = 495, .height = 300,
         .caption = "Combo5", .background = Look::Face, .role = QT_TRANSLATE_NOOP("ControlTable", "スパーの計算間隔"), .tab = 35},
        {.id = ControlId::Combo3, .kind = Combo, .left = 5880, .top = 5400, .width = 735, .height = 300,
         .caption = "Combo3", .background = Look::Face, .role = QT_TRANSLATE_NOOP("ControlTable", "ピニオン範囲の開始"),
         .tab = 25},
        {.id = ControlId::Label15, .left = 6600, .top = 5445, .width = 375, .height = 255, .caption = QT_TRANSLATE_NOOP("ControlTable", "＋"),
         .pointSize = 10, .bold = true, .background = Look::Transparent, .align = Centre,
         .role = QT_TRANSLATE_NOOP("ControlTable", "ピニオン範囲の＋")},
        {.id = ControlId::Combo4, .kind = Combo, .left = 6960, .top = 5400, .width = 735, .height = 300,
         .caption = "Combo4", .background = Look::Face, .role = QT_TRANSLATE_NOOP("ControlTable", "ピニオン範囲の幅"),
         .tab = 26},
        {.id = ControlId::Label30, .left = 7680, .top = 5460, .width = 855, .height = 255,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "計算間隔"), .align = Right, .role = QT_TRANSLATE_NOOP("ControlTable", "ピニオンの計算間隔の見出し")},
        {.id = ControlId::Combo6, .kind = Combo, .left = 8640, .top = 5400, .width = 495, .height = 300,
         .caption = "Combo6", .background = Look::Face, .role = QT_TRANSLATE_NOOP("ControlTable", "ピニオンの計算間隔"), .tab = 36},

        // Machine panel.
        {.id = ControlId::Label17, .left = 480, .top = 6360, .width = 8655, .height = 255,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "マシン登録＆選択"), .foreground = Lilac, .background = Black, .bordered = true,
         .align = Centre, .role = QT_TRANSLATE_NOOP("ControlTable", "マシン登録＆選択")},
        {.id = ControlId::Label28, .left = 480, .top = 6840, .width = 3735, .height = 255,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "登録マシン一覧（選択で上部に転記します）"), .foreground = Lilac,
         .background = Black, .bordered = true, .align = Centre, .role = QT_TRANSLATE_NOOP("ControlTable", "登録マシン一覧の見出し")},
        {.id = ControlId::List1, .kind = List, .left = 480, .top = 7080, .width = 3735, .height = 2040,
         .foreground = Blue, .background = Look::Face, .role = QT_TRANSLATE_NOOP("ControlTable", "登録マシン一覧"),
         .tab = 27},
        {.id = ControlId::Label18, .left = 4320, .top = 6840, .width = 3135, .height = 255,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "マシン名"), .foreground = Lilac, .background = Black, .bordered = true,
         .align = Centre, .role = QT_TRANSLATE_NOOP("ControlTable", "マシン名の見出し")},
        {.id = ControlId::Text1, .kind = Text, .left = 4320, .top = 7080, .width = 3135, .height = 270,
         .foreground = Blue, .background = Look::Face, .role = QT_TRANSLATE_NOOP("ControlTable", "マシン名"), .tab = 28},
        {.id = ControlId::Label19, .left = 7440, .top = 6840, .width = 1695, .height = 255,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "２次減速比"), .foreground = Lilac, .background = Black, .bordered = true,
         .align = Centre, .role = QT_TRANSLATE_NOOP("ControlTable", "登録する２次減速比の見出し")},
        {.id = ControlId::Label20, .left = 7440, .top = 7080, .width = 1695, .height = 270, .caption = "0",
         .foreground = Blue, .background = Look::Face, .bordered = true, .align = Right,
         .role = QT_TRANSLATE_NOOP("ControlTable", "登録する２次減速比")},
        {.id = ControlId::Label21, .left = 4320, .top = 7440, .width = 2415, .height = 255,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "モジュール設定"), .foreground = Lilac, .background = Black, .bordered = true,
         .align = Centre, .role = QT_TRANSLATE_NOOP("ControlTable", "モジュール設定の見出し")},
        {.id = ControlId::Label34, .left = 6720, .top = 7440, .width = 2415, .height = 255,
         .foreground = Blue, .background = Look::Face, .bordered = true,
         .role = QT_TRANSLATE_NOOP("ControlTable", "登録するモジュール")},
        {.id = ControlId::Label22, .left = 4320, .top = 7800, .width = 1335, .height = 255,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "スパー範囲"), .foreground = Lilac, .background = Black, .bordered = true,
         .align = Centre, .role = QT_TRANSLATE_NOOP("ControlTable", "登録するスパー範囲の見出し")},
        {.id = ControlId::Label23, .left = 5640, .top = 7800, .width = 495, .height = 255,
         .foreground = Blue, .background = Look::Face, .bordered = true, .align = Right,
         .role = QT_TRANSLATE_NOOP("ControlTable", "登録するスパー範囲の開始")},
        {.id = ControlId::Label24, .left = 6120, .top = 7800, .width = 375, .height = 255,
         .foreground = Blue, .background = Look::Face, .bordered = true, .align = Right,
         .role = QT_TRANSLATE_NOOP("ControlTable", "登録するスパー範囲の幅")},
        {.id = ControlId::Label31, .left = 6480, .top = 7800, .width = 255, .height = 255,
         .foreground = Blue, .background = Look::Face, .bordered = true, .align = Right,
         .role = QT_TRANSLATE_NOOP("ControlTable", "登録するスパーの計算間隔")},
        {.id = ControlId::Label25, .left = 6720, .top = 7800, .width = 1335, .height = 255,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "ピニオン範囲"), .foreground = Lilac, .background = Black, .bordered = true,
         .align = Centre, .role = QT_TRANSLATE_NOOP("ControlTable", "登録するピニオン範囲の見出し")},
        {.id = ControlId::Label26, .left = 8040, .top = 7800, .width = 495, .height = 255,
         .foreground = Blue, .background = Look::Face, .bordered = true, .align = Right,
         .role = QT_TRANSLATE_NOOP("ControlTable", "登録するピニオン範囲の開始")},
        {.id = ControlId::Label27, .left = 8520, .top = 7800, .width = 375, .height = 255,
         .foreground = Blue, .background = Look::Face, .bordered = true, .align = Right,
         .role = QT_TRANSLATE_NOOP("ControlTable", "登録するピニオン範囲の幅")},
        {.id = ControlId::Label32, .left = 8880, .top = 7800, .width = 255, .height = 255,
         .foreground = Blue, .background = Look::Face, .bordered = true, .align = Right,
         .role = QT_TRANSLATE_NOOP("ControlTable", "登録するピニオンの計算間隔")},
        {.id = ControlId::Command22, .kind = Button, .left = 4320, .top = 8160, .width = 735,
         .height = 975, .caption = QT_TRANSLATE_NOOP("ControlTable", "登録"), .role = QT_TRANSLATE_NOOP("ControlTable", "マシンを登録"), .tab = 29},
        {.id = ControlId::Command23, .kind = Button, .left = 5040, .top = 8160, .width = 3375,
         .height = 495, .caption = QT_TRANSLATE_NOOP("ControlTable", "上部データから該当全数値転記する"),
         .role = QT_TRANSLATE_NOOP("ControlTable", "上部データから全数値を転記"), .tab = 30},
        {.id = ControlId::Command24, .kind = Button, .left = 5040, .top = 8640, .width = 855,
         .height = 495, .caption = QT_TRANSLATE_NOOP("ControlTable", "2次減速"), .role = QT_TRANSLATE_NOOP("ControlTable", "２次減速比を転記"),
         .tab = 31},
        {.id = ControlId::Command25, .kind = Button, .left = 5880, .top = 8640, .width = 855,
         .height = 495, .caption = QT_TRANSLATE_NOOP("ControlTable", "スパー"), .role = QT_TRANSLATE_NOOP("ControlTable", "スパー範囲を転記"),
         .tab = 32},
        {.id = ControlId::Command26, .kind = Button, .left = 6720, .top = 8640, .width = 855,
         .height = 495, .caption = QT_TRANSLATE_NOOP("ControlTable", "ピニオン"), .role = QT_TRANSLATE_NOOP("ControlTable", "ピニオン範囲を転記"),
         .tab = 33},
        {.id = ControlId::Command28, .kind = Button, .left = 7560, .top = 8640, .width = 855,
         .height = 495, .caption = QT_TRANSLATE_NOOP("ControlTable", "ﾓｼﾞｭｰﾙ"), .role = QT_TRANSLATE_NOOP("ControlTable", "モジュールを転記"),
         .tab = 39},
        {.id = ControlId::Command27, .kind = Button, .left = 8400, .top = 8160, .width = 735,
         .height = 975, .caption = QT_TRANSLATE_NOOP("ControlTable", "削除"), .role = QT_TRANSLATE_NOOP("ControlTable", "マシンを削除"), .tab = 34},

        // Right-hand panel: the grid, the manual over it, and its close button on top.
        {.id = ControlId::MSFlexGrid1, .kind = Grid, .left = 9480, .top = 1080, .width = 5535,
         .height = 8175, .role = QT_TRANSLATE_NOOP("ControlTable", "減速比表"), .tab = 37},
        {.id = ControlId::List2, .kind = List, .left = 9480, .top = 1080, .width = 5535, .height = 8160,
         .foreground = ManualGreen, .background = ManualCream, .hiddenAtStart = true,
         .role = QT_TRANSLATE_NOOP("ControlTable", "取り扱い説明"), .tab = 42},
        {.id = ControlId::Command30, .kind = Button, .left = 13800, .top = 8760, .width = 855,
         .height = 375, .caption = QT_TRANSLATE_NOOP("ControlTable", "閉じる"), .hiddenAtStart = true, .role = QT_TRANSLATE_NOOP("ControlTable", "取り扱い説明を閉じる"),
         .tab = 43},
    }));
    // clang-format on
    return table;
}

const ControlSpec* find(ControlId id)
{
    // Each control's entry by its id, found once.
    static const std::array<const ControlSpec*, ControlIds::Count> entries = [] {
        std::array<const ControlSpec*, ControlIds::Count> byId{};
        for (const ControlSpec& desc : controls())
            byId[ControlIds::index(desc.id)] = &desc;
        return byId;
    }();
    return entries[ControlIds::index(id)];
}

const ControlSpec* find(const QString& name)
{
    const std::optional<ControlId> id = idOf(name);
    return id ? find(*id) : nullptr;
}

const QList<LineSpec>& lines()
{
    static const QList<LineSpec> table = {
        {"Line1", 240, 4440, 9360, 4440, Blue},   {"Line2", 240, 4440, 240, 6000, Blue},
        {"Line3", 9360, 4440, 9360, 6000, Blue},  {"Line4", 240, 6000, 9360, 6000, Blue},
        {"Line5", 6600, 3840, 6600, 4440, Blue},  {"Line6", 240, 6240, 9360, 6240, Blue},
        {"Line7", 240, 9240, 240, 6240, Blue},    {"Line8", 9360, 6240, 9360, 9240, Blue},
        {"Line9", 240, 9240, 9360, 9240, Blue},   {"Line10", 7080, 4440, 7080, 4080, Blue},
        {"Line11", 7560, 4080, 7080, 4080, Blue},
    };
    return table;
}

const QList<MenuSpec>& menus()
{
    static const QList<MenuSpec> table = completed(translated<MenuSpec>({
        {.id = ControlId::owaru,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "終了"),
         .shortcut = "Ctrl+Q"},
        {.id = ControlId::toriatukai,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "取り扱い説明"),
         .shortcut = "F1"},
        {.id = ControlId::tzigensoku,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "２次減速比計算方法"),
         .parent = ControlId::toriatukai},
        {.id = ControlId::tspgia,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "スパーギア数計算方法"),
         .parent = ControlId::toriatukai},
        {.id = ControlId::tpinion,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "ピニオンギア数計算方法"),
         .parent = ControlId::toriatukai},
        {.id = ControlId::tgensokuhi,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "減速比の計算方法"),
         .parent = ControlId::toriatukai},
        {.id = ControlId::tsitei,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "指定減速比調査方法"),
         .parent = ControlId::toriatukai},
        {.id = ControlId::tsiteipr,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "指定減速比パラメータ設定方法"),
         .parent = ControlId::toriatukai},
        {.id = ControlId::tmasinst,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "マシンの指定＆登録方法"),
         .parent = ControlId::toriatukai},
        {.id = ControlId::tprinto,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "プリントの方法"),
         .parent = ControlId::toriatukai},
        {.id = ControlId::torisetutoziru,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "取り扱い説明閉じる"),
         .parent = ControlId::toriatukai},
        {.id = ControlId::torisetuhiraku,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "前回の取説を開く"),
         .parent = ControlId::toriatukai},
        {.id = ControlId::purinto,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "プリント"),
         .shortcut = "Ctrl+P"},
        {.id = ControlId::verinf, .caption = QT_TRANSLATE_NOOP("ControlTable", "ﾊﾞｰｼﾞｮﾝ情報")},
        // Tools beyond the window's own four menus.
        {.id = ControlId::tuuru, .caption = QT_TRANSLATE_NOOP("ControlTable", "ツール")},
        {.id = ControlId::soukou,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "走行計算"),
         .parent = ControlId::tuuru,
         .shortcut = "Ctrl+R"},
        {.id = ControlId::purebyuu,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "印刷プレビュー"),
         .parent = ControlId::tuuru},
        {.id = ControlId::insatu,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "印刷…"),
         .parent = ControlId::tuuru,
         .shortcut = "Ctrl+Shift+P"},
        {.id = ControlId::pdfhozon,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "PDFに保存…"),
         .parent = ControlId::tuuru},
        {.id = ControlId::csvhozon,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "CSVで保存…"),
         .parent = ControlId::tuuru},
        {.id = ControlId::kiroku,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "セッティング記録"),
         .parent = ControlId::tuuru,
         .shortcut = "Ctrl+L"},
        // The manual's topics of what the tools added, shown as its own topics are.
        {.id = ControlId::tuurusetumei,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "ツールの説明"),
         .parent = ControlId::tuuru},
        {.id = ControlId::ttuuru,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "ツールメニュー"),
         .parent = ControlId::tuurusetumei},
        {.id = ControlId::tsoukou,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "走行計算"),
         .parent = ControlId::tuurusetumei},
        {.id = ControlId::tkiroku,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "セッティング記録"),
         .parent = ControlId::tuurusetumei},
        {.id = ControlId::tkey,
         .caption = QT_TRANSLATE_NOOP("ControlTable", "キー操作"),
         .parent = ControlId::tuurusetumei},
    }));
    return table;
}

const QStringList& focusOrder()
{
    static const QStringList order = [] {
        QList<const ControlSpec*> reached;
        for (const ControlSpec& desc : controls())
            if (desc.tab > 0)
                reached << &desc;
        std::sort(reached.begin(), reached.end(),
                  [](const ControlSpec* a, const ControlSpec* b) { return a->tab < b->tab; });
        QStringList names;
        for (const ControlSpec* desc : reached)
            names << desc->name;
        return names;
    }();
    return order;
}

const QList<FooterText>& footer()
{
    static const QList<FooterText> lines = {
        {250, 9350,
         QStringLiteral("Gear investigation system   Program maker is Terrun Corporation"),
         GothicFace, 26, true, true, Colour::number(100, 150, 200)},
        {350, 10000, contactLine(), GothicFace, 10, false, false, Colour::number(100, 100, 200)},
    };
    return lines;
}

} // namespace ControlTable
