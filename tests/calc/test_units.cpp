#include "calc/units.h"

#include <gtest/gtest.h>

using namespace Units;

namespace {

constexpr auto Mm = Quantity::Length;
constexpr auto Kmh = Quantity::Speed;
constexpr auto In = System::Imperial;
constexpr auto Metric = System::Metric;

struct Row
{
    const char* name;
    QString got, expected;
};

// Worked by hand: 64 ÷ 25.4 = 2.5197; 29.97 ÷ 25.4 = 1.17992; 50.4 ÷ 1.609344
// = 31.317; 2.52 × 25.4 = 64.008; 31.3 × 1.609344 = 50.3724672.
TEST(Units, HandWorked)
{
    const Row rows[] = {
        {"tyre 64 mm in inches", lengthText(64, In), "2.520"},
        {"tyre 64 mm in mm", lengthText(64, Metric), "64.00"},
        {"rollout 29.97 mm in inches", lengthText(29.97, In), "1.180"},
        {"rollout 29.97 mm in mm", lengthText(29.97, Metric), "29.97"},
        {"50.4 km/h in mph", speedText(50.4, In), "31.3"},
        {"50.4 km/h stays", speedText(50.4, Metric), "50.4"},
        {"rollout for a sentence", lengthWithUnit(29.97, In), "1.180 in"},
        {"Japanese sentence unchanged", speedWithUnit(50.4, Metric), "50.4km/h"},
        {"typed 2.52 in", typedToMetric(Mm, "2.52", In), "64.008"},
        {"typed 31.3 mph", typedToMetric(Kmh, "31.3", In), "50.3724672"},
        {"typed 1 in", typedToMetric(Mm, " 1 ", In), "25.4"},
        {"typed 0 stays zero", typedToMetric(Mm, "0", In), "0"},
        {"typed negative", typedToMetric(Kmh, "-10", In), "-16.09344"},
        {"typed in mm untouched", typedToMetric(Mm, "64.0", Metric), "64.0"},
        {"blank passes", typedToMetric(Mm, "", In), ""},
        {"not a number passes", typedToMetric(Mm, "abc", In), "abc"},
        {"stored 64 shown", metricToTyped(Mm, "64", In), "2.52"},
        {"stored 50.4 shown", metricToTyped(Kmh, "50.4", In), "31.3"},
        {"stored 25.4 shown", metricToTyped(Mm, "25.4", In), "1"},
        {"stored in mm shown as kept", metricToTyped(Mm, "64.", Metric), "64."},
        {"units words", lengthUnit(In) + speedUnit(In), "inmph"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(r.got.toStdString(), r.expected.toStdString()) << r.name;
}

// What the field shows, typed back unchanged, must give the stored value back
// closely: a window reopened in inches does not move the tyre.
TEST(Units, ShownAndTypedBack)
{
    for (const char* stored : {"64", "29.97", "100", "0.5"}) {
        const QString again = typedToMetric(Mm, metricToTyped(Mm, stored, In), In);
        EXPECT_NEAR(again.toDouble(), QString(stored).toDouble(), 0.0254 / 2) << stored;
    }
}

TEST(Units, Codes)
{
    EXPECT_EQ(fromCode(code(In)), In);
    EXPECT_EQ(fromCode(code(Metric)), Metric);
    EXPECT_FALSE(fromCode(u"inch"));
}

} // namespace
