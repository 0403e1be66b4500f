#include "calc/check.h"
#include "calc/gearcalc.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using GearCalc::Quantity;

// The four quantities as the window holds them (secondary, spur, pinion,
// total); an empty one or "0" is not set, as the window counts them.
GearCalc::Setup setup(Quantity starred, const QStringList& texts, bool keepOther = false)
{
    GearCalc::Setup s;
    for (Quantity q : GearCalc::Quantities) {
        const QString& text = texts[int(q)];
        s.values[size_t(q)] = {text, !text.isEmpty() && text != "0"};
    }
    s.starred = starred;
    s.keepOtherGear = keepOther;
    return s;
}

// The four texts after a calculation: the changed ones new, the others as before.
QStringList after(const QStringList& before, const GearCalc::Outcome& outcome)
{
    QStringList texts = before;
    for (Quantity q : GearCalc::Quantities)
        if (outcome[q])
            texts[int(q)] = *outcome[q];
    return texts;
}

TEST(GearCalc, WorkedExamplesHoldToTheLastDigit)
{
    const struct
    {
        const char* name;
        Quantity starred;
        QStringList before; // secondary, spur, pinion, total
        bool keepOther;     // 計算時に一方のギア数を変更しない
        QStringList after;
        const char* status;
    } cases[] = {
        // Spur with pinion 22: 70.4 → 70, the pinion is recomputed (22 again).
        {"spur rounds down, pinion recomputed",
         Quantity::Spur,
         {"2.5", "", "22", "8.0"},
         false,
         {"2.5", "70", "22", "7.95455"},
         "スパー計算終了 ピニオンも変更"},
        // Pinion with spur 75: 23.4375 → 23, the spur becomes 74.
        {"pinion rounds down, spur follows",
         Quantity::Pinion,
         {"2.5", "75", "", "8.0"},
         false,
         {"2.5", "74", "23", "8.04348"},
         "ピニオン計算終了 スパーも変更"},
        {"pinion with the spur kept",
         Quantity::Pinion,
         {"2.5", "75", "", "8.0"},
         true,
         {"2.5", "75", "23", "8.15217"},
         "ピニオン計算終了"},
        {"secondary from spur and pinion",
         Quantity::Secondary,
         {"", "70", "22", "8.0"},
         false,
         {"2.51429", "70", "22", "8.0"},
         "２次減速比計算終了"},
        {"total from the other three",
         Quantity::Total,
         {"2.5", "70", "22", ""},
         false,
         {"2.5", "70", "22", "7.95455"},
         "減速比計算終了"},
        // Exactly half: 22.5 → 22 (even), then the spur becomes 88.
        {"pinion half down to even, spur follows",
         Quantity::Pinion,
         {"2", "90", "", "8"},
         false,
         {"2", "88", "22", "8.00000"},
         "ピニオン計算終了 スパーも変更"},
        {"pinion half up to even, spur follows",
         Quantity::Pinion,
         {"2", "94", "", "8"},
         false,
         {"2", "96", "24", "8.00000"},
         "ピニオン計算終了 スパーも変更"},
        // A deviation of 0.3 does not adjust (spur 69.3 → 69 with pinion 21).
        {"a deviation of 0.3 keeps the pinion",
         Quantity::Spur,
         {"1", "", "21", "3.3"},
         false,
         {"1", "69", "21", "3.28571"},
         "スパー計算終了"},
        // The starred quantity is overwritten by its result.
        {"a starred total that held a value",
         Quantity::Total,
         {"2.5", "70", "22", "9"},
         false,
         {"2.5", "70", "22", "7.95455"},
         "減速比計算終了"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto outcome = GearCalc::CalculateSelected(setup(c.starred, c.before, c.keepOther));
        ASSERT_TRUE(outcome) << outcome.error().toStdString();
        EXPECT_EQ(after(c.before, *outcome), c.after) << c.before.join(',').toStdString();
        EXPECT_EQ(outcome->status, QString::fromUtf8(c.status));
    }
}

TEST(GearCalc, MissingInputsAreReportedInTheirOrder)
{
    const struct
    {
        const char* name;
        Quantity starred;
        QStringList before;
        const char* message;
    } cases[] = {
        {"secondary: no spur", Quantity::Secondary, {"", "", "", ""}, "スパーが設定されていません"},
        {"secondary: pinion 0",
         Quantity::Secondary,
         {"", "70", "0", ""},
         "ピニオンが設定されていません"},
        {"secondary: total 0",
         Quantity::Secondary,
         {"", "70", "22", "0"},
         "減速比が設定されていません"},
        {"spur: no secondary", Quantity::Spur, {"", "", "", ""}, "２次減速比が設定されていません"},
        {"spur: no pinion", Quantity::Spur, {"2.5", "", "", ""}, "ピニオンが設定されていません"},
        {"spur: no total", Quantity::Spur, {"2.5", "", "22", ""}, "減速比が設定されていません"},
        {"pinion: secondary 0",
         Quantity::Pinion,
         {"0", "", "", ""},
         "２次減速比が設定されていません"},
        {"pinion: no spur", Quantity::Pinion, {"2.5", "", "", ""}, "スパーが設定されていません"},
        {"pinion: no total", Quantity::Pinion, {"2.5", "70", "", ""}, "減速比が設定されていません"},
        {"total: no secondary",
         Quantity::Total,
         {"", "", "", ""},
         "２次減速比が設定されていません"},
        {"total: spur 0", Quantity::Total, {"2.5", "0", "", ""}, "スパーが設定されていません"},
        {"total: no pinion",
         Quantity::Total,
         {"2.5", "70", "", ""},
         "ピニオンが設定されていません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto outcome = GearCalc::CalculateSelected(setup(c.starred, c.before));
        EXPECT_EQ(outcome.error(), QString::fromUtf8(c.message));
    }
}

TEST(GearCalc, UnusableInputsNameTheField)
{
    const struct
    {
        const char* name;
        Quantity starred;
        QStringList before;
        const char* messagePart;
    } cases[] = {
        {"text", Quantity::Total, {"2.5", "70", "abc", ""}, "ピニオンギア歯数「abc」"},
        {"pinion 0", Quantity::Total, {"2.5", "70", "0.0", ""}, "ピニオンギア歯数が0"},
        {"secondary 0.00", Quantity::Spur, {"0.00", "", "22", "8"}, "２次減速比が0"},
        {"total 0.0", Quantity::Pinion, {"2.5", "70", "", "0.0"}, "１次減速比"},
        {"spur 0.0", Quantity::Secondary, {"", "0.0", "22", "8"}, "１次減速比"},
        {"pinion rounds to 0", Quantity::Pinion, {"2.5", "1", "", "30000"}, "ピニオンギア歯数が0"},
        {"spur beyond a count", Quantity::Spur, {"0.001", "", "22", "8"}, "スパーギア歯数が範囲"},
        // Results beyond the range of numbers are reported, never shown as 0.
        {"total too large",
         Quantity::Total,
         {QString(308, u'9'), "80", "25", ""},
         "計算した減速比が大きすぎ"},
        {"secondary too large",
         Quantity::Secondary,
         {"", "1", "32767", QString(305, u'9')},
         "計算した２次減速比が大きすぎ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto outcome = GearCalc::CalculateSelected(setup(c.starred, c.before));
        ASSERT_FALSE(outcome) << c.messagePart;
        EXPECT_TRUE(outcome.error().contains(QString::fromUtf8(c.messagePart)))
            << outcome.error().toStdString();
    }
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
