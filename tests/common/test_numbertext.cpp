#include "common/numbertext.h"

#include <gtest/gtest.h>

namespace {

struct CountCase
{
    const char* text;
    std::optional<int> count;
};

TEST(NumberText, CountsRoundHalfToEvenAndRejectWhatIsNotACount)
{
    const CountCase cases[] = {
        {"22.5", 22},
        {"23.5", 24},
        {"20.5", 20},
        {"21.5", 22},
        {"84", 84},
        {" 70 ", 70},
        {"\t15", 15},
        {"-3", -3},
        {"+7", 7},
        {"12.", 12},
        {".5", 0},
        {"1.5", 2},
        {"2.5", 2},
        {"-2.5", -2},
        {"32767", 32767},
        {"-32768", -32768},
        {"32767.5", std::nullopt},
        {"40000", std::nullopt},
        {"-32769", std::nullopt},
        {"", std::nullopt},
        {"Combo1", std::nullopt},
        {"1.2.3", std::nullopt},
        {".", std::nullopt},
        {"1 2", std::nullopt},
        {"1e3", std::nullopt},
        {"０", std::nullopt},
        {"-", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto got = NumberText::toCount(QString::fromUtf8(c.text));
        EXPECT_EQ(got.has_value(), c.count.has_value()) << c.text;
        if (got && c.count) {
            EXPECT_EQ(int(*got), *c.count) << c.text;
        }
    }
}

TEST(NumberText, DoublesReadOnlyPlainDecimalText)
{
    EXPECT_DOUBLE_EQ(*NumberText::toDouble("8.00000"), 8.0);
    EXPECT_DOUBLE_EQ(*NumberText::toDouble(" 2.6 "), 2.6);
    EXPECT_DOUBLE_EQ(*NumberText::toDouble("5.5"), 5.5);
    EXPECT_FALSE(NumberText::toDouble("2,6"));
    EXPECT_FALSE(NumberText::toDouble("nan"));
    EXPECT_FALSE(NumberText::toDouble("inf"));
    // An over-long entry that does not fit a double is not a number either.
    EXPECT_FALSE(NumberText::toDouble(QString(400, u'9')));
}

struct FixedCase
{
    double value;
    int decimals;
    const char* text;
};

TEST(NumberText, FixedPatternsRoundHalvesAwayFromZero)
{
    const FixedCase cases[] = {
        {70.0 / 22.0 * 2.5, 5, "7.95455"},
        {8.0, 5, "8.00000"},
        {8.0 / (70.0 / 22.0), 5, "2.51429"},
        {74.0 / 23.0 * 2.5, 5, "8.04348"},
        {75.0 / 23.0 * 2.5, 5, "8.15217"},
        {82.0 / 21.0 * 2.5, 3, "9.762"},
        {6.9225, 3, "6.923"}, // the half as shown, though the binary value lies just below
        {2.675, 2, "2.68"},   // likewise
        {0.015625, 5, "0.01563"},
        {0.5, 0, "1"},
        {2.5, 0, "3"},
        {85.0, 0, "85"},
        {0.0, 3, "0.000"},
        {9.99999999, 5, "10.00000"},
        {0.000004, 5, "0.00000"},
        {0.000006, 5, "0.00001"},
        {-1.23456, 3, "-1.235"},
        {-0.0001, 3, "0.000"},
        {12345.6789, 3, "12345.679"},
        {1e-9, 5, "0.00000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberText::fixed(c.value, c.decimals), QString::fromLatin1(c.text))
            << c.value << " with " << c.decimals;
}

TEST(NumberText, FixedTextsReadBackAsNumbers)
{
    for (double v : {0.0, 1e-7, 3.14159, 123456.789, 1e15, -42.5})
        EXPECT_TRUE(NumberText::toDouble(NumberText::ratio5(v))) << v;
}

} // namespace
