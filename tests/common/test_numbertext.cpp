#include "common/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iomanip>
#include <random>

namespace {

struct CountCase
{
    const char* name;
    const char* text;
    std::optional<int> count;
};

TEST(NumberText, CountsRoundHalfToEvenAndRejectWhatIsNotACount)
{
    const CountCase cases[] = {
        {"half down to even 22", "22.5", 22},
        {"half up to even 24", "23.5", 24},
        {"half down to even 20", "20.5", 20},
        {"half up to even 22", "21.5", 22},
        {"plain", "84", 84},
        {"blanks around", " 70 ", 70},
        {"leading tab", "\t15", 15},
        {"negative", "-3", -3},
        {"plus sign", "+7", 7},
        {"trailing point", "12.", 12},
        {"bare half to 0", ".5", 0},
        {"1.5 up to even", "1.5", 2},
        {"2.5 down to even", "2.5", 2},
        {"negative half to even", "-2.5", -2},
        {"largest", "32767", 32767},
        {"smallest", "-32768", -32768},
        {"half past the largest", "32767.5", std::nullopt},
        {"beyond 16 bits", "40000", std::nullopt},
        {"below 16 bits", "-32769", std::nullopt},
        {"empty", "", std::nullopt},
        {"unset selector caption", "Combo1", std::nullopt},
        {"two points", "1.2.3", std::nullopt},
        {"point alone", ".", std::nullopt},
        {"inner blank", "1 2", std::nullopt},
        {"exponent", "1e3", std::nullopt},
        {"full-width digit", "０", std::nullopt},
        {"sign alone", "-", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
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
    const char* name;
    double value;
    int decimals;
    const char* text;
};

TEST(NumberText, FixedPatternsRoundHalvesAwayFromZero)
{
    const FixedCase cases[] = {
        {"total of the worked example", 70.0 / 22.0 * 2.5, 5, "7.95455"},
        {"whole number", 8.0, 5, "8.00000"},
        {"secondary of the worked example", 8.0 / (70.0 / 22.0), 5, "2.51429"},
        {"total after the spur follows", 74.0 / 23.0 * 2.5, 5, "8.04348"},
        {"total with the spur kept", 75.0 / 23.0 * 2.5, 5, "8.15217"},
        {"grid cell at three decimals", 82.0 / 21.0 * 2.5, 3, "9.762"},
        // The half as shown, though the binary value lies just below.
        {"half as shown, binary just below", 6.9225, 3, "6.923"},
        {"another half as shown", 2.675, 2, "2.68"}, // likewise
        {"exact binary half", 0.015625, 5, "0.01563"},
        {"0.5 away to 1", 0.5, 0, "1"},
        {"2.5 away to 3", 2.5, 0, "3"},
        {"no decimals", 85.0, 0, "85"},
        {"zero", 0.0, 3, "0.000"},
        {"carry into a new digit", 9.99999999, 5, "10.00000"},
        {"below half the last place", 0.000004, 5, "0.00000"},
        {"above half the last place", 0.000006, 5, "0.00001"},
        {"negative", -1.23456, 3, "-1.235"},
        {"tiny negative loses its sign", -0.0001, 3, "0.000"},
        {"large", 12345.6789, 3, "12345.679"},
        {"tiny", 1e-9, 5, "0.00000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberText::fixed(c.value, c.decimals), QString::fromLatin1(c.text))
            << c.value << " with " << c.decimals << ": " << c.name;
}

TEST(NumberText, FixedTextsReadBackAsNumbers)
{
    const struct
    {
        const char* name;
        double v;
    } cases[] = {{"zero", 0.0},         {"below the last place", 1e-7}, {"five decimals", 3.14159},
                 {"large", 123456.789}, {"sixteen digits", 1e15},       {"negative", -42.5}};
    for (const auto& c : cases)
        EXPECT_TRUE(NumberText::toDouble(NumberText::ratio5(c.v))) << c.v << ": " << c.name;
}

// The grids' fast path against the general one, over what the grids hold
// (ratios, rollouts, teeth quotients) and the edges where it must step aside.
TEST(NumberText, FastAndExactFixedAgree)
{
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> ratios(1.0, 50.0), wide(-1e15, 1e15);
    std::uniform_int_distribution<int> teeth(1, 200), places(0, 9);
    for (int i = 0; i < 300000; ++i) {
        const int decimals = places(random);
        const double value = i % 3 == 0   ? ratios(random)
                             : i % 3 == 1 ? double(teeth(random)) / teeth(random) * 2.5
                                          : wide(random) / std::pow(10.0, places(random));
        ASSERT_EQ(NumberText::fixed(value, decimals), NumberText::fixedExactly(value, decimals))
            << std::setprecision(17) << value << " to " << decimals;
    }
    // Halves at the rounding step, where the fast path must hand over.
    for (const double half : {2.675, 1.0000005, 9.9999995, 99999.5, 1.5, 12.345})
        for (int decimals = 0; decimals <= 9; ++decimals)
            EXPECT_EQ(NumberText::fixed(half, decimals), NumberText::fixedExactly(half, decimals))
                << half << " to " << decimals;
}

// The notebook's fast reading of stored numbers against from_chars, bit for
// bit: random plain decimals up to 18 digits, and the edges by name.
TEST(NumberText, FastAndExactDecimalReadingAgree)
{
    auto same = [](const std::string& text) {
        const auto fast = NumberText::readDecimal(text.data(), text.data() + text.size());
        const auto exact = NumberText::readDecimalExactly(text.data(), text.data() + text.size());
        return fast.has_value() == exact.has_value() &&
               (!fast || std::memcmp(&*fast, &*exact, sizeof(double)) == 0);
    };
    std::mt19937 random(20261208);
    for (int i = 0; i < 300000; ++i) {
        std::string text = random() % 4 ? "" : "-";
        const int length = 1 + int(random() % 18);
        const int point = int(random() % unsigned(length + 2)) - 1; // -1: none
        for (int d = 0; d < length; ++d) {
            if (d == point)
                text += '.';
            text += char('0' + random() % 10);
        }
        ASSERT_TRUE(same(text)) << text;
    }
    for (const char* edge : {"0", "-0", "-0.0", "12.", ".5", "-.5", ".", "-", "", "1.2.3", "1e5",
                             "inf", "nan", "12abc", "0.000000000000001", "999999999999999",
                             "9999999999999999", "0.1234567890123456789012", "1e999"})
        EXPECT_TRUE(same(edge)) << edge;
}

} // namespace
