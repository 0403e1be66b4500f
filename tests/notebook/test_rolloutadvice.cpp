#include "notebook/rolloutadvice.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using RolloutAdvice::Beyond;
using RolloutAdvice::Refusal;

using Points = std::vector<RolloutAdvice::Point>;

struct FitCase
{
    const char* name;
    Points points;
    double limit;
    Refusal refusal;
    // Worked by hand; zero where the fit was never made.
    double slope, intercept, residualSd, r2, rollout;
    Beyond beyond;
};

// 5 ℃ a millimetre through every point: 70 ℃ at 30 mm.
const Points Clean = {{27, 55}, {28, 60}, {29, 65}, {30, 70}, {31, 75}};
const Points Shuffled = {{31, 75}, {29, 65}, {27, 55}, {30, 70}, {28, 60}};
// Means 28 mm and 59.4 ℃; Sxx 10, Sxy 34, Syy 127.2: slope 3.4, intercept
// 59.4 − 3.4·28 = −35.8, SSE 127.2 − 3.4·34 = 11.6, R² 115.6/127.2.
const Points Noisy = {{26, 52}, {27, 58}, {28, 57}, {29, 64}, {30, 66}};
const double NoisySd = 1.9663841605003503; // √(11.6/3)
const Points Hot = {{27, 95}, {28, 100}, {29, 105}};
const Points Two = {{27, 55}, {28, 60}};
const Points OneRollout = {{28, 55}, {28, 60}, {28, 65}};
const Points Cooler = {{27, 70}, {28, 65}, {29, 60}};
const Points Flat = {{27, 60}, {28, 60}, {29, 60}};
// Sxx 5, Sxy 2.5, Syy 218.75: slope 0.5, R² 1.25/218.75, SSE 217.5 over 2.
const Points Scattered = {{27, 60}, {28, 50}, {29, 70}, {30, 55}};
const double ScatteredSd = 10.428326807307105; // √108.75
const Points Warm = {{27, 80.1}, {28, 80.2}, {29, 80.3}};

const FitCase fitCases[] = {
    {"clean five runs", Clean, 70, Refusal::None, 5, -80, 0, 1, 30.0, Beyond::Nothing},
    {"clean, newest first", Shuffled, 70, Refusal::None, 5, -80, 0, 1, 30.0, Beyond::Nothing},
    {"a millimetre past the largest", Clean, 80, Refusal::None, 5, -80, 0, 1, 32.0,
     Beyond::Nothing},
    {"further past the largest", Clean, 80.5, Refusal::None, 5, -80, 0, 1, 32.1, Beyond::Largest},
    {"noisy", Noisy, 65, Refusal::None, 3.4, -35.8, NoisySd, 115.6 / 127.2, 100.8 / 3.4,
     Beyond::Nothing},
    {"noisy past the tried", Noisy, 70, Refusal::None, 3.4, -35.8, NoisySd, 115.6 / 127.2,
     105.8 / 3.4, Beyond::Largest},
    {"short of the smallest", Hot, 70, Refusal::None, 5, -40, 0, 1, 22.0, Beyond::Smallest},
    {"two runs", Two, 70, Refusal::TooFewRuns, 0, 0, 0, 0, 0, Beyond::Nothing},
    {"no runs", {}, 70, Refusal::TooFewRuns, 0, 0, 0, 0, 0, Beyond::Nothing},
    {"one rollout", OneRollout, 70, Refusal::OneRollout, 0, 0, 0, 0, 0, Beyond::Nothing},
    {"cooler when longer", Cooler, 70, Refusal::SlopeNotPositive, -5, 205, 0, 1, 0,
     Beyond::Nothing},
    {"one temperature", Flat, 70, Refusal::SlopeNotPositive, 0, 60, 0, 0, 0, Beyond::Nothing},
    {"scattered", Scattered, 70, Refusal::WeakFit, 0.5, 44.5, ScatteredSd, 1.25 / 218.75, 0,
     Beyond::Nothing},
    {"over the limit throughout", Warm, 70, Refusal::NoneUnderLimit, 0.1, 77.4, 0, 1, 0,
     Beyond::Nothing},
};

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class RolloutFit : public ::testing::TestWithParam<FitCase>
{
};

TEST_P(RolloutFit, FitsAndAdvisesOrRefuses)
{
    const FitCase& c = GetParam();
    const RolloutAdvice::Advice a = RolloutAdvice::advise(c.points, c.limit);
    EXPECT_EQ(a.refusal, c.refusal);
    EXPECT_EQ(a.runs, int(c.points.size()));
    constexpr double Close = 1e-9;
    EXPECT_NEAR(a.slope, c.slope, Close);
    EXPECT_NEAR(a.intercept, c.intercept, Close);
    EXPECT_NEAR(a.residualSd, c.residualSd, Close);
    EXPECT_NEAR(a.r2, c.r2, Close);
    EXPECT_NEAR(a.rollout, c.rollout, Close);
    EXPECT_EQ(a.beyond, c.beyond);
}

INSTANTIATE_TEST_SUITE_P(Fits, RolloutFit, ::testing::ValuesIn(fitCases), [](const auto& info) {
    std::string n = info.param.name;
    std::replace_if(
        n.begin(), n.end(), [](char c) { return !isalnum(c); }, '_');
    return n;
});

} // namespace
