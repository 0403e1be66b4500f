#include "calc/ownedgears.h"

#include <gtest/gtest.h>

namespace {

using OwnedGears::Problem;
using Teeth = QList<int>;

QList<int> span(int from, int to, QList<int> more = {})
{
    QList<int> t;
    for (int i = from; i <= to; ++i)
        t << i;
    return t + more;
}

const OwnedGears::Limits P48 = OwnedGears::limits(25.4 / 48); // 8…188: 100 mm ÷ 0.529 mm

struct ParseCase
{
    const char* name;
    const char16_t* typed;
    Teeth teeth;
    Problem problem;
    const char16_t* piece;
};

const ParseCase parseCases[] = {
    {"range and one", u"17-25, 28", span(17, 25, {28}), Problem::None, u""},
    {"overlaps merged", u"28, 17-20, 19-22 20", span(17, 22, {28}), Problem::None, u""},
    {"full-width, ideographic comma", u"１７－２０、２２", span(17, 20, {22}), Problem::None, u""},
    {"blanks round the dash, wave dash", u"17 - 19, 21～22", span(17, 19, {21, 22}), Problem::None,
     u""},
    {"blank is none", u"  ", {}, Problem::None, u""},
    {"the limits themselves", u"8, 188", {8, 188}, Problem::None, u""},
    {"not a count", u"17-25, x", {}, Problem::NotANumber, u"x"},
    {"open range", u"17-", {}, Problem::NotANumber, u"17-"},
    {"backwards", u"25-17", {}, Problem::Backwards, u"25-17"},
    {"too small for the module", u"5-9", {}, Problem::OutsideLimits, u"5-9"},
    {"too big for the module", u"112, 189", {}, Problem::OutsideLimits, u"189"},
};

TEST(OwnedGears, ParsesTypedLists)
{
    for (const ParseCase& c : parseCases) {
        SCOPED_TRACE(c.name);
        const auto parsed = OwnedGears::parse(QString::fromUtf16(c.typed), P48);
        EXPECT_EQ(parsed.teeth, c.teeth);
        EXPECT_EQ(parsed.problem, c.problem);
        EXPECT_EQ(parsed.piece, QString::fromUtf16(c.piece));
    }
}

TEST(OwnedGears, ModuleLimits)
{
    EXPECT_EQ(P48.most, 188);
    EXPECT_EQ(OwnedGears::limits(1.0).most, 100);
    EXPECT_EQ(OwnedGears::limits(std::nullopt).most, 250);
    EXPECT_EQ(OwnedGears::limits(0.4).least, 8);
}

TEST(OwnedGears, MountOfCentreDistances)
{
    // 48P: m = 0.529167 mm; 27 mm is 102.05 teeth, 29 mm 109.6, 27.78 mm 104.995.
    const OwnedGears::Mount a = OwnedGears::mountOfCentres(27.0, 29.0, 25.4 / 48);
    EXPECT_EQ(std::pair(a.least, a.most), std::pair(103, 109));
    const OwnedGears::Mount b = OwnedGears::mountOfCentres(27.78, 27.78, 25.4 / 48);
    EXPECT_EQ(std::pair(b.least, b.most), std::pair(105, 105));
}

TEST(OwnedGears, WritesListsAsTyped)
{
    EXPECT_EQ(OwnedGears::text(span(17, 25, {28})), QStringLiteral("17-25, 28"));
    EXPECT_EQ(OwnedGears::text({17, 18, 28, 29, 30}), QStringLiteral("17, 18, 28-30"));
    EXPECT_EQ(OwnedGears::text({}), QString());
}

struct Ranked
{
    int spur, pinion;
    double rollout, off;
};

struct RankCase
{
    const char* name;
    Teeth spurs, pinions;
    OwnedGears::Mount mount;
    double tyre, wanted;
    std::vector<Ranked> expected;
};

// Secondary 2, tyre 60 mm: π·60 = 188.4956 mm a wheel turn. 100/25 and
// 104/26 are both 8.0 (23.5619 mm); 104/25 is 8.32 (22.6557 mm, −3.846 %),
// 100/26 is 7.6923 (24.5044 mm, +4.0 %). Worn to 57 mm, 95/25 (7.6) rolls
// π·57 ÷ 7.6 = 23.5619 mm again; 100/26 gives 23.2792 mm (−1.2 %).
const double R8 = 23.561944901923447;
const RankCase rankCases[] = {
    {"closest first, ties by spur",
     {104, 100},
     {26, 25},
     {},
     60,
     R8,
     {{100, 25, R8, 0},
      {104, 26, R8, 0},
      {104, 25, 22.655716251849468, -3.8461538461538463},
      {100, 26, 24.504422698000386, 4.0}}},
    {"mount takes sums 126 to 129",
     {100, 104},
     {25, 26},
     {126, 129},
     60,
     R8,
     {{104, 25, 22.655716251849468, -3.8461538461538463}, {100, 26, 24.504422698000386, 4.0}}},
    {"mount takes none", {100, 104}, {25, 26}, {140, 150}, 60, R8, {}},
    {"worn tyre keeps the rollout",
     {104, 100, 95},
     {26, 25},
     {120, 126},
     57,
     R8,
     {{95, 25, R8, 0},
      {100, 26, 23.279201563100365, -1.2},
      {95, 26, 24.504422698000386, 4.0},
      {100, 25, 22.38384765682727, -5.0}}},
};

TEST(OwnedGears, RanksOwnedPairsTheMountTakes)
{
    for (const RankCase& c : rankCases) {
        SCOPED_TRACE(c.name);
        const auto got =
            OwnedGears::keepRollout(c.spurs, c.pinions, c.mount, 2.0, c.tyre, c.wanted);
        ASSERT_EQ(got.size(), c.expected.size());
        for (size_t i = 0; i < got.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(got[i].spur, c.expected[i].spur);
            EXPECT_EQ(got[i].pinion, c.expected[i].pinion);
            EXPECT_NEAR(got[i].rollout, c.expected[i].rollout, 1e-9);
            EXPECT_NEAR(got[i].off, c.expected[i].off, 1e-9);
        }
    }
}

TEST(OwnedGears, ClosestBelowTheLargestSafeRollout)
{
    const auto ranked = OwnedGears::rank({100, 104}, {25, 26}, {}, 2.0, 60, R8);
    const auto under23 = OwnedGears::closestBelow(ranked, 23.0);
    ASSERT_TRUE(under23);
    EXPECT_EQ(under23->spur, 104);
    EXPECT_EQ(under23->pinion, 25);
    EXPECT_FALSE(OwnedGears::closestBelow(ranked, 22.6));
    EXPECT_TRUE(OwnedGears::inBand(ranked[0]));
    EXPECT_FALSE(OwnedGears::inBand(ranked[2]));
}

} // namespace
