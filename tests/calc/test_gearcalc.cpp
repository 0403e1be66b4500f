#include "calc/check.h"
#include "support/appfixture.h"

#include <cmath>
#include <functional>

namespace {

class GearCalc : public AppFixture
{
};

struct Case
{
    const char* name;
    const char* selector; // the starred quantity
    const char* setButton;
    const char* entry;
    QStringList before; // secondary, spur, pinion, total
    bool keepOther;     // Check1
    QStringList after;
    const char* status;
};

TEST_F(GearCalc, WorkedExamplesHoldToTheLastDigit)
{
    const Case cases[] = {
        // Spur with pinion 22: 70.4 → 70, the pinion is recomputed (22 again).
        {"spur rounds down, pinion recomputed",
         "Command19",
         "Command2",
         "0",
         {"2.5", "", "22", "8.0"},
         false,
         {"2.5", "70", "22", "7.95455"},
         "スパー計算終了 ピニオンも変更"},
        // Pinion with spur 75: 23.4375 → 23, the spur becomes 74.
        {"pinion rounds down, spur follows",
         "Command20",
         "Command3",
         "0",
         {"2.5", "75", "", "8.0"},
         false,
         {"2.5", "74", "23", "8.04348"},
         "ピニオン計算終了 スパーも変更"},
        {"pinion with the spur kept",
         "Command20",
         "Command3",
         "0",
         {"2.5", "75", "", "8.0"},
         true,
         {"2.5", "75", "23", "8.15217"},
         "ピニオン計算終了"},
        {"secondary from spur and pinion",
         "Command18",
         "Command1",
         "0",
         {"", "70", "22", "8.0"},
         false,
         {"2.51429", "70", "22", "8.0"},
         "２次減速比計算終了"},
        {"total from the other three",
         "Command21",
         "Command4",
         "0",
         {"2.5", "70", "22", ""},
         false,
         {"2.5", "70", "22", "7.95455"},
         "減速比計算終了"},
        // Exactly half: 22.5 → 22 (even), then the spur becomes 88.
        {"pinion half down to even, spur follows",
         "Command20",
         "Command3",
         "0",
         {"2", "90", "", "8"},
         false,
         {"2", "88", "22", "8.00000"},
         "ピニオン計算終了 スパーも変更"},
        {"pinion half up to even, spur follows",
         "Command20",
         "Command3",
         "0",
         {"2", "94", "", "8"},
         false,
         {"2", "96", "24", "8.00000"},
         "ピニオン計算終了 スパーも変更"},
        // A deviation of 0.3 does not adjust (spur 69.3 → 69 with pinion 21).
        {"a deviation of 0.3 keeps the pinion",
         "Command19",
         "Command2",
         "0",
         {"1", "", "21", "3.3"},
         false,
         {"1", "69", "21", "3.28571"},
         "スパー計算終了"},
        // With the star on the total, 80 typed into the spur row.
        {"spur typed with the total starred",
         "Command21",
         "Command2",
         "80",
         {"2.5", "70", "25", ""},
         false,
         {"2.5", "80", "25", "8.00000"},
         "減速比計算終了"},
        // The keypad entry is rounded to a whole count, halves to even.
        {"keypad half down to even",
         "Command21",
         "Command2",
         "22.5",
         {"1", "", "11", ""},
         false,
         {"1", "22", "11", "2.00000"},
         "減速比計算終了"},
        {"keypad half up to even",
         "Command21",
         "Command2",
         "23.5",
         {"1", "", "12", ""},
         false,
         {"1", "24", "12", "2.00000"},
         "減速比計算終了"},
        // An entry typed into the starred quantity is overwritten by its result.
        {"an entry into the starred total",
         "Command21",
         "Command4",
         "9",
         {"2.5", "70", "22", "8"},
         false,
         {"2.5", "70", "22", "7.95455"},
         "減速比計算終了"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        press(c.selector);
        quantities(c.before[0], c.before[1], c.before[2], c.before[3]);
        f.Check1.checked = c.keepOther;
        f.Label11.text = c.entry;
        press(c.setButton);
        EXPECT_EQ(QStringList({f.Label6.text, f.Label7.text, f.Label8.text, f.Label9.text}),
                  c.after)
            << c.selector << " " << c.before.join(',').toStdString();
        EXPECT_EQ(f.Label12.text, QString::fromUtf8(c.status)) << c.selector;
        EXPECT_EQ(f.Label11.text, "0");
        EXPECT_TRUE(host.messages.isEmpty()) << host.messages.join('\n').toStdString();
    }
}

TEST_F(GearCalc, SelectorsMoveTheStarAndAnnounce)
{
    const struct
    {
        const char* name;
        const char* button;
        const char* announcement;
    } cases[] = {
        {"secondary", "Command18", "2次減速比を計算表示します"},
        {"spur", "Command19", "ｽﾊﾟｰｷﾞｱ歯数を計算表示します"},
        {"pinion", "Command20", "ﾋﾟﾆｵﾝｷﾞｱ歯数を計算表示します"},
        {"total", "Command21", "減速比を計算表示します"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        press(c.button);
        EXPECT_EQ(f.Label12.text, QString::fromUtf8(c.announcement));
        int stars = 0;
        for (const Control* s : {&f.Command18, &f.Command19, &f.Command20, &f.Command21})
            stars += s->text == "★";
        EXPECT_EQ(stars, 1);
        EXPECT_EQ(f.control(QString::fromLatin1(c.button))->text, "★");
    }
}

TEST_F(GearCalc, MissingInputsAreReportedInTheirOrder)
{
    const struct
    {
        const char* name;
        const char* selector;
        QStringList before;
        const char* message;
    } cases[] = {
        {"secondary: no spur", "Command18", {"", "", "", ""}, "スパーが設定されていません"},
        {"secondary: pinion 0", "Command18", {"", "70", "0", ""}, "ピニオンが設定されていません"},
        {"secondary: total 0", "Command18", {"", "70", "22", "0"}, "減速比が設定されていません"},
        {"spur: no secondary", "Command19", {"", "", "", ""}, "２次減速比が設定されていません"},
        {"spur: no pinion", "Command19", {"2.5", "", "", ""}, "ピニオンが設定されていません"},
        {"spur: no total", "Command19", {"2.5", "", "22", ""}, "減速比が設定されていません"},
        {"pinion: secondary 0", "Command20", {"0", "", "", ""}, "２次減速比が設定されていません"},
        {"pinion: no spur", "Command20", {"2.5", "", "", ""}, "スパーが設定されていません"},
        {"pinion: no total", "Command20", {"2.5", "70", "", ""}, "減速比が設定されていません"},
        {"total: no secondary", "Command21", {"", "", "", ""}, "２次減速比が設定されていません"},
        {"total: spur 0", "Command21", {"2.5", "0", "", ""}, "スパーが設定されていません"},
        {"total: no pinion", "Command21", {"2.5", "70", "", ""}, "ピニオンが設定されていません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        press(c.selector);
        quantities(c.before[0], c.before[1], c.before[2], c.before[3]);
        host.messages.clear();
        press("Command4");
        EXPECT_EQ(host.messages, QStringList{QString::fromUtf8(c.message)}) << c.selector;
        EXPECT_EQ(QStringList({f.Label6.text, f.Label7.text, f.Label8.text, f.Label9.text}),
                  c.before);
        EXPECT_EQ(f.Label12.text, "");
    }
}

TEST_F(GearCalc, UnusableInputsNameTheFieldAndChangeNothing)
{
    const struct
    {
        const char* name;
        const char* selector;
        QStringList before;
        const char* entry;
        const char* setButton;
        const char* messagePart;
    } cases[] = {
        {"text", "Command21", {"2.5", "70", "abc", ""}, "0", "Command4", "ピニオンギア歯数「abc」"},
        {"pinion 0", "Command21", {"2.5", "70", "0.0", ""}, "0", "Command4", "ピニオンギア歯数が0"},
        {"secondary 0.00", "Command19", {"0.00", "", "22", "8"}, "0", "Command4", "２次減速比が0"},
        {"total 0.0", "Command20", {"2.5", "70", "", "0.0"}, "0", "Command4", "１次減速比"},
        {"spur 0.0", "Command18", {"", "0.0", "22", "8"}, "0", "Command4", "１次減速比"},
        {"pinion rounds to 0",
         "Command20",
         {"2.5", "1", "", "30000"},
         "0",
         "Command4",
         "ピニオンギア歯数が0"},
        {"spur beyond a count",
         "Command19",
         {"0.001", "", "22", "8"},
         "0",
         "Command4",
         "スパーギア歯数が範囲"},
        // Results beyond the range of numbers are reported, never shown as 0.
        {"total too large",
         "Command21",
         {QString(308, u'9'), "80", "25", ""},
         "0",
         "Command4",
         "計算した減速比が大きすぎ"},
        {"secondary too large",
         "Command18",
         {"", "1", "32767", QString(305, u'9')},
         "0",
         "Command4",
         "計算した２次減速比が大きすぎ"},
        // A keypad entry too large for a tooth count stays on the keypad.
        {"huge entry", "Command21", {"2.5", "70", "22", ""}, "40000", "Command2", "入力「40000」"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        press(c.selector);
        quantities(c.before[0], c.before[1], c.before[2], c.before[3]);
        f.Label11.text = c.entry;
        host.messages.clear();
        press(c.setButton);
        ASSERT_EQ(host.messages.size(), 1) << c.messagePart;
        EXPECT_TRUE(host.messages[0].contains(QString::fromUtf8(c.messagePart)))
            << host.messages[0].toStdString();
        EXPECT_EQ(QStringList({f.Label6.text, f.Label7.text, f.Label8.text, f.Label9.text}),
                  c.before);
        EXPECT_EQ(f.Label11.text, QString::fromLatin1(c.entry));
    }
}

TEST_F(GearCalc, EverySetPressSavesTwelveLinesEvenAfterAMessage)
{
    f.Label13.text = "Car, A";
    quantities("2.5", "70", "22", "");
    ranges("70", "15", "20", "15");
    f.Combo7.text = " 48P";
    press("Command4");
    EXPECT_EQ(dir.bytes("GIA.DAT"), cp932({"\"Car, A\"", "2.5", "70", "22", "7.95455", "\" 48P\"",
                                           "70", "15", "20", "15", "1", "1"}));

    f.Label6.text.clear();
    press("Command4");
    EXPECT_EQ(host.messages.last(), "２次減速比が設定されていません");
    EXPECT_EQ(dir.lines("GIA.DAT").size(), 12);
    EXPECT_EQ(dir.lines("GIA.DAT")[1], "");
}

// Every calculation checks with one Check: each problem worded once, the
// first one kept, and every step after it 0, whatever it was given.
TEST(Check, KeepsTheFirstProblemOnly)
{
    const QString longText = QString(30, u'1') + QString(20, u'x');
    const struct
    {
        const char* name;
        std::function<double(Check&)> steps; // returns the last step's value
        QString message;
    } rows[] = {
        {"all well", [](Check& c) { return c.count(22.5, "x") + c.read("x", " 7 "); }, ""},
        {"not set first",
         [](Check& c) {
             c.require(false, "スパー");
             c.require(false, "ピニオン");
             return c.value("x", "abc");
         },
         "スパーが設定されていません"},
        {"blank", [](Check& c) { return c.read("タイヤ径", " "); }, "タイヤ径が設定されていません"},
        {"long text elided", [&](Check& c) { return c.value("指定減速比", longText); },
         "指定減速比「" + QString(19, u'1') + "…" + QString(20, u'x') + "」は数値ではありません"},
        {"zero or below", [](Check& c) { return c.read("タイヤ径", "0"); },
         "タイヤ径は0より大きい値を指定して下さい"},
        {"typed count", [](Check& c) { return double(c.whole("スパー範囲の幅", "40000")); },
         "スパー範囲の幅「40000」が範囲（-32768～32767）を超えています"},
        {"zero divisor",
         [](Check& c) {
             c.divisor(0.0, "ピニオンギア歯数");
             return c.finite(HUGE_VAL, "減速比");
         },
         "ピニオンギア歯数が0のため計算できません"},
        {"quotient", [](Check& c) { return c.quotient(1.0, 0.0, "基準の減速比", "変化率"); },
         "基準の減速比が0のため計算できません"},
        {"too large", [](Check& c) { return c.quotient(1e300, 1e-300, "x", "減速比"); },
         "計算した減速比が大きすぎて表示できません"},
        {"computed count", [](Check& c) { return double(c.count(32767.5, "スパーギア歯数")); },
         "計算したスパーギア歯数が範囲（-32768～32767）を超えています"},
    };
    for (const auto& r : rows) {
        Check c;
        const double last = r.steps(c);
        const Result<double> result = c.result(last);
        EXPECT_EQ(result.error(), r.message) << r.name;
        if (!result) {
            EXPECT_EQ(last, 0.0) << r.name;
        }
    }
}

} // namespace
